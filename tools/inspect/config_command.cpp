// brimvale-inspect config FILE: config.dat's fields, read as the game reads them.

#include <sys/stat.h>

#include "settings/block_file.h"
#include "subcommand.h"
#include "tools/inspect/config_json.h"

namespace bv::inspect {
namespace {

int RunConfig(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 1) return kExitUsage;
  settings::ConfigBytes bytes{};
  struct stat st {};
  if (::stat(args[0].c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
      !settings::LoadBlock(args[0], bytes.data(), bytes.size())) {
    PrintJson({{"message", "cannot read " + args[0]}}, out);
    return kExitRefused;
  }
  // A short file reads as zeros past its end, as the game reads it.
  nlohmann::ordered_json j = ConfigToJson(bytes);
  j["file_size"] = st.st_size;
  // Dumped as ordered JSON so the fields keep the file's order.
  out << j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  return kExitLoaded;
}

const RegisterSubcommand kConfig({"config", "config FILE", RunConfig});

}  // namespace
}  // namespace bv::inspect

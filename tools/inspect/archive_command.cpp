// brimvale-inspect archive FILE [SIGNATURE]: opens a record archive as the
// game does and lists its header and directory.

#include <cstdio>
#include <string>

#include "media/cp1250.h"
#include "media/record_archive.h"
#include "subcommand.h"

namespace bv::inspect {
namespace {

// 1.1f printed as 1.1, not 1.100000023841858.
double ShortFloat(float f) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(f));
  return std::strtod(text, nullptr);
}

int RunArchive(const std::vector<std::string>& args, std::ostream& out) {
  if (args.empty() || args.size() > 2) return kExitUsage;
  const std::string signature = args.size() == 2 ? args[1] : "RARC";
  if (signature.size() != 4) return kExitUsage;

  media::RecordArchive archive;
  archive.set_file_name(args[0]);
  archive.set_open_mode(media::OpenMode::kReadOnly);
  archive.set_signature(media::FourCc({signature[0], signature[1], signature[2], signature[3], 0}));
  const int32_t rc = archive.Open();
  if (rc != 0) {
    PrintJson(CodeJson(rc), out);
    return kExitRefused;
  }

  nlohmann::json records = nlohmann::json::array();
  for (const media::DirectoryEntry& e : archive.directory()) {
    records.push_back({{"name", media::Cp1250ToUtf8(e.name)},
                       {"type", e.type},
                       {"offset", e.offset},
                       {"checksum", e.checksum},
                       {"stored_size", e.stored_size},
                       {"decoded_size", e.decoded_size}});
  }
  PrintJson({{"signature", media::Cp1250ToUtf8(signature)},
             {"version", ShortFloat(archive.version())},
             {"secure", archive.secure()},
             {"records", records}},
            out);
  return kExitLoaded;
}

const RegisterSubcommand kArchive({"archive", "archive FILE [SIGNATURE]", RunArchive});

}  // namespace
}  // namespace bv::inspect

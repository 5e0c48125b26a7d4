#include "subcommand.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "media/error_codes.h"

namespace bv::inspect {

namespace {
// A function-local table, so registration from any file's static works
// whatever the order of static initialisation.
std::vector<Subcommand>& Table() {
  static std::vector<Subcommand> table;
  return table;
}
}  // namespace

RegisterSubcommand::RegisterSubcommand(const Subcommand& command) {
  Table().push_back(command);
}

std::vector<Subcommand> Subcommands() {
  std::vector<Subcommand> sorted = Table();
  std::sort(sorted.begin(), sorted.end(), [](const Subcommand& a, const Subcommand& b) {
    return std::strcmp(a.name, b.name) < 0;
  });
  return sorted;
}

void PrintJson(const nlohmann::json& object, std::ostream& out) {
  out << object.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

nlohmann::json CodeJson(int32_t code) {
  return {{"code", code}, {"text", media::ErrorText(code)}};
}

bool ParseInt32(const std::string& text, int32_t* value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < INT32_MIN || v > INT32_MAX) return false;
  *value = static_cast<int32_t>(v);
  return true;
}

}  // namespace bv::inspect

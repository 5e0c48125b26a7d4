#include "game/paths.h"

#include <sys/stat.h>

#include "media/cp1250.h"

namespace bv::game {

namespace {

constexpr char kCustomFolder[] = "\\data\\levels\\custom";

bool IsUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t extra = c < 0x80             ? 0
                         : (c & 0xE0) == 0xC0 ? 1
                         : (c & 0xF0) == 0xE0 ? 2
                         : (c & 0xF8) == 0xF0 ? 3
                                              : 4;
    if (extra == 4 || i + extra >= s.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

std::string Slashes(const std::string& relative) {
  std::string out;
  out.reserve(relative.size());
  for (char c : relative) out.push_back(c == '\\' ? '/' : c);
  return out;
}

void AddUnder(const std::string& root, const std::string& relative,
              std::vector<std::string>& out) {
  out.push_back(DataPath(root, relative));
  std::string raw = root + Slashes(relative);
  if (raw != out.back()) out.push_back(std::move(raw));
}

}  // namespace

std::string DataPath(const std::string& data_root, const std::string& relative) {
  return data_root + Slashes(media::Cp1250ToUtf8(relative));
}

std::vector<std::string> DataPathCandidates(const Places& places, const std::string& relative) {
  std::vector<std::string> out;
  AddUnder(places.data_root, relative, out);
  const size_t n = sizeof kCustomFolder - 1;
  if (!places.user_levels_dir.empty() && relative.compare(0, n, kCustomFolder) == 0 &&
      relative.size() > n && relative[n] == '\\') {
    AddUnder(places.user_levels_dir, relative.substr(n), out);
  }
  return out;
}

std::optional<std::string> GameName(const std::string& file_name) {
  if (!IsUtf8(file_name)) return file_name;
  std::string name = media::Utf8ToCp1250(file_name);
  if (media::Cp1250ToUtf8(name) != file_name) return std::nullopt;
  return name;
}

std::string MenuLevelPath() {
  return "\\data\\levels\\campaign\\0.dmp";
}

std::string CampaignLevelPath(const std::string& folder, int number) {
  return "\\data\\levels\\campaign\\" + folder + "\\" + std::to_string(number) + ".dmp";
}

std::string CustomLevelPath(const std::string& name) {
  return std::string(kCustomFolder) + "\\" + name + ".dmp";
}

std::string CustomLevelFolder() {
  return kCustomFolder;
}

bool FileExists(const std::string& native_path) {
  struct stat st {};
  return ::stat(native_path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace bv::game

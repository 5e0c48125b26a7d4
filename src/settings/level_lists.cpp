#include "settings/level_lists.h"

#include <algorithm>
#include <filesystem>

#include "game/paths.h"
#include "media/cp1250.h"

namespace bv::settings {

namespace fs = std::filesystem;

namespace {

constexpr const char kDmp[] = ".dmp";

template <typename Keep>
std::vector<std::string> ListFolder(const std::string& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (keep(*it, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), LevelNameLess);
  return names;
}

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

unsigned char Lower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

}  // namespace

bool LevelNameLess(const std::string& a, const std::string& b) {
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) < Lower(y); });
  if (less) return true;
  const bool greater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) { return Lower(x) < Lower(y); });
  return !greater && a < b;
}

std::string LevelDisplayName(const std::string& name) {
  return IsUtf8(name) ? name : media::Cp1250ToUtf8(name);
}

std::vector<std::string> ListCampaigns(const game::Places& places) {
  return ListFolder(game::DataPath(places.data_root, "\\data\\levels\\campaign"),
                    [](const fs::directory_entry& e, const std::string&) {
                      std::error_code ec;
                      return e.is_directory(ec);  // follows links; "." and ".." never come
                    });
}

std::vector<std::string> ListCustomLevels(const game::Places& places) {
  std::vector<std::string> names =
      ListFolder(game::DataPath(places.data_root, "\\data\\levels\\custom"),
                 [](const fs::directory_entry&, const std::string& name) {
                   return name.size() >= 4 && name.compare(name.size() - 4, 4, kDmp) == 0;
                 });
  for (std::string& n : names) n.resize(n.size() - 4);
  // Sorting after the cut keeps "a" before "a b", as the list shows them.
  std::sort(names.begin(), names.end(), LevelNameLess);
  return names;
}

}  // namespace bv::settings

#include "settings/level_lists.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "game/paths.h"
#include "media/cp1250.h"

namespace bv::settings {

namespace fs = std::filesystem;

namespace {

constexpr const char kDmp[] = ".dmp";

// Names as the game holds them (Windows-1250); a name no data path could
// spell is left out.
template <typename Keep>
void ListFolder(const std::string& folder, Keep keep, std::vector<std::string>& names) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string file_name = it->path().filename().string();
    if (!keep(*it, file_name)) continue;
    if (std::optional<std::string> name = game::GameName(file_name)) names.push_back(*name);
  }
}

unsigned char Lower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

void SortUnique(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), LevelNameLess);
  names.erase(std::unique(names.begin(), names.end()), names.end());
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
  return media::Cp1250ToUtf8(name);
}

std::vector<std::string> ListCampaigns(const game::Places& places) {
  std::vector<std::string> names;
  ListFolder(game::DataPath(places.data_root, "\\data\\levels\\campaign"),
             [](const fs::directory_entry& e, const std::string&) {
               std::error_code ec;
               return e.is_directory(ec);  // follows links; "." and ".." never come
             },
             names);
  SortUnique(names);
  return names;
}

std::vector<std::string> ListCustomLevels(const game::Places& places) {
  const auto is_level = [](const fs::directory_entry&, const std::string& name) {
    return name.size() >= 4 && name.compare(name.size() - 4, 4, kDmp) == 0;
  };
  std::vector<std::string> names;
  ListFolder(game::DataPath(places.data_root, game::CustomLevelFolder()), is_level, names);
  // The player's own levels join the shipped ones; a name in both is one
  // entry, the shipped file (the level store looks there first).
  if (!places.user_levels_dir.empty()) ListFolder(places.user_levels_dir, is_level, names);
  for (std::string& n : names) n.resize(n.size() - 4);
  // Sorting after the cut keeps "a" before "a b", as the list shows them.
  SortUnique(names);
  return names;
}

}  // namespace bv::settings

#include "settings/level_lists.h"

#include <algorithm>
#include <filesystem>

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

unsigned char Lower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; }

}  // namespace

bool LevelNameLess(const std::string& a, const std::string& b) {
  const bool less = std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char x, char y) { return Lower(x) < Lower(y); });
  if (less) return true;
  const bool greater = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(),
      [](char x, char y) { return Lower(x) < Lower(y); });
  return !greater && a < b;
}

std::vector<std::string> ListCampaigns(const std::string& program_dir) {
  return ListFolder(program_dir + "/data/levels/campaign",
                    [](const fs::directory_entry& e, const std::string&) {
                      std::error_code ec;
                      return e.is_directory(ec);  // follows links; "." and ".." never come
                    });
}

std::vector<std::string> ListCustomLevels(const std::string& program_dir) {
  std::vector<std::string> names =
      ListFolder(program_dir + "/data/levels/custom",
                 [](const fs::directory_entry&, const std::string& name) {
                   return name.size() >= 4 && name.compare(name.size() - 4, 4, kDmp) == 0;
                 });
  for (std::string& n : names) n.resize(n.size() - 4);
  // Sorting after the cut keeps "a" before "a b", as the list shows them.
  std::sort(names.begin(), names.end(), LevelNameLess);
  return names;
}

}  // namespace bv::settings

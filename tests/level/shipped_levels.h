#pragma once

// The level sources the game ships, found in the checkout's levels/ folder,
// with the file each compiles to and what the game uses it for.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "level/code_names.h"

namespace bv::level {

struct ShippedLevel {
  std::string source;         // full path of the .lvl
  std::string data;           // the data path the game reads ("\data\levels\...")
  std::string output;         // full path of the compiled file in the build
  Role role = Role::kCustom;  // what its place demands (custom levels: arena or custom)
  std::string list_entry;     // campaign folder, or custom level name
  int number = 0;             // campaign level number; 1 for custom levels
};

inline bool IsNumber(const std::string& s) {
  return !s.empty() && s.size() < 6 &&
         std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

inline std::string LevelsSourceDir() {
  return std::string(BV_SOURCE_DIR) + "/levels";
}
inline std::string BuildDir() {
  return BV_BUILD_DIR;
}

// Every .lvl under levels/campaign and levels/custom, in path order. Custom
// levels get the role their source declares (read by the caller); here kCustom.
inline std::vector<ShippedLevel> ShippedLevels() {
  namespace fs = std::filesystem;
  std::vector<ShippedLevel> out;
  const fs::path root = LevelsSourceDir();
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".lvl") continue;
    const fs::path rel = fs::relative(entry.path(), root);
    ShippedLevel s;
    s.source = entry.path().string();
    fs::path out_rel = rel;
    out_rel.replace_extension(".dmp");
    s.output = (fs::path(BuildDir()) / "data" / "levels" / out_rel).string();
    s.data = "\\data\\levels";
    for (const auto& part : out_rel) s.data += "\\" + part.string();
    const std::string top = rel.begin()->string();
    const std::string stem = rel.stem().string();
    if (top == "campaign" && rel.parent_path() == "campaign" && stem == "0") {
      s.role = Role::kMenu;
    } else if (top == "campaign") {
      s.role = Role::kCampaign;
      s.list_entry = rel.parent_path().filename().string();
      s.number = IsNumber(stem) ? std::stoi(stem) : -1;
    } else {
      s.role = Role::kCustom;
      s.list_entry = stem;
      s.number = 1;
    }
    out.push_back(s);
  }
  std::sort(out.begin(), out.end(),
            [](const ShippedLevel& a, const ShippedLevel& b) { return a.source < b.source; });
  return out;
}

}  // namespace bv::level

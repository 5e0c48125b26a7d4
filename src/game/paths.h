#pragma once

#include <string>

namespace bv::game {

// Data paths are written with backslashes, "\data\font.fnt", appended to the
// data root (Places::data_root). This is the one place they become the
// platform's paths.
std::string DataPath(const std::string& data_root, const std::string& relative);

// "\data\levels\campaign\0.dmp"
std::string MenuLevelPath();
// "\data\levels\campaign\" + folder + "\" + number + ".dmp"
std::string CampaignLevelPath(const std::string& folder, int number);
// "\data\levels\custom\" + name + ".dmp"
std::string CustomLevelPath(const std::string& name);

bool FileExists(const std::string& native_path);

}  // namespace bv::game

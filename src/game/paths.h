#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/places.h"

namespace bv::game {

// Data paths are the game's text: Windows-1250, written with backslashes,
// "\data\font.fnt", appended to the data root (Places::data_root). This is
// the one place they become the file system's paths: slashes, and names in
// UTF-8.
std::string DataPath(const std::string& data_root, const std::string& relative);

// Where a data path may be on disk, in the order to try: under the data
// root, then (custom levels only) in the player's own level folder; each
// in UTF-8 and, for files copied from the old platform, with the name's
// Windows-1250 bytes as they stand.
std::vector<std::string> DataPathCandidates(const Places& places, const std::string& relative);

// A file or folder name read from the disk as the game holds it
// (Windows-1250): UTF-8 names are converted, names that are not UTF-8 are
// taken as Windows-1250 already; nullopt for a name with a character
// Windows-1250 lacks, which no data path could name.
std::optional<std::string> GameName(const std::string& file_name);

// "\data\levels\campaign\0.dmp"
std::string MenuLevelPath();
// "\data\levels\campaign\" + folder + "\" + number + ".dmp"
std::string CampaignLevelPath(const std::string& folder, int number);
// "\data\levels\custom\" + name + ".dmp"
std::string CustomLevelPath(const std::string& name);
// "\data\levels\custom", the folder of the custom levels.
std::string CustomLevelFolder();

bool FileExists(const std::string& native_path);

}  // namespace bv::game

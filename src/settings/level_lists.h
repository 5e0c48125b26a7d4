#pragma once

#include <string>
#include <vector>

#include "game/places.h"

namespace bv::settings {

// The level list's entries, in Windows-1250 like every text of the game
// (game::GameName), sorted by name (case-insensitive, ties by bytes) so
// that every run and every machine shows the same order. A missing or
// unreadable folder gives an empty list.

// Every folder (hidden ones too) under "\data\levels\campaign".
std::vector<std::string> ListCampaigns(const game::Places& places);

// Every entry under "\data\levels\custom", and in the player's own level
// folder, whose name ends in ".dmp", without those four characters; a name
// in both folders is listed once.
// Kept: like the file pattern it stands for, this also lists a folder named so.
std::vector<std::string> ListCustomLevels(const game::Places& places);

bool LevelNameLess(const std::string& a, const std::string& b);

// An entry as the window shows it, in UTF-8.
std::string LevelDisplayName(const std::string& name);

}  // namespace bv::settings

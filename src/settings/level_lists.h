#pragma once

#include <string>
#include <vector>

#include "game/places.h"

namespace bv::settings {

// The level list's entries, sorted by name (case-insensitive, ties by bytes)
// so that every run and every machine shows the same order. A missing or
// unreadable folder gives an empty list.

// Every folder (hidden ones too) under "\data\levels\campaign".
std::vector<std::string> ListCampaigns(const game::Places& places);

// Every entry under "\data\levels\custom" whose name ends in ".dmp",
// without those four characters.
// Kept: like the file pattern it stands for, this also lists a folder named so.
std::vector<std::string> ListCustomLevels(const game::Places& places);

bool LevelNameLess(const std::string& a, const std::string& b);

// An entry as the window shows it, in UTF-8. Entries are file names, whose
// bytes are the system's: UTF-8 normally, Windows-1250 in data copied from
// the old platform.
std::string LevelDisplayName(const std::string& name);

}  // namespace bv::settings

#pragma once

// What a level designer needs to know about a level, and the proof that a
// campaign level can be won: the walk from player start 1, opening each door
// once a card of its colour was reachable before it, reaches enough CDs.

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "level/code_names.h"
#include "level/level_image.h"

namespace bv::level {

struct MapPos {
  int x = 0;
  int y = 0;
};

struct CheckReport {
  Role role = Role::kCampaign;
  std::array<std::vector<MapPos>, 2> starts;  // scan order; the setup uses the last
  int cds = 0;
  int cds_reachable = 0;
  int mission_goal = 0;
  std::map<int, int> actors;  // kind -> count
  struct Colour {
    std::vector<MapPos> cards, doors;
    int cards_reachable = 0;
    int doors_opened = 0;
  };
  std::array<Colour, 5> colours;
  int walkable_cells = 0;
  int reachable_cells = 0;
  std::vector<bool> reachable;  // x * 100 + y, with the doors the proof opened
  std::array<int, 256> object_counts{};
  std::array<int, 256> entity_counts{};
  std::vector<std::string> problems;  // the level fails its role
  std::vector<std::string> warnings;  // worth a look, not fatal

  bool ok() const { return problems.empty(); }
  bool IsReachable(int x, int y) const {
    return LevelImage::InMap(x, y) && reachable[static_cast<size_t>(x * kMapSize + y)];
  }
};

// Names a cell's place in the source ("1.lvl:12:7"), or empty.
using CellLocator = std::function<std::string(int x, int y)>;

CheckReport CheckLevel(const LevelImage& image, Role role, const CellLocator& where = nullptr);

// The report as the check command prints it. `quiet` prints only warnings
// and problems (under the title), nothing for a clean level.
std::string FormatReport(const CheckReport& report, const std::string& title, bool quiet = false);

}  // namespace bv::level

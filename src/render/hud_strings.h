#pragma once

#include <string>

#include "game/world.h"

namespace bv::render {

// The formatted HUD values, kept between frames so that their buffers are
// reused instead of allocated anew.
struct HudStrings {
  std::string weapon;
  std::string mission;
  std::string points;
  std::string time;
  std::string fps;
};

// The value texts of one view's HUD: weapon "name / ammo", mission
// "count / goal unit" (with two views in Deathmatch the count is the view
// player's kills, in Pointmatch their points), points, time "minutes : seconds".
void FormatHudValues(const game::World& world, int player, bool two_views, HudStrings& s);

}  // namespace bv::render

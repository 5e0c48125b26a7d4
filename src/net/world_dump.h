#pragma once

// A readable listing of a world, written by both sides when their games
// drift apart: compare the two files to find the first field that differs.

#include <string>

#include "game/world.h"

namespace bv::net {

// One "name value" line a field; the big tables as a hash each, then the
// used actors and respawn entries one a line.
std::string WorldDump(const game::World& world);

}  // namespace bv::net

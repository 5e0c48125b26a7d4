#pragma once

#include "sim/tick_context.h"

namespace bv::sim {

// A completed mission: the next campaign level if its file exists ("Level "
// and its number), otherwise the campaign is won ("Wygrana").
void ChooseNextLevel(Tick& t);

// The level setup at the midpoint of a level change. A level file that cannot
// be read is tried once; the menu level is set up instead, with a centre
// message naming the file. When the menu level itself fails the world stays as
// it is and the level change runs on (no retry every tick).
void SetupAtMidpoint(Tick& t);

}  // namespace bv::sim

#pragma once

#include "sim/tick_context.h"

namespace bv::sim {

// Deathmatch: a rival at 0 health or below is a frag for `player`; the rival
// starts again at its start point. The frag limit wins the match.
void Frag(Tick& t, int player);

// Pointmatch: reaching the point limit wins the match.
void PointLimit(Tick& t, int player);

// Deathmatch: whether each player's selected weapon reaches the rival now.
void RivalReach(Tick& t);

}  // namespace bv::sim

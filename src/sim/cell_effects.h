#pragma once

#include "sim/tick_context.h"

namespace bv::sim {

// What the player's centre cell (and, for doors, its probe cells) does to
// the player: pickups, sounds, doors, moving floors, the trap, power and the
// menu cells. Runs in every game state.
void CellEffects(Tick& t, int player);

// Two-player Deathmatch and Pointmatch put taken items back now and then.
void ItemRespawn(Tick& t);

}  // namespace bv::sim

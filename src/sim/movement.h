#pragma once

#include "sim/tick_context.h"

namespace bv::sim {

// Kept: the diagonal step divides by this, not by the square root of two, so
// a diagonal step is about 0.876 of a straight one.
constexpr double kDiagonalDivisor = 1.1414213562;

// One step in one of eight directions from the held keys, blocked by the
// solid probe cells of the tick's start.
void MovePlayer(Tick& t, int player);

// The change-weapon key selects the next owned slot every 31 ticks.
void ChangeWeapon(Tick& t, int player);

}  // namespace bv::sim

#pragma once

#include <cstdint>

#include "game/world.h"

namespace bv::sim {

// Direction codes of PathStep.
constexpr uint8_t kStepNone = 0;
constexpr uint8_t kStepDown = 2;   // higher rows
constexpr uint8_t kStepLeft = 4;   // lower columns
constexpr uint8_t kStepRight = 6;  // higher columns
constexpr uint8_t kStepUp = 8;     // lower rows

// True when `to` lies within `reach` of `from` and no solid cell is met at the
// 40-pixel samples from `from` towards `to`. A solid cell whose actor_index is
// `exempt` (not -1) does not block, so a shooter sees an actor on a solid cell.
bool LineOfSight(const game::World& world, int exempt, float reach, float from_x, float from_y,
                 float to_x, float to_y);

// Which of the four directions leads a chasing actor from its cell towards the
// player's cell around walls, by a flood of the 13 by 13 window around the
// actor. The player's cell must lie within 5 cells in both directions.
uint8_t PathStep(const game::World& world, int actor_col, int actor_row, int player_col,
                 int player_row);

}  // namespace bv::sim

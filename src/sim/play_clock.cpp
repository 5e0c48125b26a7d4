#include "sim/play_clock.h"

#include "game/world.h"

namespace bv::sim {

void AdvancePlayClock(game::World& world, double delta) {
  world.clock_steps += delta;
  // Kept: whatever runs past the minute is dropped, not carried.
  if (world.clock_steps >= kStepsPerMinute) {
    world.clock_steps = 0.0;
    ++world.clock_minutes;
  }
}

}  // namespace bv::sim

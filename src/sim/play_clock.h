#pragma once

namespace bv::game {
struct World;
}

namespace bv::sim {

// Logic steps in one minute of the play clock.
// Kept: 6000 steps at 90 a second make the clock's minute about 67 seconds.
constexpr double kStepsPerMinute = 6000.0;

// The frame timer's real-time event, once per pass: the play clock advances
// by the pass's duration in logic steps; a full minute starts the steps
// again from 0. The game and brimvale-sim both advance it through here.
void AdvancePlayClock(game::World& world, double delta);

}  // namespace bv::sim

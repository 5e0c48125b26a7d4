#pragma once

namespace bv::game {
struct World;
}

namespace bv::app {

// Logic steps in one minute of the play clock.
// Kept: 6000 steps at 90 a second make the clock's minute about 67 seconds.
constexpr double kStepsPerMinute = 6000.0;

// The frame timer's real-time event: the play clock advances by the pass's
// duration in logic steps; a full minute starts the steps again from 0.
void RenderRealTime(game::World& world, double delta);

}  // namespace bv::app

#include "sim/play_clock.h"

#include <gtest/gtest.h>

#include <memory>

#include "game/world.h"

namespace bv::sim {
namespace {

// Kept: a clock minute is 6000 steps, and the excess past it is dropped.
TEST(PlayClock, StepsAddUpAndAFullMinuteStartsAgainFromZero) {
  struct Case {
    double steps;
    double delta;
    double want_steps;
    int want_minutes;
  };
  for (const Case c :
       {Case{0.0, 1.5, 1.5, 0}, Case{5998.0, 1.0, 5999.0, 0}, Case{5999.0, 1.0, 0.0, 1},
        // Kept: what runs past the minute is dropped, not carried.
        Case{5999.0, 2.0, 0.0, 1}, Case{100.0, 8000.0, 0.0, 1}}) {
    auto w = std::make_unique<game::World>();
    w->clock_steps = c.steps;
    w->clock_minutes = 3;
    AdvancePlayClock(*w, c.delta);
    EXPECT_DOUBLE_EQ(w->clock_steps, c.want_steps) << c.steps << " + " << c.delta;
    EXPECT_EQ(w->clock_minutes, 3 + c.want_minutes) << c.steps << " + " << c.delta;
  }
}

}  // namespace
}  // namespace bv::sim

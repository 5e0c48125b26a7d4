#include "media/frame_pacer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fake_clock.h"
#include "media/frame_timer.h"

namespace bv::media {
namespace {

// Sleeping moves the fake clock on.
class ClockSleeper final : public Sleeper {
 public:
  explicit ClockSleeper(FakeClock& clock) : clock_(clock) {}
  void Sleep(double seconds) override {
    slept.push_back(seconds);
    clock_.AdvanceMicros(static_cast<int64_t>(std::llround(seconds * 1e6)));
  }
  std::vector<double> slept;

 private:
  FakeClock& clock_;
};

// The program's loop in short: a pass of the timer that costs `work_us`,
// then the pacer's wait; for `seconds` of the fake clock.
struct Loop {
  FakeClock clock;
  ClockSleeper sleeper{clock};
  FrameTimer timer{clock};
  FramePacer pacer{clock, sleeper};
  long passes = 0;
  long steps = 0;
  long frames = 0;

  Loop() {
    timer.set_fps(90);
    timer.set_may_process(true);
    timer.set_may_render(true);
    timer.set_may_real_time(true);
    timer.set_on_process([this] { ++steps; });
    timer.set_on_render([this] { ++frames; });
  }
  void Run(double seconds, int64_t work_us) {
    const int64_t end = static_cast<int64_t>(seconds * 1e6);
    for (int64_t t = 0; t < end;) {
      const int64_t before = clock.Counter();
      timer.Pass();
      clock.AdvanceMicros(work_us);
      pacer.Wait();
      ++passes;
      t += clock.Counter() - before;
    }
  }
};

TEST(FramePacer, HoldsTheLoopToTheCapWhileLogicKeepsNinetySteps) {
  for (int cap : {60, 144, 30}) {
    Loop loop;
    loop.pacer.set_rate(cap);
    loop.Run(10.0, 1000);
    EXPECT_NEAR(loop.passes, 10 * cap, 2) << cap;
    EXPECT_NEAR(loop.steps, 900, 4) << cap;  // within a pass's steps
    EXPECT_NEAR(loop.timer.frame_rate(), cap, 1) << cap;
  }
}

TEST(FramePacer, CapHoldsWithoutFocusWhenNothingIsDrawn) {
  Loop loop;
  loop.pacer.set_rate(60);
  loop.timer.AppDeactivate();
  loop.Run(5.0, 50);
  EXPECT_EQ(loop.frames, 0);
  EXPECT_NEAR(loop.passes, 300, 2);
  EXPECT_NEAR(loop.steps, 450, 2);
  loop.timer.AppActivate();
  loop.Run(1.0, 50);
  EXPECT_NEAR(loop.timer.frame_rate(), 60, 1) << "the FPS line reads real passes";
}

TEST(FramePacer, RateZeroNeverSleeps) {
  Loop loop;
  loop.pacer.set_rate(0);
  loop.Run(1.0, 500);
  EXPECT_TRUE(loop.sleeper.slept.empty());
  EXPECT_EQ(loop.passes, 2000);
  EXPECT_NEAR(loop.steps, 90, 1);
}

TEST(FramePacer, APassSlowerThanTheSlotIsNotMadeUpLater) {
  Loop loop;
  loop.pacer.set_rate(100);
  loop.Run(0.1, 1000);
  loop.sleeper.slept.clear();
  // A 50 ms stall, then quick passes: no burst of unslept passes after it.
  loop.clock.AdvanceMicros(50000);
  loop.pacer.Wait();
  loop.clock.AdvanceMicros(1000);
  loop.pacer.Wait();
  ASSERT_EQ(loop.sleeper.slept.size(), 1u);
  EXPECT_NEAR(loop.sleeper.slept[0], 0.009, 1e-6);
}

TEST(FramePacer, ASlowVsyncPassNeedsNoSleep) {
  Loop loop;
  loop.pacer.set_rate(60);
  // Presenting waited for the display already: each pass takes a whole slot.
  loop.Run(1.0, 16667);
  for (double s : loop.sleeper.slept) EXPECT_LT(s, 0.0005);
}

}  // namespace
}  // namespace bv::media

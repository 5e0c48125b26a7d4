#include "media/frame_timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/fake_clock.h"

namespace bv::media {
namespace {

// The main window's timer: 90 steps per second, every event on.
struct TimerRig {
  explicit TimerRig(int64_t frequency = 1000000) : clock(frequency), timer(clock) {
    timer.set_fps(90);
    timer.set_may_process(true);
    timer.set_may_render(true);
    timer.set_may_real_time(true);
    timer.set_on_process([this] { ++steps; });
    timer.set_on_render([this] { ++frames; });
    timer.set_on_real_time([this](double d) { deltas.push_back(d); });
  }
  // One pass after us microseconds; returns the logic steps it ran.
  int PassAfter(int64_t us) {
    clock.AdvanceMicros(us);
    int before = steps;
    timer.Pass();
    return steps - before;
  }

  FakeClock clock;
  FrameTimer timer;
  int steps = 0;
  int frames = 0;
  std::vector<double> deltas;
};

TEST(FrameTimer, StartsWithTheComponentDefaults) {
  FakeClock clock;
  FrameTimer timer(clock);
  EXPECT_EQ(timer.fps(), 60);
  EXPECT_FALSE(timer.may_process());
  EXPECT_FALSE(timer.may_render());
  EXPECT_FALSE(timer.may_real_time());
  EXPECT_EQ(timer.frame_rate(), 0);
  EXPECT_EQ(timer.measuring_window(), 30);
}

TEST(FrameTimer, FpsOutsideOneTo240IsIgnored) {
  FakeClock clock;
  FrameTimer timer(clock);
  for (int bad : {0, 241, -5}) {
    timer.set_fps(bad);
    EXPECT_EQ(timer.fps(), 60) << bad;
  }
  timer.set_fps(1);
  EXPECT_EQ(timer.fps(), 1);
  timer.set_fps(240);
  EXPECT_EQ(timer.fps(), 240);
}

TEST(FrameTimer, EventsComeInPassOrder) {
  FakeClock clock;
  FrameTimer timer(clock);
  std::vector<std::string> log;
  timer.set_fps(90);
  timer.set_may_process(true);
  timer.set_may_render(true);
  timer.set_may_real_time(true);
  timer.set_on_render([&] { log.push_back("render"); });
  timer.set_on_real_time([&](double) { log.push_back("realtime"); });
  timer.set_on_process([&] { log.push_back("process"); });
  timer.set_on_app_idle([&] { log.push_back("idle"); });
  clock.AdvanceMicros(1000000 / 30);  // 3 steps owed
  timer.Pass();
  EXPECT_EQ(log, (std::vector<std::string>{"render", "realtime", "process", "process", "process",
                                           "idle"}));
}

TEST(FrameTimer, NothingHappensWhileEverySwitchIsOff) {
  FakeClock clock;
  FrameTimer timer(clock);
  int events = 0;
  timer.set_on_render([&] { ++events; });
  timer.set_on_process([&] { ++events; });
  timer.set_on_app_idle([&] { ++events; });
  for (int i = 0; i < 100; ++i) {
    clock.AdvanceMicros(10000);
    timer.Pass();
  }
  EXPECT_EQ(events, 0);
  EXPECT_EQ(timer.frame_rate(), 0);
}

TEST(FrameTimer, SwitchesGateTheirOwnEvents) {
  TimerRig rig;
  rig.timer.set_may_render(false);
  rig.timer.set_may_real_time(false);
  EXPECT_EQ(rig.PassAfter(1000000 / 45), 2);
  EXPECT_EQ(rig.frames, 0);
  EXPECT_TRUE(rig.deltas.empty());
  // Without MayProcess the owed steps are still taken off, not saved up.
  rig.timer.set_may_real_time(true);
  rig.timer.set_may_process(false);
  EXPECT_EQ(rig.PassAfter(1000000 / 45), 0);
  rig.timer.set_may_process(true);
  EXPECT_EQ(rig.PassAfter(1000000 / 90), 1);
}

struct SteadyCase {
  int passes_per_second;
  std::vector<int> steps;
  double delta;
};

TEST(FrameTimer, SteadyPassRatesRunTheOwedSteps) {
  const SteadyCase cases[] = {
      {180, {0, 1, 0, 1, 0, 1}, 0.5},
      {60, {1, 2, 1, 2, 1, 2}, 1.5},
      {90, {1, 1, 1, 1, 1, 1}, 1.0},
      {30, {3, 3, 3, 3, 3, 3}, 3.0},
  };
  for (const SteadyCase& c : cases) {
    TimerRig rig;
    std::vector<int> got;
    for (size_t i = 0; i < c.steps.size(); ++i) {
      got.push_back(rig.PassAfter(1000000 / c.passes_per_second));
    }
    EXPECT_EQ(got, c.steps) << c.passes_per_second;
    for (double d : rig.deltas) EXPECT_DOUBLE_EQ(d, c.delta) << c.passes_per_second;
    EXPECT_EQ(rig.deltas.size(), c.steps.size());
    EXPECT_EQ(rig.frames, static_cast<int>(c.steps.size()));
  }
}

TEST(FrameTimer, AStallOwesAtMostEightSteps) {
  TimerRig rig;
  EXPECT_EQ(rig.PassAfter(200000), 8);  // rate 5 would owe 18
  ASSERT_EQ(rig.deltas.size(), 1u);
  EXPECT_DOUBLE_EQ(rig.deltas[0], 18.0);  // the elapsed time itself is reported whole
  // Nothing is carried over: the next half step runs nothing.
  EXPECT_EQ(rig.PassAfter(1000000 / 180), 0);
  EXPECT_EQ(rig.PassAfter(1000000 / 180), 1);
}

TEST(FrameTimer, AStallOfTwoSecondsOrMoreRunsOneStepAndNoRealTime) {
  for (int64_t us : {2000000LL, 3000000LL, 60000000LL}) {
    TimerRig rig;
    rig.PassAfter(1000000 / 180);  // leaves half a step owed
    rig.deltas.clear();
    EXPECT_EQ(rig.PassAfter(us), 1) << us;
    EXPECT_TRUE(rig.deltas.empty()) << us;
    EXPECT_EQ(rig.frames, 2) << us;
    // The accumulator was set to exactly one, so nothing is left over.
    EXPECT_EQ(rig.PassAfter(1000000 / 180), 0) << us;
  }
  // Just under two seconds still measures rate 1 and owes the capped eight.
  TimerRig rig;
  EXPECT_EQ(rig.PassAfter(1900000), 8);
  EXPECT_EQ(rig.deltas.size(), 1u);
}

TEST(FrameTimer, MillisecondSourceBelowOneMillisecondRunsNoStep) {
  TimerRig rig(/*frequency=*/0);
  for (int i = 0; i < 1000; ++i) EXPECT_EQ(rig.PassAfter(0), 0) << i;
  ASSERT_EQ(rig.deltas.size(), 1000u);
  EXPECT_DOUBLE_EQ(rig.deltas[0], 90.0 / 2147483647.0);
  // The crumbs add up to far less than a step.
  EXPECT_EQ(rig.PassAfter(50000), 4);  // 4.5 steps and the crumbs
}

TEST(FrameTimer, MillisecondSourceMeasuresWholeMilliseconds) {
  TimerRig rig(/*frequency=*/0);
  EXPECT_EQ(rig.PassAfter(10900), 0);  // read as 10 ms: rate 100, 0.9 steps
  EXPECT_DOUBLE_EQ(rig.deltas.back(), 0.9);
  EXPECT_EQ(rig.PassAfter(10000), 1);
}

TEST(FrameTimer, MillisecondTickWrapReadsAsAShortPass) {
  TimerRig rig(/*frequency=*/0);
  rig.clock.set_ticks(0xFFFFFFF0u);
  rig.timer.Pass();  // re-reads the tick
  rig.deltas.clear();
  rig.PassAfter(32000);  // crosses the wrap
  ASSERT_EQ(rig.deltas.size(), 1u);
  EXPECT_NEAR(rig.deltas[0], 90.0 / 31, 1e-9);  // round(1000 / 32) = 31
}

TEST(FrameTimer, FrameRateIsZeroUntilThe31stPass) {
  TimerRig rig;
  for (int i = 0; i < 30; ++i) {
    rig.PassAfter(10000);
    EXPECT_EQ(rig.timer.frame_rate(), 0) << i;
  }
  rig.PassAfter(10000);
  EXPECT_EQ(rig.timer.frame_rate(), 100);  // 31 passes in 310 ms
}

TEST(FrameTimer, FrameRateIsZeroWhenNoMillisecondPassed) {
  TimerRig rig;
  for (int i = 0; i < 31; ++i) rig.PassAfter(10);
  EXPECT_EQ(rig.timer.frame_rate(), 0);
  EXPECT_EQ(rig.timer.measuring_window(), 19);
}

struct WindowCase {
  int ms_for_31_passes;
  int frame_rate;
  int next_window;
};

TEST(FrameTimer, TheMeasuredRateChoosesTheNextWindow) {
  const WindowCase cases[] = {
      {1550, 20, 19}, {1476, 21, 29}, {705, 44, 29},   {689, 45, 59},   {477, 65, 59},
      {470, 66, 74},  {310, 100, 74}, {307, 101, 200}, {124, 250, 200}, {123, 252, 500},
  };
  for (const WindowCase& c : cases) {
    TimerRig rig;
    for (int i = 0; i < 30; ++i) rig.PassAfter(0);
    rig.PassAfter(c.ms_for_31_passes * 1000LL);
    EXPECT_EQ(rig.timer.frame_rate(), c.frame_rate) << c.ms_for_31_passes;
    EXPECT_EQ(rig.timer.measuring_window(), c.next_window) << c.ms_for_31_passes;
    // The next measurement comes after window + 1 passes.
    for (int i = 0; i < c.next_window; ++i) rig.PassAfter(1000);
    EXPECT_EQ(rig.timer.frame_rate(), c.frame_rate) << c.ms_for_31_passes;
    rig.PassAfter(1000);
    EXPECT_EQ(rig.timer.frame_rate(), 1000) << c.ms_for_31_passes;
  }
}

TEST(FrameTimer, LosingTheFocusStopsDrawingOnly) {
  TimerRig rig;
  int deactivations = 0, activations = 0;
  rig.timer.set_on_app_deactivate([&] { ++deactivations; });
  rig.timer.set_on_app_activate([&] { ++activations; });
  rig.timer.AppDeactivate();
  EXPECT_FALSE(rig.timer.may_render());
  EXPECT_EQ(deactivations, 1);
  EXPECT_EQ(rig.PassAfter(1000000 / 45), 2);
  EXPECT_EQ(rig.frames, 0);
  EXPECT_EQ(rig.deltas.size(), 1u);
  rig.timer.AppActivate();
  EXPECT_TRUE(rig.timer.may_render());
  EXPECT_EQ(activations, 1);
  rig.PassAfter(1000000 / 45);
  EXPECT_EQ(rig.frames, 1);
}

TEST(FrameTimer, RenderSwitchAssignmentsWhileSuspended) {
  // Switching on while suspended is ignored; drawing resumes at activation.
  {
    TimerRig rig;
    rig.timer.AppDeactivate();
    rig.timer.set_may_render(true);
    EXPECT_FALSE(rig.timer.may_render());
    rig.timer.AppActivate();
    EXPECT_TRUE(rig.timer.may_render());
  }
  // Switching off while suspended cancels the resumption.
  {
    TimerRig rig;
    rig.timer.AppDeactivate();
    rig.timer.set_may_render(false);
    rig.timer.AppActivate();
    EXPECT_FALSE(rig.timer.may_render());
  }
  // Drawing that was off before the focus loss stays off after it.
  {
    TimerRig rig;
    rig.timer.set_may_render(false);
    rig.timer.AppDeactivate();
    rig.timer.AppActivate();
    EXPECT_FALSE(rig.timer.may_render());
    rig.timer.set_may_render(true);
    EXPECT_TRUE(rig.timer.may_render());
  }
  // A second deactivation does not lose the first one's mark.
  {
    TimerRig rig;
    rig.timer.AppDeactivate();
    rig.timer.AppDeactivate();
    rig.timer.AppActivate();
    EXPECT_TRUE(rig.timer.may_render());
  }
}

}  // namespace
}  // namespace bv::media

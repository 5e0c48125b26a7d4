#include "net/rollback.h"

#include <gtest/gtest.h>

#include "net/net_harness.h"

namespace bv::net::test {
namespace {

class Collect final : public ConfirmedSteps {
 public:
  void Started(const replay::Header&, const replay::ReplayOptions&, const game::World&) override {}
  void Confirmed(const ConfirmedStep& step, const game::World& after) override {
    steps.push_back(step.step);
    frames.push_back(step.frame);
    for (const StepEvent& e : *step.events) sounds += e.kind == StepEvent::Kind::kSound;
    last_hash = sim::WorldHash(after);
  }
  std::vector<uint32_t> steps;
  std::vector<sim::InputFrame> frames;
  int sounds = 0;
  uint64_t last_hash = 0;
};

replay::Header HeaderOf(const Welcome& w) {
  replay::Header h;
  h.rules_version = sim::kRulesVersion;
  h.seed = w.seed;
  h.level_number = w.level_number;
  h.transition = w.transition;
  h.two_players = w.two_players;
  return h;
}

TEST(Rollback, LateKeysThatDifferRunTheStepsAgainSilentlyAndConfirmOnce) {
  constexpr uint32_t kSteps = 400;
  const Welcome start = ArenaStart(0);
  game::MemoryLevelStore levels;
  PutArena(levels);
  CountingSounds live;
  Rollback r(0, levels, live);
  Collect seen;
  r.set_observer(&seen);
  r.Start(HeaderOf(start), start.options);
  // The remote keys come in bursts of eight, always late.
  int played_by_reruns = 0;
  for (uint32_t s = 0; s < kSteps; ++s) {
    ASSERT_TRUE(r.CanStep());
    r.Step(BothFrames(s));  // the remote player's bits are not ours to give
    if (s % 8 == 7) {
      for (uint32_t t = s - 7; t <= s; ++t) r.AddRemote(t, BothFrames(t));
      const int before = live.played;
      r.Settle();
      played_by_reruns += live.played - before;
    }
  }
  EXPECT_EQ(played_by_reruns, 0);
  EXPECT_GT(r.rollbacks(), 0u);
  ASSERT_EQ(seen.steps.size(), kSteps);
  for (uint32_t s = 0; s < kSteps; ++s) {
    ASSERT_EQ(seen.steps[s], s);
    ASSERT_EQ(seen.frames[s], BothFrames(s));
  }
  const LocalRun local = RunLocally(start, kSteps);
  EXPECT_EQ(seen.last_hash, local.hash);
  EXPECT_EQ(sim::WorldHash(r.confirmed_world()), local.hash);
  // The confirmed steps' sounds are exactly the local run's.
  EXPECT_EQ(seen.sounds, local.sounds);
}

TEST(Rollback, KnownFramesAreCheckedAndFarOnesRefused) {
  const Welcome start = ArenaStart(0);
  game::MemoryLevelStore levels;
  PutArena(levels);
  CountingSounds live;
  Rollback r(1, levels, live);
  r.Start(HeaderOf(start), start.options);
  EXPECT_EQ(r.AddRemote(0, 0x01), Rollback::Added::kNew);
  EXPECT_EQ(r.AddRemote(0, 0x01), Rollback::Added::kKnown);
  EXPECT_EQ(r.AddRemote(0, 0x02), Rollback::Added::kConflict);
  EXPECT_EQ(r.AddRemote(Rollback::kRemoteWindow + 1, 0), Rollback::Added::kOutOfWindow);
  EXPECT_EQ(r.remote_known(), 1u);
  // The guest's own keys are player 2's: player 1's bits it sets are dropped.
  r.Step(0x0FFF);
  EXPECT_EQ(r.local_frame(0), 0x0FC0);
}

}  // namespace
}  // namespace bv::net::test

// Watching a replay: speeds, pause, single steps and jumps reach the same
// worlds as playing straight through.

#include <gtest/gtest.h>

#include <string>

#include "game/level_store.h"
#include "game/sound_slots.h"
#include "sim/world_hash.h"
#include "tools/replay/playback.h"

namespace bv::replay_tool {
namespace {

class CountingSounds final : public game::SoundPlayer {
 public:
  void Play(game::SoundSlot, int) override { ++played; }
  int played = 0;
};

class PlaybackTest : public ::testing::Test {
 protected:
  // A golden replay with gunfire from its first seconds.
  replay::ReplayFile file =
      replay::ReplayFile::Load(std::string(BV_SOURCE_DIR) + "/tests/replays/deathmatch.bvr");
  game::FileLevelStore levels{BV_BUILD_DIR};
  CountingSounds sounds;
};

TEST_F(PlaybackTest, RealSpeedRunsNinetyStepsASecondAndTheSpeedsScaleIt) {
  Playback p(file, levels, sounds);
  EXPECT_EQ(p.speed(), 1.0);
  int run = 0;
  for (int i = 0; i < 60; ++i) run += p.Advance(1.0 / 60);
  EXPECT_NEAR(run, 90, 1);
  p.Faster();
  p.Faster();
  EXPECT_EQ(p.speed(), 4.0);
  run = 0;
  for (int i = 0; i < 60; ++i) run += p.Advance(1.0 / 60);
  EXPECT_NEAR(run, 360, 1);
  for (int i = 0; i < 10; ++i) p.Faster();
  EXPECT_EQ(p.speed(), 8.0);
  for (int i = 0; i < 10; ++i) p.Slower();
  EXPECT_EQ(p.speed(), 0.25);
  // A stalled window owes a quarter of a second at most.
  EXPECT_LE(p.Advance(30.0), 6);
}

TEST_F(PlaybackTest, PausedNothingRunsButASingleStep) {
  Playback p(file, levels, sounds);
  p.TogglePause();
  EXPECT_EQ(p.Advance(1.0), 0);
  p.StepOnce();
  p.StepOnce();
  EXPECT_EQ(p.step(), 2u);
  EXPECT_TRUE(p.paused());
  p.TogglePause();
  EXPECT_GT(p.Advance(0.5), 0);
}

TEST_F(PlaybackTest, JumpsBackAndOnReachTheWorldOfAStraightRun) {
  Playback straight(file, levels, sounds);
  straight.JumpTo(3000);
  const uint64_t at_3000 = sim::WorldHash(straight.world());

  Playback p(file, levels, sounds);
  p.JumpTo(3500);
  EXPECT_EQ(p.step(), 3500u);
  p.JumpTo(3000);  // back: played again from the start
  EXPECT_EQ(p.step(), 3000u);
  EXPECT_EQ(sim::WorldHash(p.world()), at_3000);
  EXPECT_EQ(sounds.played, 0);  // jumps are silent
  EXPECT_FALSE(p.divergence());

  p.JumpTo(1u << 30);  // past the end: the end
  EXPECT_TRUE(p.at_end());
  EXPECT_EQ(p.step(), file.steps());
  EXPECT_EQ(sim::WorldHash(p.world()), file.last_hash());
  EXPECT_NE(p.Status().find("end"), std::string::npos);
}

TEST_F(PlaybackTest, SoundsAreHeardAtRealSpeedAndNotFastForward) {
  Playback p(file, levels, sounds);
  p.JumpTo(400);
  while (p.step() < 1400) p.Advance(1.0 / 60);
  const int heard = sounds.played;
  EXPECT_GT(heard, 0);
  p.Faster();
  while (p.step() < 2400) p.Advance(1.0 / 60);
  EXPECT_EQ(sounds.played, heard);
}

}  // namespace
}  // namespace bv::replay_tool

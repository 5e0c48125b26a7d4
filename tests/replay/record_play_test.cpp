// A game recorded as the program plays it (frame timer, passes of every
// length, keys, options changes) plays back to the same world, step by step.

#include <gtest/gtest.h>

#include "game/phases.h"
#include "replay_harness.h"

namespace bv::replay::test {
namespace {

using game::KeyTable;

// Passes of 60, 144 and 1000 a second, a 200 ms stall and a 3 s one.
const std::vector<int64_t> kMixedPasses = {16667, 6944,    1000, 16667, 200000,
                                           16667, 3000000, 1000, 11111, 5000};

// The scripted player: Escape in the intro, then over the one-player pad
// into level 1, walking east for both CDs and firing now and then.
void Script(RecordedGame& g, long tick) {
  KeyTable& k = g.keys;
  const auto& codes = g.world->key_codes;
  k.Clear();
  if (tick == 5) k.Set(game::kKeyEscape, true);
  if (tick > 240 && tick < 1400) k.Set(codes[3], true);     // right
  if (tick % 50 < 10 && tick > 600) k.Set(codes[4], true);  // attack
  if (tick > 900 && tick < 960) k.Set(codes[0], true);      // up
}

TEST(RecordPlay, AGameWithEveryKindOfPassPlaysBackToTheSameWorld) {
  RecordedGame g;
  g.before_tick = [&g](long t) { Script(g, t); };
  g.Start();
  g.RunUntil(1800, kMixedPasses);
  g.Finish();
  ASSERT_FALSE(g.writer.failed()) << g.writer.error();
  // The pad started the campaign and both CDs won it.
  EXPECT_EQ(g.world->center_message, "Wygrana");

  const ReplayFile file = ReplayFile::FromBytes(g.sink.bytes);
  EXPECT_TRUE(file.finished());
  EXPECT_EQ(file.steps(), static_cast<uint32_t>(g.ticks));
  Playback p(file);
  EXPECT_EQ(p.PlayAll(), static_cast<uint32_t>(g.ticks));
  EXPECT_FALSE(p.player.divergence()) << p.player.divergence()->reason;
  EXPECT_EQ(sim::WorldHash(*p.world), sim::WorldHash(*g.world));
  EXPECT_EQ(p.world->clock_steps, g.world->clock_steps);
  // A hash at least once a second of play, and the last one.
  EXPECT_GE(p.player.checks(), g.ticks / 90 + 1);
  EXPECT_EQ(file.last_hash(), sim::WorldHash(*g.world));
}

// The options window between steps: opened by the menu pad, edited while
// shown (difficulty, keys swapped, level list), closed with a mirror.
TEST(RecordPlay, OptionsChangesReachThePlaybackAtTheirStep) {
  RecordedGame g;
  bv::test::LevelBuilder menu;
  menu.Entity(10, 10, game::kPlayer1Start);
  menu.Object(12, 10, game::obj::kMenuOptions);
  menu.Object(10, 12, game::obj::kMenuOne);
  menu.Put(g.levels, game::MenuLevelPath());
  long closed_at = -1;
  g.before_tick = [&](long t) {
    g.keys.Clear();
    if (t == 3) g.keys.Set(game::kKeyEscape, true);
    if (t > 240 && t < 300) g.keys.Set(g.world->key_codes[3], true);
    if (g.options.options_visible() && t > 400 && closed_at < 0) {
      // The player swapped the up and down keys and chose difficulty 6.
      g.options.set_difficulty(6);
      std::swap(g.world->key_codes[0], g.world->key_codes[1]);
      g.world->hud_alpha = 30;
      g.options.set_options_visible(false);
      closed_at = t;
    }
    // With up and down swapped, "down" walks onto the one-player pad below.
    if (closed_at > 0 && t > closed_at + 10) g.keys.Set(g.world->key_codes[1], true);
  };
  g.Start();
  g.RunUntil(1200, {11111});
  g.Finish();
  ASSERT_GT(closed_at, 0);
  EXPECT_EQ(g.world->level_number, 1);

  const ReplayFile file = ReplayFile::FromBytes(g.sink.bytes);
  Playback p(file);
  p.levels = g.levels;
  p.PlayAll();
  EXPECT_FALSE(p.player.divergence()) << p.player.divergence()->reason;
  EXPECT_EQ(sim::WorldHash(*p.world), sim::WorldHash(*g.world));
  EXPECT_EQ(p.options.difficulty(), 6);
  EXPECT_EQ(p.world->hud_alpha, 30);
}

// A key source whose second read in a step finds other keys than the first
// (the intro reads the keyboard twice): the replay keeps both.
class SecondReadDiffers final : public game::KeySource {
 public:
  int32_t Update() override {
    ++reads;
    return 0;
  }
  bool KeyDown(uint8_t code) const override { return code == game::kKeyEscape && reads % 2 == 0; }
  int reads = 0;
};

TEST(RecordPlay, ASecondKeyReadInOneStepIsKeptWhenItDiffers) {
  RecordedGame g;
  SecondReadDiffers source;
  g.timer.set_on_process([&] {
    game::KeySource& read = g.recorder.BeforeStep(source);
    sim::RunTick(*g.world, sim::TickServices{read, g.sounds, g.options, g.host, g.levels});
    g.recorder.AfterStep();
    ++g.ticks;
  });
  g.Start();
  g.RunUntil(3, {11111});
  g.Finish();
  // Escape was seen only by the intro's second read: the intro ended.
  EXPECT_GE(g.world->transition, game::kLevelChangeStart);

  const ReplayFile file = ReplayFile::FromBytes(g.sink.bytes);
  Playback p(file);
  p.PlayAll();
  EXPECT_FALSE(p.player.divergence());
  EXPECT_EQ(p.world->transition, g.world->transition);
  EXPECT_EQ(sim::WorldHash(*p.world), sim::WorldHash(*g.world));
}

TEST(RecordPlay, OtherLevelFilesAreNamedAtTheStepTheLevelWasSetUp) {
  RecordedGame g;
  g.before_tick = [&g](long t) { Script(g, t); };
  g.Start();
  g.RunUntil(400, {11111});
  g.Finish();
  const ReplayFile file = ReplayFile::FromBytes(g.sink.bytes);
  Playback p(file);
  bv::test::LevelBuilder other;
  other.Entity(11, 11, game::kPlayer1Start);
  other.Put(p.levels, game::CampaignLevelPath("Mala", 1));
  p.PlayAll();
  ASSERT_TRUE(p.player.divergence());
  // Escape at tick 5 (the 6th step): the menu is set up in step 6 + 112, the
  // pad is reached at once and level 1 is set up 113 steps after that.
  const uint32_t menu_setup = 6 + 112;
  EXPECT_GT(p.player.divergence()->step, menu_setup);
  EXPECT_NE(p.player.divergence()->reason.find("replay diverged at step "), std::string::npos);
  EXPECT_NE(p.player.divergence()->reason.find("level"), std::string::npos)
      << p.player.divergence()->reason;
}

TEST(RecordPlay, AnotherSeedDivergesAtTheFirstHash) {
  RecordedGame g;
  g.before_tick = [&g](long t) { Script(g, t); };
  g.Start();
  g.RunUntil(1800, {11111});
  g.Finish();
  std::vector<uint8_t> bytes = g.sink.bytes;
  const ReplayFile file = ReplayFile::FromBytes(bytes);
  Header h = file.header();
  h.seed += 1;
  const auto head = EncodeHeader(h);
  std::copy(head.begin(), head.end(), bytes.begin());
  const ReplayFile other = ReplayFile::FromBytes(bytes);
  Playback p(other);
  p.PlayAll();
  ASSERT_TRUE(p.player.divergence());
  // The random state is part of the hash: the start itself differs.
  EXPECT_EQ(p.player.divergence()->step, 0u);
  EXPECT_EQ(p.player.divergence()->reason.rfind("replay diverged at step 0", 0), 0u);
}

// A recording stopped without its end (the game was killed) is still a
// replay of every step that reached the file.
TEST(RecordPlay, AnUnfinishedRecordingPlaysTheStepsItHolds) {
  RecordedGame g;
  g.before_tick = [&g](long t) { Script(g, t); };
  g.Start();
  g.RunUntil(1000, {16667});
  const ReplayFile file = ReplayFile::FromBytes(g.sink.bytes);
  EXPECT_FALSE(file.finished());
  // At most a second of play is missing.
  EXPECT_GE(file.steps() + Recorder::kStepsPerChunk, static_cast<uint32_t>(g.ticks));
  Playback p(file);
  EXPECT_EQ(p.PlayAll(), file.steps());
  EXPECT_FALSE(p.player.divergence());
  EXPECT_EQ(sim::WorldHash(*p.world), file.last_hash());
}

TEST(RecordPlay, RecordingChangesNothingTheGameDoes) {
  RecordedGame recorded;
  recorded.before_tick = [&recorded](long t) { Script(recorded, t); };
  recorded.Start();
  recorded.RunUntil(1500, kMixedPasses);

  // The same game without a recorder in the way.
  RecordedGame plain;
  plain.before_tick = [&plain](long t) { Script(plain, t); };
  plain.timer.set_on_real_time([&plain](double d) { sim::AdvancePlayClock(*plain.world, d); });
  plain.timer.set_on_process([&plain] {
    plain.before_tick(plain.ticks);
    sim::RunTick(*plain.world, sim::TickServices{plain.keys, plain.sounds, plain.options,
                                                 plain.host, plain.levels});
    ++plain.ticks;
  });
  plain.RunUntil(1500, kMixedPasses);
  EXPECT_EQ(sim::WorldHash(*plain.world), sim::WorldHash(*recorded.world));
}

}  // namespace
}  // namespace bv::replay::test

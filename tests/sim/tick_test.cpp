#include "sim/tick.h"

#include "game/paths.h"
#include "sim_harness.h"

namespace bv::sim {
namespace {

using game::SetupStatus;
using game::SoundSlot;

class TickTest : public SimTest {
 protected:
  void WriteMenu() { OpenLevel().Put(levels, MenuFile()); }
};

// Intro and level change.

TEST_F(TickTest, IntroCountsUpAndEscapeSkipsItToTheMenuLevel) {
  WriteMenu();
  ASSERT_EQ(world->transition, -2070);
  Tick(2);
  EXPECT_EQ(world->transition, -2068);
  HoldKey(game::kKeyEscape);
  Tick();
  EXPECT_EQ(world->transition, 0);
  ReleaseAll();
  Tick(112);
  EXPECT_TRUE(host.setups.empty());
  Tick();
  ASSERT_EQ(host.setups.size(), 1u);
  EXPECT_EQ(host.setups[0], std::make_pair(0, SetupStatus::kLoaded));
  EXPECT_EQ(sounds.played.size(), 0u);
}

TEST_F(TickTest, LevelChangeSetsUpInTick113AndPlayStartsInTick225) {
  WriteMenu();
  world->transition = 0;
  Tick(112);
  EXPECT_TRUE(host.setups.empty());
  EXPECT_EQ(world->transition, 448);
  Tick();
  EXPECT_EQ(host.setups.size(), 1u);
  EXPECT_EQ(world->transition, 452);
  Tick(111);
  EXPECT_EQ(world->transition, 896);
  EXPECT_EQ(world->cycle100, 0);
  Tick();  // tick 225: the first of play
  EXPECT_EQ(world->cycle100, 1);
  EXPECT_EQ(world->transition, 900);
  Tick(5);
  EXPECT_EQ(world->transition, 900);
  EXPECT_EQ(world->cycle100, 6);
}

TEST_F(TickTest, EscapeDuringPlayReturnsToTheMenuExceptOnTheMenu) {
  StartLevel(OpenLevel(), 0);
  HoldKey(game::kKeyEscape);
  Tick();
  EXPECT_EQ(world->transition, 900);
  EXPECT_TRUE(sounds.played.empty());

  StartLevel(OpenLevel(), 1);
  world->center_message = "Level 1";
  world->center_message_timer = 500;
  Hold(0, Action::kRight);
  Tick();
  EXPECT_EQ(world->level_number, 0);
  EXPECT_EQ(world->transition, 4);
  EXPECT_EQ(sounds.Count(SoundSlot::kGet), 1);
  EXPECT_EQ(world->center_message, "Level 1");
  EXPECT_FLOAT_EQ(P(0).x, Centre(10) + 3);  // the rest of the player's part still ran
}

// Display counters and message timers.

TEST_F(TickTest, DisplayCountersWrap) {
  world->transition = 100;  // a level change: no play
  world->pulse_phase = 308;
  world->anim_phase = 31;
  world->cycle100 = 100;
  Tick();
  EXPECT_EQ(world->pulse_phase, 310);
  EXPECT_EQ(world->anim_phase, 32);
  EXPECT_EQ(world->cycle100, 100);  // only during play
  Tick();
  EXPECT_EQ(world->pulse_phase, 0);
  EXPECT_EQ(world->anim_phase, 0);
  StartLevel(OpenLevel());
  world->cycle100 = 100;
  Tick();
  EXPECT_EQ(world->cycle100, 0);
}

TEST_F(TickTest, MessageTimersCountDownForActivePlayersOnly) {
  StartLevel(OpenLevel());
  P(0).message_timer = 2;
  P(1).message_timer = 2;
  world->center_message_timer = 1;
  Tick(3);
  EXPECT_EQ(P(0).message_timer, 0);
  EXPECT_EQ(P(1).message_timer, 2);
  EXPECT_EQ(world->center_message_timer, 0);
}

// Level progression.

class ProgressionTest : public TickTest {
 protected:
  // Level with a CD under player 1's start.
  static test::LevelBuilder CdLevel() {
    test::LevelBuilder level = OpenLevel();
    level.Object(10, 10, game::obj::kCd);
    return level;
  }
};

TEST_F(ProgressionTest, CompletedMissionGoesToTheNextLevelFile) {
  CdLevel().Put(levels, CampaignFile(2));
  StartLevel(CdLevel(), 1);
  P(0).weapons[2].owned = 1;
  P(0).weapons[2].ammo = 33;
  Tick();
  EXPECT_EQ(world->center_message, "Level 2");
  EXPECT_EQ(world->center_message_timer, 1019);
  EXPECT_EQ(world->level_number, 2);
  EXPECT_EQ(world->transition, 4);
  EXPECT_EQ(sounds.Count(SoundSlot::kWin), 0);
  Tick(112);
  ASSERT_EQ(host.setups.size(), 1u);
  EXPECT_EQ(host.setups[0], std::make_pair(2, SetupStatus::kLoaded));
  // Level 2 carries the equipment over; the message outlives the change.
  EXPECT_EQ(P(0).weapons[2].ammo, 33);
  EXPECT_EQ(P(0).points, 50);
  EXPECT_EQ(world->center_message, "Level 2");
}

TEST_F(ProgressionTest, NoFurtherLevelFileWinsTheCampaign) {
  WriteMenu();
  StartLevel(CdLevel(), 1);
  Tick();
  EXPECT_EQ(world->center_message, "Wygrana");
  EXPECT_EQ(world->level_number, 0);
  EXPECT_EQ(sounds.Count(SoundSlot::kWin), 1);
  Tick(112);
  ASSERT_EQ(host.setups.size(), 1u);
  EXPECT_EQ(host.setups[0], std::make_pair(0, SetupStatus::kLoaded));
}

TEST_F(ProgressionTest, CustomLevelEndsWithWygrana) {
  options.set_level_source(settings::LevelSource::kCustom);
  options.set_level_list({"Moja"});
  CdLevel().Put(levels, game::CustomLevelPath("Moja"));
  CdLevel().Put(levels, CampaignFile(2));  // another campaign's level 2 does not count
  world->level_number = 1;
  ASSERT_EQ(game::SetupLevel(*world, options, levels, 1, 0).status, SetupStatus::kLoaded);
  world->transition = game::kPlaySteady;
  Tick();
  EXPECT_EQ(world->center_message, "Wygrana");
}

// A level file that cannot be read.

TEST_F(ProgressionTest, UnreadableLevelFallsBackToTheMenuWithAMessage) {
  WriteMenu();
  options.set_level_list({"Brak"});  // no such campaign folder
  world->level_number = 1;
  world->transition = 0;
  Tick(113);
  ASSERT_EQ(host.setups.size(), 2u);
  EXPECT_EQ(host.setups[0], std::make_pair(1, SetupStatus::kFileError));
  EXPECT_EQ(host.setups[1], std::make_pair(0, SetupStatus::kLoaded));
  EXPECT_EQ(world->level_number, 0);
  EXPECT_EQ(world->center_message,
            std::string("Nie mozna wczytac poziomu: Brak 1"));
  EXPECT_EQ(world->center_message_timer, 1020);
  EXPECT_EQ(P(0).x, Centre(10));
  Tick(112);
  EXPECT_EQ(world->transition, 900);
  EXPECT_EQ(host.setups.size(), 2u);
}

TEST_F(ProgressionTest, UnreadableMenuLevelIsNotRetried) {
  world->transition = 0;
  Tick(113);
  ASSERT_EQ(host.setups.size(), 1u);
  EXPECT_EQ(host.setups[0], std::make_pair(0, SetupStatus::kFileError));
  EXPECT_EQ(world->center_message, std::string("Nie mozna wczytac poziomu: menu"));
  Tick(200);
  EXPECT_EQ(host.setups.size(), 1u);
  EXPECT_EQ(world->transition, 900);
}

TEST_F(ProgressionTest, BothFilesUnreadableNameTheMenuLevel) {
  options.set_level_list({"Brak"});
  world->level_number = 1;
  world->transition = 448;
  Tick();
  ASSERT_EQ(host.setups.size(), 2u);
  EXPECT_EQ(world->center_message, std::string("Nie mozna wczytac poziomu: menu"));
  EXPECT_EQ(world->level_number, 0);
  EXPECT_EQ(world->transition, 452);
}

}  // namespace
}  // namespace bv::sim

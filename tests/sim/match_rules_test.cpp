#include "sim/match_rules.h"

#include "sim_harness.h"

namespace bv::sim {
namespace {

using game::SoundSlot;

class MatchRulesTest : public SimTest {
 protected:
  // Two players 100 pixels apart, within the Desert Eagle's reach.
  void StartMatch(uint8_t mode) {
    StartLevel(OpenLevel(), 1, 1, mode);
    PlaceAtCell(1, 10, 12);
  }
};

// Deathmatch.

TEST_F(MatchRulesTest, RivalReachNeedsRangeAndSight) {
  StartMatch(1);
  Tick();
  EXPECT_EQ(P(0).target_player, 1);
  EXPECT_EQ(P(1).target_player, 1);
  Cell(10, 11).object = 1;
  Tick();
  EXPECT_EQ(P(0).target_player, -1);
  EXPECT_EQ(P(1).target_player, -1);
  Cell(10, 11).object = 0;
  P(0).weapon = 0;  // the chainsaw reaches 60 pixels
  Tick();
  EXPECT_EQ(P(0).target_player, -1);
  EXPECT_EQ(P(1).target_player, 1);
}

// Kept: the rival's reach is found after the shots of the tick.
TEST_F(MatchRulesTest, ShotInTheTickTheRivalComesIntoReachMisses) {
  StartMatch(1);
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(P(1).health, 255);
  EXPECT_EQ(P(0).weapons[1].ammo, 99);
  Tick(40);
  EXPECT_EQ(P(1).health, 255 - 10);  // Deathmatch damage: 30 - 5 * 4
}

TEST_F(MatchRulesTest, FragScoresAndSendsTheRivalHome) {
  StartMatch(1);
  Tick();
  P(1).health = 5;
  P(1).points = 42;
  P(1).weapons[3].owned = 1;
  Cell(10, 14).object = 6;  // ammunition on the rival's start cell
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(P(0).kills, 1);
  EXPECT_EQ(P(0).points, 1500);
  EXPECT_EQ(P(0).target_player, -1);
  EXPECT_EQ(P(1).health, 255);
  EXPECT_EQ(P(1).x, Centre(10));
  EXPECT_EQ(P(1).y, Centre(14));
  EXPECT_EQ(P(1).points, 42 + 10);  // its recomputed cell took the ammunition this tick
  EXPECT_EQ(P(1).weapons[3].owned, 1);
  EXPECT_EQ(Cell(10, 14).object, 0);
  EXPECT_EQ(world->transition, 900);
}

TEST_F(MatchRulesTest, FragLimitWinsOnEquality) {
  options.set_frag_limit(5);
  StartMatch(1);
  ASSERT_EQ(world->mission_goal, 5);
  Tick();
  P(0).kills = 4;
  P(1).health = 1;
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(world->center_message, "Gre wygral gracz: 1");
  EXPECT_EQ(world->center_message_timer, 1019);
  EXPECT_EQ(world->level_number, 0);
  EXPECT_EQ(world->transition, 4);
  EXPECT_EQ(sounds.Count(SoundSlot::kWin), 1);
}

// Kept: only reaching the frag limit exactly wins.
TEST_F(MatchRulesTest, FragBeyondTheLimitDoesNotWin) {
  options.set_frag_limit(5);
  StartMatch(1);
  Tick();
  P(0).kills = 5;
  P(1).health = 1;
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(P(0).kills, 6);
  EXPECT_EQ(world->transition, 900);
}

TEST_F(MatchRulesTest, BothPlayersCanFragInOneTick) {
  StartMatch(1);
  Tick();
  P(0).health = 5;
  P(1).health = 5;
  Hold(0, Action::kAttack);
  Hold(1, Action::kAttack);
  Tick();
  EXPECT_EQ(P(0).kills, 1);
  EXPECT_EQ(P(1).kills, 1);
  EXPECT_EQ(P(0).health, 255);
  EXPECT_EQ(P(1).health, 255);
}

// Pointmatch.

TEST_F(MatchRulesTest, PointLimitWinsWhenReachedOrPassed) {
  options.set_point_limit(1000);
  StartMatch(2);
  ASSERT_EQ(world->mission_goal, 1000);
  P(1).points = 999;
  Tick();
  EXPECT_EQ(world->transition, 900);
  P(1).points = 1001;
  Tick();
  EXPECT_EQ(world->center_message, "Gre wygral gracz: 2");
  EXPECT_EQ(world->level_number, 0);
}

TEST_F(MatchRulesTest, BothPassingTheLimitNamesPlayerTwo) {
  options.set_point_limit(1000);
  StartMatch(2);
  P(0).points = 1000;
  P(1).points = 5000;
  Tick();
  EXPECT_EQ(world->center_message, "Gre wygral gracz: 2");
  EXPECT_EQ(sounds.Count(SoundSlot::kWin), 2);
}

TEST_F(MatchRulesTest, PointmatchShotsHitActorsNotTheRival) {
  StartMatch(2);
  const int t = AddActor(18, 12, 10);
  Tick();
  ASSERT_EQ(P(0).target_actor, t);
  EXPECT_EQ(P(0).target_player, -1);
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(A(t).hp, 50 - 30);
  EXPECT_EQ(P(1).health, 255);
}

// One player with a match mode set still plays the campaign rules.

TEST_F(MatchRulesTest, OnePlayerIgnoresTheMatchMode) {
  test::LevelBuilder level = OpenLevel();
  level.Entity(11, 10, 7);
  level.Object(20, 20, 12);
  StartLevel(level, 1, 0, 1);
  EXPECT_EQ(world->actor_count, 1);
  EXPECT_EQ(world->mission_goal, 1);
  P(0).health = 1;
  Tick();
  EXPECT_EQ(world->center_message, "Przegrana");
}

}  // namespace
}  // namespace bv::sim

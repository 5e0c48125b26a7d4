#include "sim/actors.h"

#include "sim/sight.h"
#include "sim_harness.h"

namespace bv::sim {
namespace {

using game::SoundSlot;

class ActorsTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    StartLevel(OpenLevel());
  }
};

// Activation.

TEST_F(ActorsTest, OnePlayerWakesActorsWithinSevenColumnsAndFiveRows) {
  struct Case {
    int dx, dy;
    bool active;
  };
  const Case cases[] = {{7, 0, true}, {8, 0, false}, {-7, 5, true}, {0, 6, false}, {-8, 0, false}};
  for (const Case& c : cases) {
    // A still target counts its cooldown down only when it takes a turn.
    const int i = AddActor(18, 10 + c.dx, 10 + c.dy);
    A(i).attack_cooldown = 5;
  }
  Tick();
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(A(i).attack_cooldown, cases[i].active ? 4 : 5) << cases[i].dx << "," << cases[i].dy;
  }
}

TEST_F(ActorsTest, TwoPlayersWakeActorsWithinFourColumns) {
  StartLevel(OpenLevel(), 1, 1);
  PlaceAtCell(1, 30, 30);
  const int near0 = AddActor(18, 14, 10);
  const int far0 = AddActor(18, 15, 10);
  const int near1 = AddActor(18, 26, 35);
  for (int i : {near0, far0, near1}) A(i).attack_cooldown = 5;
  Tick();
  EXPECT_EQ(A(near0).attack_cooldown, 4);
  EXPECT_EQ(A(far0).attack_cooldown, 5);
  EXPECT_EQ(A(near1).attack_cooldown, 4);
}

// Attack.

TEST_F(ActorsTest, SideBySideEnemyHitsEveryEighteenTicksWithoutStepping) {
  const int i = AddActor(3, 11, 10);
  Tick(37);
  EXPECT_EQ(P(0).health, 255 - 3 * 2);
  EXPECT_EQ(A(i).x, Centre(11));
  EXPECT_EQ(A(i).y, Centre(10));
}

TEST_F(ActorsTest, StillAttackersHitFromTwoHundredPixelsAndNeverMove) {
  const int hitter = AddActor(28, 14, 10);  // 200 pixels
  const int target = AddActor(27, 11, 10);  // still target: reach 0
  Tick(19);
  EXPECT_EQ(P(0).health, 255 - 2);
  EXPECT_EQ(A(hitter).x, Centre(14));
  EXPECT_EQ(A(target).attack_cooldown, 0);
}

TEST_F(ActorsTest, EqualDistanceTieGoesByActorIndex) {
  StartLevel(OpenLevel(), 1, 1, 2);                 // Pointmatch keeps actors
  for (int i = 0; i < 6; ++i) AddActor(3, 60, 60);  // far from both players
  Place(0, Centre(20) - 100, Centre(20));
  Place(1, Centre(20) + 100, Centre(20));
  AddActor(3, 20, 20);  // index 6, damage 2
  AddActor(4, 20, 20);  // index 7, damage 4
  Tick();
  EXPECT_EQ(P(0).health, 255 - 2);
  EXPECT_EQ(P(1).health, 255 - 4);
}

TEST_F(ActorsTest, NearerPlayerIsAttacked) {
  StartLevel(OpenLevel(), 1, 1);
  Place(0, Centre(20) - 100, Centre(20));
  Place(1, Centre(20) + 90, Centre(20));
  AddActor(3, 20, 20);
  Tick();
  EXPECT_EQ(P(0).health, 255);
  EXPECT_EQ(P(1).health, 253);
}

// Chase.

TEST_F(ActorsTest, EnemyChasesByItsStepLessOneWhenSlowed) {
  const int i = AddActor(3, 14, 10);  // 200 pixels: out of reach, within 5 cells
  Tick();
  EXPECT_EQ(A(i).x, Centre(14) - 3);
  A(i).attack_cooldown = 5;
  Tick();
  EXPECT_EQ(A(i).x, Centre(14) - 5);
  const int fast = AddActor(15, 10, 14);
  Tick();
  EXPECT_EQ(A(fast).y, Centre(14) - 5);
}

TEST_F(ActorsTest, EnemyBeyondFiveCellsWaits) {
  const int i = AddActor(3, 16, 10);  // six columns: active, but no chase
  Tick(20);
  EXPECT_EQ(A(i).x, Centre(16));
  EXPECT_EQ(P(0).health, 255);
}

TEST_F(ActorsTest, EnemyWalksAroundAWall) {
  for (int y = 9; y <= 16; ++y) Cell(12, y).object = 1;
  const int i = AddActor(3, 13, 10);
  Tick();
  EXPECT_EQ(A(i).x, Centre(13));
  EXPECT_EQ(A(i).y, Centre(10) - 3);
}

// Death.

TEST_F(ActorsTest, LossRepeatsForEveryLaterActorInTheSameTick) {
  P(0).health = 10;
  AddActor(7, 11, 10);
  AddActor(7, 10, 11);
  AddActor(7, 9, 10);
  Tick();
  // Kept: each actor's turn finds the dead player again, so the loss sound repeats.
  EXPECT_EQ(sounds.Count(SoundSlot::kLost), 3);
  EXPECT_EQ(world->center_message, "Przegrana");
  EXPECT_EQ(world->center_message_timer, 1019);  // the timer step follows the actors
  EXPECT_EQ(world->level_number, 0);
  EXPECT_EQ(world->transition, 4);
  // The level change stops the actors from the next tick on.
  Tick();
  EXPECT_EQ(sounds.Count(SoundSlot::kLost), 3);
}

TEST_F(ActorsTest, EitherPlayersDeathLosesACooperationGame) {
  StartLevel(OpenLevel(), 1, 1, 0);
  P(1).health = 1;
  PlaceAtCell(1, 30, 30);
  AddActor(3, 31, 30);
  Tick();
  EXPECT_EQ(world->center_message, "Przegrana");
  EXPECT_EQ(world->level_number, 0);
}

TEST_F(ActorsTest, PointmatchPlayerRespawnsAndKeepsItsScore) {
  StartLevel(OpenLevel(), 1, 1, 2);
  P(1).health = 1;
  P(1).points = 700;
  P(1).kills = 3;
  PlaceAtCell(1, 30, 30);
  const int i = AddActor(3, 31, 30);
  P(1).target_actor = i;
  Tick();
  EXPECT_EQ(P(1).health, 255);
  EXPECT_EQ(P(1).x, P(1).spawn_x);
  EXPECT_EQ(P(1).y, Centre(14));
  EXPECT_EQ(P(1).target_actor, -1);
  EXPECT_EQ(P(1).points, 700);
  EXPECT_EQ(P(1).kills, 3);
  EXPECT_EQ(world->transition, 900);
  EXPECT_EQ(sounds.Count(SoundSlot::kLost), 0);
}

TEST_F(ActorsTest, ActorsRestOutsidePlay) {
  const int i = AddActor(3, 14, 10);
  world->transition = 500;
  Tick();
  EXPECT_EQ(A(i).x, Centre(14));
}

}  // namespace
}  // namespace bv::sim

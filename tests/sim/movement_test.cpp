#include <cmath>

#include "sim/movement.h"
#include "sim_harness.h"

namespace bv::sim {
namespace {

using game::SoundSlot;

class MovementTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    StartLevel(OpenLevel());
  }
};

TEST_F(MovementTest, StraightStepIsWalkSpeedAndAttackSlowsIt) {
  Hold(0, Action::kRight);
  Tick();
  EXPECT_FLOAT_EQ(P(0).x, Centre(10) + 3);
  Hold(0, Action::kAttack);  // slows even though nothing is hit
  Tick();
  EXPECT_FLOAT_EQ(P(0).x, Centre(10) + 5);
  EXPECT_FLOAT_EQ(P(0).y, Centre(10));
}

// Kept: the diagonal divisor is 1.1414213562, not the square root of two.
TEST_F(MovementTest, DiagonalStepDividesByTheKeptDivisor) {
  // The divisor is 1.1414213562, not the square root of two.
  Hold(0, Action::kUp);
  Hold(0, Action::kLeft);
  Tick();
  const float expected_x = static_cast<float>(Centre(10) - 3 / 1.1414213562);
  EXPECT_EQ(P(0).x, expected_x);
  EXPECT_EQ(P(0).y, expected_x);
  EXPECT_NE(P(0).x, static_cast<float>(Centre(10) - 3 / std::sqrt(2.0)));
  EXPECT_NEAR(Centre(10) - P(0).x, 2.628, 0.001);
}

TEST_F(MovementTest, FirstMatchingRuleWins) {
  struct Case {
    std::vector<Action> keys;
    float dx, dy;
  };
  const float d = static_cast<float>(3 / kDiagonalDivisor);
  const Case cases[] = {
      {{Action::kUp, Action::kDown}, 0, -3},
      {{Action::kLeft, Action::kRight}, -3, 0},
      {{Action::kUp, Action::kLeft, Action::kRight}, -d, -d},
      {{Action::kUp, Action::kRight}, d, -d},
      {{Action::kDown, Action::kLeft}, -d, d},
      {{Action::kDown, Action::kRight, Action::kLeft}, -d, d},
      {{Action::kDown}, 0, 3},
  };
  for (const Case& c : cases) {
    PlaceAtCell(0, 10, 10);
    ReleaseAll();
    for (Action a : c.keys) Hold(0, a);
    Tick();
    EXPECT_NEAR(P(0).x - Centre(10), c.dx, 1e-4) << "keys " << c.keys.size();
    EXPECT_NEAR(P(0).y - Centre(10), c.dy, 1e-4) << "keys " << c.keys.size();
  }
}

TEST_F(MovementTest, BlockedDiagonalSlidesAlongTheWall) {
  Cell(9, 10).object = 1;                 // wall to the left
  Place(0, Centre(10) - 12, Centre(10));  // left probe inside the wall column
  Hold(0, Action::kUp);
  Hold(0, Action::kLeft);
  Tick();
  EXPECT_FLOAT_EQ(P(0).x, Centre(10) - 12);
  EXPECT_FLOAT_EQ(P(0).y, Centre(10) - 3);
}

TEST_F(MovementTest, StopsBetweenTwelveAndFifteenPixelsFromAWall) {
  Cell(13, 10).object = 1;
  Hold(0, Action::kRight);
  Tick(60);
  const float gap = 13 * 50 - P(0).x;
  EXPECT_GE(gap, 12);
  EXPECT_LE(gap, 15);
  // The probe is tested before the move, so the player never passes it.
  EXPECT_EQ(world->cell(static_cast<int>(P(0).x) / 50, 10).object, 0);
}

TEST_F(MovementTest, OnlyOrthogonalProbesBlock) {
  Cell(11, 9).object = 1;  // diagonal corner, up and right
  Place(0, Centre(10) + 12, Centre(10) - 12);
  Hold(0, Action::kUp);
  Hold(0, Action::kRight);
  Tick();
  EXPECT_GT(P(0).x, Centre(10) + 12);
  EXPECT_LT(P(0).y, Centre(10) - 12);
}

TEST_F(MovementTest, PositionsOutsideTheGridReadAsSolid) {
  // Before any level setup the players stand at (0, 0): the left and upper
  // probes are cell -1, held as byte 255, which reads as the solid reset cell.
  auto fresh = std::make_unique<game::World>();
  world.swap(fresh);
  world->transition = game::kPlaySteady;
  P(0).walk_speed = 3;
  Hold(0, Action::kLeft);
  Tick();
  EXPECT_EQ(P(0).x, 0.0f);
  ReleaseAll();
  Hold(0, Action::kUp);
  Tick();
  EXPECT_EQ(P(0).y, 0.0f);
  ReleaseAll();
  Hold(0, Action::kRight);  // grid[0][0] of a zeroed world is open floor
  Tick();
  EXPECT_EQ(P(0).x, 3.0f);
}

TEST_F(MovementTest, ChangeWeaponCyclesOwnedSlotsEveryThirtyOneTicks) {
  ASSERT_EQ(P(0).weapon, 1);
  P(0).weapons[3].owned = 1;
  Hold(0, Action::kChange);
  Tick();
  EXPECT_EQ(P(0).weapon, 3);  // slot 2 is skipped
  EXPECT_EQ(P(0).weapon_change_cooldown, 30);
  Tick(30);
  EXPECT_EQ(P(0).weapon, 3);
  EXPECT_EQ(P(0).weapon_change_cooldown, 0);
  Tick();
  EXPECT_EQ(P(0).weapon, 0);  // 4 is not owned; wraps to the chainsaw
  Tick(31);
  EXPECT_EQ(P(0).weapon, 1);
  EXPECT_EQ(sounds.Ticks(SoundSlot::kChangeGun), (std::vector<int>{1, 32, 63}));
}

TEST_F(MovementTest, ChainsawOnlyStaysAndStillSounds) {
  for (int k = 1; k < 5; ++k) P(0).weapons[k].owned = 0;
  P(0).weapon = 0;
  Hold(0, Action::kChange);
  Tick();
  EXPECT_EQ(P(0).weapon, 0);
  EXPECT_EQ(sounds.Count(SoundSlot::kChangeGun), 1);
}

TEST_F(MovementTest, NoOwnedWeaponDoesNotHang) {
  for (auto& w : P(0).weapons) w.owned = 0;
  Hold(0, Action::kChange);
  Tick();
  EXPECT_EQ(P(0).weapon, 1);  // a full round, back where it started
}

TEST_F(MovementTest, TwoPlayersMoveWithTheirOwnKeys) {
  StartLevel(OpenLevel(), 1, 1);
  Hold(1, Action::kDown);
  Hold(0, Action::kLeft);
  Tick();
  EXPECT_FLOAT_EQ(P(0).x, Centre(10) - 3);
  EXPECT_FLOAT_EQ(P(1).y, Centre(14) + 3);
}

TEST_F(MovementTest, NoControlOutsidePlayOrWithOptionsShown) {
  Hold(0, Action::kRight);
  options.set_options_visible(true);
  Tick();
  EXPECT_EQ(P(0).x, Centre(10));
  options.set_options_visible(false);
  world->transition = 800;
  Tick();
  EXPECT_EQ(P(0).x, Centre(10));
}

}  // namespace
}  // namespace bv::sim

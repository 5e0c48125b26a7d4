#include "sim/weapons.h"

#include "sim_harness.h"

namespace bv::sim {
namespace {

using game::SoundSlot;

class WeaponsTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    StartLevel(OpenLevel());
  }
  std::vector<int> Indexes(SoundSlot slot) const {
    std::vector<int> out;
    for (const PlayedSound& s : sounds.played) {
      if (s.slot == slot) out.push_back(s.index);
    }
    return out;
  }
};

// Firing cadence, ammunition and casings.

TEST_F(WeaponsTest, HeldAttackFiresOncePerFireDelayWithCasingsBetween) {
  Hold(0, Action::kAttack);
  Tick(81);
  // Desert Eagle: delay 40; the casing comes 19 ticks after each shot.
  EXPECT_EQ(sounds.Ticks(SoundSlot::kGun), (std::vector<int>{1, 41, 81}));
  EXPECT_EQ(Indexes(SoundSlot::kGun), (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(sounds.Ticks(SoundSlot::kShell), (std::vector<int>{20, 60}));
  for (int i : Indexes(SoundSlot::kShell)) EXPECT_TRUE(i >= 0 && i <= 2);
  EXPECT_EQ(P(0).weapons[1].ammo, 97);  // shots without a target still use rounds
}

TEST_F(WeaponsTest, MinigunFiresNineTimesASecond) {
  P(0).weapons[4].owned = 1;
  P(0).weapons[4].ammo = 50;
  P(0).weapon = 4;
  Hold(0, Action::kAttack);
  Tick(90);
  EXPECT_EQ(sounds.Count(SoundSlot::kGun), 9);
  EXPECT_EQ(Indexes(SoundSlot::kGun).front(), 4);
  EXPECT_EQ(P(0).weapons[4].ammo, 41);
}

TEST_F(WeaponsTest, EmptyWeaponClicksEveryFireDelayWithoutCasings) {
  P(0).weapons[1].ammo = 0;
  Hold(0, Action::kAttack);
  Tick(81);
  EXPECT_EQ(sounds.Ticks(SoundSlot::kNoAmmo), (std::vector<int>{1, 41, 81}));
  EXPECT_EQ(sounds.Count(SoundSlot::kGun), 0);
  EXPECT_EQ(sounds.Count(SoundSlot::kShell), 0);
}

TEST_F(WeaponsTest, OnlyTheSelectedSlotCoolsDown) {
  P(0).weapons[2].cooldown = 7;
  Tick(3);
  EXPECT_EQ(P(0).weapons[2].cooldown, 7);
  P(0).weapon = 2;
  Tick(3);
  EXPECT_EQ(P(0).weapons[2].cooldown, 4);
}

TEST_F(WeaponsTest, ChainsawAmmunitionIsHeldAtOne) {
  P(0).weapon = 0;
  P(0).weapons[0].ammo = 1;
  Hold(0, Action::kAttack);
  Tick(45);
  EXPECT_EQ(sounds.Count(SoundSlot::kGun), 3);
  EXPECT_EQ(P(0).weapons[0].ammo, 1);
  EXPECT_EQ(sounds.Count(SoundSlot::kShell), 0);  // no casings from the chainsaw
}

// Targets.

TEST_F(WeaponsTest, TargetIsTheFirstActorInReachAndStaysWhileInReach) {
  const int far = AddActor(18, 13, 10);   // 150 pixels: just in the Desert Eagle's reach
  const int near = AddActor(18, 11, 10);  // 50 pixels
  Tick();
  EXPECT_EQ(P(0).target_actor, far);  // index order, not distance
  P(0).target_actor = -1;
  A(far).x += 1;  // out of reach now
  Tick();
  EXPECT_EQ(P(0).target_actor, near);
  A(far).x -= 1;
  Tick();
  EXPECT_EQ(P(0).target_actor, near);  // a held target is kept
}

TEST_F(WeaponsTest, ShorterReachDropsTheTargetAtTheNextActorTurn) {
  const int t = AddActor(18, 12, 10);  // 100 pixels
  Tick();
  ASSERT_EQ(P(0).target_actor, t);
  Hold(0, Action::kChange);  // to the chainsaw, reach 60
  Tick();
  EXPECT_EQ(P(0).weapon, 0);
  EXPECT_EQ(P(0).target_actor, -1);
}

TEST_F(WeaponsTest, WallsHideTargets) {
  AddActor(18, 12, 10);
  Cell(11, 10).object = 1;
  Tick();
  EXPECT_EQ(P(0).target_actor, -1);
}

// Kills, scores and corpses.

TEST_F(WeaponsTest, KillPointsFollowTheKindTable) {
  const int expected[40] = {0,   0,   0,   27,  48,  75,  108, 147, 192, 243, 300,  363, 432, 507,
                            588, 675, 768, 867, 18,  32,  50,  72,  98,  128, 162,  200, 242, 288,
                            338, 392, 450, 512, 578, 648, 722, 800, 882, 968, 1058, 1152};
  for (int kind = 3; kind <= 39; ++kind) EXPECT_EQ(KillPoints(kind), expected[kind]) << kind;
}

TEST_F(WeaponsTest, ShotTakesUpgradedDamageFromTheTarget) {
  const int t = AddActor(18, 12, 10);
  P(0).weapons[1].upgrades = 3;  // 3 * 1 + 30
  Tick();
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(A(t).hp, 50 - 33);
  EXPECT_EQ(A(t).kind, 18);
}

TEST_F(WeaponsTest, KillingAMovingEnemyScoresAndLeavesACorpse) {
  const int t = AddActor(7, 12, 10);
  A(t).hp = 10;
  Tick();
  ASSERT_EQ(P(0).target_actor, t);
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(A(t).kind, -7);
  EXPECT_EQ(A(t).hp, 0);
  EXPECT_EQ(P(0).kills, 1);
  EXPECT_EQ(P(0).points, 147);
  EXPECT_EQ(P(0).target_actor, -1);
  ASSERT_EQ(sounds.Count(SoundSlot::kKill), 1);
  const int index = Indexes(SoundSlot::kKill).front();
  EXPECT_TRUE(index >= 0 && index <= 7);
  EXPECT_EQ(sounds.Count(SoundSlot::kKillDoor), 0);
  // A corpse takes no more turns and is never a target again.
  const game::Actor corpse = A(t);
  Tick(20);
  EXPECT_EQ(A(t).x, corpse.x);
  EXPECT_EQ(P(0).target_actor, -1);
}

TEST_F(WeaponsTest, KillingAStillTargetClearsItsCell) {
  Cell(12, 10).object = 1;  // still targets usually stand on solid cells
  Cell(12, 10).texture = 9;
  const int t = AddActor(25, 12, 10);
  A(t).hp = 10;
  Tick();
  ASSERT_EQ(P(0).target_actor, t);  // its own solid cell does not hide it
  Hold(0, Action::kAttack);
  Tick();
  EXPECT_EQ(A(t).kind, -25);
  EXPECT_EQ(P(0).points, 200);
  EXPECT_EQ(Cell(12, 10).object, 0);
  EXPECT_EQ(Cell(12, 10).texture, 0);
  EXPECT_EQ(sounds.Count(SoundSlot::kKillDoor), 1);
  EXPECT_EQ(sounds.Count(SoundSlot::kKill), 0);
}

TEST_F(WeaponsTest, FirstShooterTakesASharedTargetAndTheSecondMisses) {
  StartLevel(OpenLevel(), 1, 1);  // two players, Cooperation
  PlaceAtCell(1, 10, 11);
  const int t = AddActor(18, 12, 10);
  A(t).hp = 10;
  Tick();
  ASSERT_EQ(P(0).target_actor, t);
  ASSERT_EQ(P(1).target_actor, t);
  Hold(0, Action::kAttack);
  Hold(1, Action::kAttack);
  Tick();
  EXPECT_EQ(P(0).kills, 1);
  EXPECT_EQ(P(1).kills, 0);
  EXPECT_EQ(P(1).target_actor, -1);
  EXPECT_EQ(P(1).weapons[1].ammo, 99);
  EXPECT_EQ(sounds.Count(SoundSlot::kGun), 2);
}

}  // namespace
}  // namespace bv::sim

// The game's words: object codes and their predicates, entity kinds, modes,
// the transition phases, the grid geometry, the level codec and the 32-bit
// helpers.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <set>

#include "game/entity_table.h"
#include "game/game_mode.h"
#include "game/geometry.h"
#include "game/int32.h"
#include "game/level_file.h"
#include "game/object_codes.h"
#include "game/phases.h"

namespace bv::game {
namespace {

std::set<int> CodesWhere(bool (*predicate)(int)) {
  std::set<int> out;
  for (int code = 0; code <= 255; ++code) {
    if (predicate(code)) out.insert(code);
  }
  return out;
}

TEST(ObjectCodes, PredicatesCoverTheirCodesOnly) {
  EXPECT_EQ(CodesWhere(IsRespawnable),
            (std::set<int>{2, 6, 7, 8, 9, 10, 11, 21, 27, 28, 29, 35, 36, 37, 38, 39}));
  EXPECT_EQ(CodesWhere(IsBlockingObject), (std::set<int>{1, 30, 31, 32, 34, 40, 41, 42, 43, 44}));
  EXPECT_EQ(CodesWhere(IsCard), (std::set<int>{35, 36, 37, 38, 39}));
  EXPECT_EQ(CodesWhere(IsDoor), (std::set<int>{40, 41, 42, 43, 44}));
  EXPECT_EQ(CodesWhere(IsPulseWall), (std::set<int>{30, 31, 32}));
  EXPECT_EQ(CodesWhere(IsMenuCell), (std::set<int>{15, 16, 17, 18}));
  EXPECT_EQ(CodesWhere(IsPowerSwitch), (std::set<int>{24, 25}));
  EXPECT_FALSE(IsDrawnObject(obj::kFloor));
  EXPECT_FALSE(IsDrawnObject(obj::kSolid));
  EXPECT_TRUE(IsDrawnObject(obj::kMedkit));
  EXPECT_TRUE(IsDrawnObject(200));  // drawn if it has an image; above 48 none has
  EXPECT_EQ(kLastObjectCode, 48);
}

TEST(ObjectCodes, CardsOpenTheDoorOfTheirColour) {
  for (int k = 0; k < kColourCount; ++k) {
    EXPECT_EQ(CardSlot(obj::kCard0 + k), k);
    EXPECT_EQ(DoorForCard(obj::kCard0 + k), obj::kDoor0 + k);
  }
  EXPECT_FALSE(IsDoor(DoorForCard(0)));  // an empty card place opens nothing
}

TEST(ObjectCodes, PulseChannelsAndPushDirections) {
  EXPECT_EQ(PulseChannelOf(obj::kPulseRed), kPulseChannelRed);
  EXPECT_EQ(PulseChannelOf(obj::kPulseGreen), kPulseChannelGreen);
  EXPECT_EQ(PulseChannelOf(obj::kPulseBlue), kPulseChannelBlue);
  EXPECT_EQ(PulseChannelOf(obj::kAnimated), kNoPulse);
  struct {
    int code, dx, dy;
    bool pushes;
  } cases[] = {{45, 0, -1, true}, {46, 0, 1, true},  {47, -1, 0, true},
               {48, 1, 0, true},  {44, 0, 0, false}, {0, 0, 0, false}};
  for (const auto& c : cases) {
    int dx = 7, dy = 7;
    EXPECT_EQ(PushDirection(c.code, dx, dy), c.pushes) << c.code;
    EXPECT_EQ(dx, c.dx) << c.code;
    EXPECT_EQ(dy, c.dy) << c.code;
  }
}

TEST(EntityKinds, GroupsAndStarts) {
  EXPECT_EQ(PlayerStart(0), 1);
  EXPECT_EQ(PlayerStart(1), 2);
  for (int kind = -40; kind <= 255; ++kind) {
    const bool moving = kind >= 3 && kind <= 17;
    const bool target = kind >= 18 && kind <= 27;
    const bool attacker = kind >= 28 && kind <= 39;
    EXPECT_EQ(IsMovingKind(kind), moving) << kind;
    EXPECT_EQ(IsStillTarget(kind), target) << kind;
    EXPECT_EQ(IsStillAttacker(kind), attacker) << kind;
    EXPECT_EQ(IsActorKind(kind), moving || target || attacker) << kind;
    EXPECT_EQ(StatsForKind(kind) != nullptr, IsActorKind(kind)) << kind;
  }
}

TEST(EntityKinds, NewActorTakesItsTableValuesAtTheCellCentre) {
  const Actor a = NewActor(16, 20, 31);
  EXPECT_EQ(a.kind, 16);
  EXPECT_EQ(a.hp, 600);
  EXPECT_EQ(a.max_hp, 600);
  EXPECT_EQ(a.damage, 10);
  EXPECT_EQ(a.step, 5);
  EXPECT_FLOAT_EQ(a.reach, 175.0f);
  EXPECT_EQ(a.x, 1025);
  EXPECT_EQ(a.y, 1575);
  EXPECT_EQ(a.attack_cooldown, 0);
  const Actor none = NewActor(40, 20, 31);
  EXPECT_EQ(none.kind, 0);
  EXPECT_EQ(none.x, 0);
}

TEST(GameModes, TheMatchesAreDeathmatchAndPointmatch) {
  EXPECT_FALSE(IsMatchMode(kCooperation));
  EXPECT_TRUE(IsMatchMode(kDeathmatch));
  EXPECT_TRUE(IsMatchMode(kPointmatch));
  EXPECT_FALSE(IsMatchMode(255));  // a settings byte beyond the list
}

TEST(Phases, ValuesOfTheTransitionCounter) {
  EXPECT_EQ(kIntroStart, -2070);
  EXPECT_EQ(IntroStartFor(100), -3 * (100 + 480));
  EXPECT_EQ(kLevelChangeStart, 0);
  EXPECT_EQ(kSetupPoint, 448);
  EXPECT_EQ(kPlayStart, 896);
  EXPECT_EQ(kPlaySteady, 900);
  EXPECT_EQ(kTransitionStep, 4);
}

TEST(Geometry, CellsOfPositions) {
  EXPECT_EQ(CellCentre(10), 525);
  EXPECT_EQ(kLevelRight, 106);
  EXPECT_EQ(kLevelBottom, 104);
  struct {
    int32_t v;
    int32_t cell;
  } actor_cases[] = {{0, 0},
                     {49, 0},
                     {50, 1},
                     {-1, -1},
                     {-50, -1},
                     {-51, -2},
                     {INT32_MAX, INT32_MAX / 50},
                     {INT32_MIN, INT32_MIN / 50 - 1}};
  for (const auto& c : actor_cases) EXPECT_EQ(ActorCell(c.v), c.cell) << c.v;
  EXPECT_EQ(CellOf(-0.5L), -1);
  EXPECT_EQ(CellOf(1e30L), 1000000);
  EXPECT_EQ(CellOf(-1e30L), -1000000);
  EXPECT_EQ(CellOf(std::nanl("")), -1000000);
  EXPECT_EQ(CellByte(-1.0L), 255);
  EXPECT_EQ(CellByte(525.0L), 10);
}

TEST(Int32, SaturateClampsAndWrap32Wraps) {
  EXPECT_EQ(Saturate(int64_t{INT32_MAX} + 1), INT32_MAX);
  EXPECT_EQ(Saturate(int64_t{INT32_MIN} - 1), INT32_MIN);
  EXPECT_EQ(Saturate(-5), -5);
  // Kept: the rules' counters wrap around.
  EXPECT_EQ(Wrap32(int64_t{INT32_MAX} + 1), INT32_MIN);
  EXPECT_EQ(Wrap32(int64_t{INT32_MIN} - 1), INT32_MAX);
  EXPECT_EQ(Wrap32(-5), -5);
}

TEST(LevelFile, CellsSitColumnFirst) {
  EXPECT_EQ(kLevelFileSize, 60000);
  EXPECT_EQ(LevelCellOffset(0, 1), 6u);
  EXPECT_EQ(LevelCellOffset(1, 0), 600u);
  EXPECT_EQ(LevelCellOffset(99, 99), 59994u);
  LevelBytes image{};
  PutLevelCell(image, 3, 2, LevelCell{1, 2, 3, 4, 5, 6});
  const size_t at = 3 * 600 + 2 * 6;
  for (int k = 0; k < 6; ++k) EXPECT_EQ(image[at + k], k + 1);
  EXPECT_EQ(GetLevelCell(image, 3, 2), (LevelCell{1, 2, 3, 4, 5, 6}));
  // Outside the level: the default cell, and writes go nowhere.
  PutLevelCell(image, 100, 0, LevelCell{9, 9, 9, 9, 9, 9});
  PutLevelCell(image, -1, 5, LevelCell{9, 9, 9, 9, 9, 9});
  EXPECT_EQ(GetLevelCell(image, 0, 100), LevelCell{});
  int nines = 0;
  for (uint8_t b : image) nines += b == 9;
  EXPECT_EQ(nines, 0);
}

TEST(LevelFile, LoadCopiesOnlyTheBytesPresent) {
  LevelBytes image;
  image.fill(7);
  const std::vector<uint8_t> short_file(601, 1);
  EXPECT_EQ(LoadLevelBytes(short_file.data(), short_file.size(), image), 601u);
  EXPECT_EQ(image[600], 1);
  EXPECT_EQ(image[601], 7);  // Kept: the tail keeps what it held
  const std::vector<uint8_t> long_file(kLevelFileSize + 10, 2);
  EXPECT_EQ(LoadLevelBytes(long_file.data(), long_file.size(), image),
            static_cast<size_t>(kLevelFileSize));
  EXPECT_EQ(image[kLevelFileSize - 1], 2);
  EXPECT_EQ(LoadLevelBytes(nullptr, 0, image), 0u);
  EXPECT_EQ(image[0], 2);
}

}  // namespace
}  // namespace bv::game

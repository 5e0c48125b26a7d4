#include "sim/cell_effects.h"

#include <climits>
#include <functional>

#include "sim_harness.h"

namespace bv::sim {
namespace {

using game::SoundSlot;

class CellEffectsTest : public SimTest {
 protected:
  // Starts level 1 with `object` under player 1's start cell (10, 10).
  void StartOn(uint8_t object, uint8_t two_players = 0, uint8_t mode = 0) {
    test::LevelBuilder level = OpenLevel();
    level.Object(10, 10, object);
    StartLevel(level, 1, two_players, mode);
  }
  uint8_t Here() { return Cell(10, 10).object; }
};

// Every pickup with its condition.

TEST_F(CellEffectsTest, PickupsGiveTheirGainPointsAndMessage) {
  struct Case {
    uint8_t object;
    int points;
    const char* message;
    std::function<void(game::PlayerState&)> before;
    std::function<void(const game::PlayerState&)> check;
  };
  auto nothing = [](game::PlayerState&) {};
  auto ammo = [](int slot, int expected) {
    return [=](const game::PlayerState& p) { EXPECT_EQ(p.weapons[slot].ammo, expected); };
  };
  const Case cases[] = {
      {2, 10, "Znalazles apteczke...", [](game::PlayerState& p) { p.health = 100; },
       [](const game::PlayerState& p) { EXPECT_EQ(p.health, 185); }},
      {2, 10, "Znalazles apteczke...", [](game::PlayerState& p) { p.health = 250; },
       [](const game::PlayerState& p) { EXPECT_EQ(p.health, 255); }},
      {29, 50, "Znalazles sterydy...", [](game::PlayerState& p) { p.health = 447; },
       [](const game::PlayerState& p) { EXPECT_EQ(p.health, 448); }},
      {12, 50, "Zdobyles CD...", nothing, [](const game::PlayerState&) {}},
      {4, 100, "Nowa bron: MP 5...", nothing,
       [](const game::PlayerState& p) { EXPECT_EQ(p.weapons[2].owned, 1); }},
      {5, 300, "Nowa bron: Blaster...", nothing,
       [](const game::PlayerState& p) { EXPECT_EQ(p.weapons[3].owned, 1); }},
      {26, 500, "Nowa bron: Minigun...", nothing,
       [](const game::PlayerState& p) { EXPECT_EQ(p.weapons[4].owned, 1); }},
      {3, 30, "Nowa bron: Desert Eagle...", [](game::PlayerState& p) { p.weapons[1].owned = 0; },
       [](const game::PlayerState& p) { EXPECT_EQ(p.weapons[1].owned, 1); }},
      {21, 100, "Aktualizacja uzbrojenia...", nothing,
       [](const game::PlayerState& p) {
         EXPECT_EQ(p.weapons[0].upgrades, 0);
         for (int k = 1; k < 5; ++k) EXPECT_EQ(p.weapons[k].upgrades, 1);
       }},
      {6, 10, "Amunicja do Desert Eagle...", nothing, ammo(1, 150)},
      {7, 30, "Amunicja do MP 5...", nothing, ammo(2, 25)},  // taken though not owned
      {8, 50, "Amunicja do Blaster...", nothing, ammo(3, 5)},
      {28, 100, "Amunicja do Minigun...", nothing, ammo(4, 100)},
      {9, 20, "Amunicja do Desert Eagle...", nothing, ammo(1, 200)},
      {10, 60, "Amunicja do MP 5...", nothing, ammo(2, 50)},
      {11, 100, "Amunicja do Blaster...", nothing, ammo(3, 10)},
      {27, 200, "Amunicja do Minigun...", nothing, ammo(4, 200)},
      {37, 350, "Zdobyles karte dostepu...", nothing,
       [](const game::PlayerState& p) {
         EXPECT_EQ(p.cards, (std::array<uint8_t, 5>{0, 0, 37, 0, 0}));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.object));
    sounds.played.clear();
    StartOn(c.object);
    c.before(P(0));
    Tick();
    EXPECT_EQ(Here(), 0);
    EXPECT_EQ(P(0).points, c.points);
    EXPECT_EQ(P(0).message, c.message);
    EXPECT_EQ(P(0).message_timer, 299);  // set to 300, then one tick counted
    EXPECT_EQ(sounds.Count(SoundSlot::kGet), 1);
    c.check(P(0));
  }
}

TEST_F(CellEffectsTest, PickupsWhoseConditionFailsStayOnTheFloor) {
  struct Case {
    uint8_t object;
    std::function<void(game::PlayerState&)> before;
  };
  const Case cases[] = {
      {2, [](game::PlayerState& p) { p.health = 255; }},
      {2, [](game::PlayerState& p) { p.health = 448; }},  // steroids keep the medkit away
      {29, [](game::PlayerState& p) { p.health = 448; }},
      {3, [](game::PlayerState&) {}},  // the Desert Eagle is owned from level 1
      {4, [](game::PlayerState& p) { p.weapons[2].owned = 1; }},
      {35, [](game::PlayerState& p) { p.cards[0] = 35; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.object));
    sounds.played.clear();
    StartOn(c.object);
    c.before(P(0));
    Tick();
    EXPECT_EQ(Here(), c.object);
    EXPECT_EQ(P(0).points, 0);
    EXPECT_TRUE(sounds.played.empty());
  }
}

// Kept: the 32-bit counters wrap around instead of stopping at the limit.
TEST_F(CellEffectsTest, PointsAndAmmunitionWrapAroundPastTheThirtyTwoBitLimit) {
  StartOn(game::obj::kMedkit);
  P(0).health = 100;
  P(0).points = INT32_MAX - 5;
  Tick();
  EXPECT_EQ(P(0).points, INT32_MIN + 4);
  StartOn(game::obj::kEagleAmmoBig);
  P(0).weapons[1].ammo = INT32_MAX - 50;
  Tick();
  EXPECT_EQ(P(0).weapons[1].ammo, INT32_MIN + 49);
}

TEST_F(CellEffectsTest, SoundCellsPlayOnceAndVanish) {
  const std::pair<uint8_t, SoundSlot> cases[] = {{13, SoundSlot::kAlert},
                                                 {14, SoundSlot::kLvlSnd},
                                                 {20, SoundSlot::kAlertLong},
                                                 {22, SoundSlot::kAtack1},
                                                 {23, SoundSlot::kAtack2}};
  for (const auto& [object, slot] : cases) {
    sounds.played.clear();
    StartOn(object);
    Tick(2);
    EXPECT_EQ(Here(), 0);
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0].slot, slot);
  }
}

TEST_F(CellEffectsTest, MenuSoundPlaysOnlyOncePerRun) {
  StartOn(19);
  Cell(11, 10).object = 19;
  Tick();
  EXPECT_EQ(Here(), 0);
  EXPECT_EQ(world->menu_sound_armed, 0);
  PlaceAtCell(0, 11, 10);
  Tick();
  EXPECT_EQ(Cell(11, 10).object, 0);
  EXPECT_EQ(sounds.Count(SoundSlot::kMenuSnd), 1);
}

TEST_F(CellEffectsTest, TwoPlayersOnOneCdOnlyTheFirstTakesIt) {
  StartOn(12, 1);
  PlaceAtCell(1, 10, 10);
  Tick();
  EXPECT_EQ(P(0).points, 50);
  EXPECT_EQ(P(1).points, 0);
  EXPECT_EQ(world->mission_progress, 1);
}

// Doors and cards.

TEST_F(CellEffectsTest, MatchingCardOpensTheDoorAndIsUsedUp) {
  test::LevelBuilder level = OpenLevel();
  level.Object(11, 10, 41);
  StartLevel(level);
  ASSERT_EQ(Cell(11, 10).overlay, 41);
  P(0).cards = {35, 36, 0, 0, 0};
  Place(0, Centre(10) + 12, Centre(10));  // right probe inside the door
  Tick();
  EXPECT_EQ(Cell(11, 10).overlay, 0);
  EXPECT_EQ(Cell(11, 10).object, 0);
  EXPECT_EQ(Cell(11, 10).texture, 0);
  EXPECT_EQ(P(0).cards, (std::array<uint8_t, 5>{35, 0, 0, 0, 0}));
  EXPECT_EQ(sounds.Count(SoundSlot::kOpenDoor), 1);
}

// Kept: only the first probe cell with an overlay is tried.
TEST_F(CellEffectsTest, WrongCardOrSecondDoorDoesNothing) {
  test::LevelBuilder level = OpenLevel();
  level.Object(11, 10, 40);  // right: card 35
  level.Object(10, 9, 41);   // upper: card 36, tried first
  StartLevel(level);
  P(0).cards = {35, 0, 0, 0, 0};
  Place(0, Centre(10) + 12, Centre(10) - 12);
  Tick();
  EXPECT_EQ(Cell(11, 10).overlay, 40);
  EXPECT_EQ(Cell(10, 9).overlay, 41);
  EXPECT_EQ(P(0).cards[0], 35);
  EXPECT_TRUE(P(0).message.empty());
  EXPECT_TRUE(sounds.played.empty());
}

// Power.

TEST_F(CellEffectsTest, PowerSwitchesActOnlyFromTheOtherStateAndStay) {
  StartOn(25);
  Tick();
  EXPECT_EQ(world->ambient_color, 0x404040u);
  EXPECT_EQ(P(0).message, "Brak zasilania...");
  Tick();
  EXPECT_EQ(sounds.Count(SoundSlot::kLightOff), 1);
  EXPECT_EQ(Here(), 25);
  Cell(10, 10).object = 24;
  Tick(2);
  EXPECT_EQ(world->ambient_color, 0xFFFFFFu);
  EXPECT_EQ(P(0).message, "Wznowienie zasilania...");
  EXPECT_EQ(P(0).message_timer, 298);
  EXPECT_EQ(sounds.Count(SoundSlot::kLightOn), 1);
  EXPECT_EQ(Here(), 24);
}

// Moving floors.

TEST_F(CellEffectsTest, MovingFloorsPushInEveryState) {
  const struct {
    uint8_t object;
    float dx, dy;
  } cases[] = {{45, 0, -1}, {46, 0, 1}, {47, -1, 0}, {48, 1, 0}};
  for (const auto& c : cases) {
    StartOn(c.object);
    Tick();
    EXPECT_EQ(P(0).x, static_cast<float>(Centre(10) + c.dx * 3.2));
    EXPECT_EQ(P(0).y, static_cast<float>(Centre(10) + c.dy * 3.2));
  }
  // During a level change and with the options shown as well.
  StartOn(48);
  world->transition = 100;
  options.set_options_visible(true);
  Tick(2);
  const float once = static_cast<float>(Centre(10) + 3.2);
  EXPECT_EQ(P(0).x, static_cast<float>(once + 3.2));
  EXPECT_EQ(Here(), 48);
}

// Kept: the push is not tested against walls.
TEST_F(CellEffectsTest, MovingFloorPushesIntoWalls) {
  StartOn(48);
  Cell(11, 10).object = 1;
  Tick(10);
  EXPECT_GT(P(0).x, 550.0f);
}

// The trap.

TEST_F(CellEffectsTest, TrapSetsHealthToFiveAndNeverKills) {
  StartOn(33);
  Tick();
  EXPECT_EQ(P(0).health, 5);
  Tick(5);
  EXPECT_EQ(P(0).health, 5);
  EXPECT_EQ(sounds.Count(SoundSlot::kDeatch), 1);
  EXPECT_EQ(Here(), 33);
  P(0).health = 6;
  Tick();
  EXPECT_EQ(sounds.Count(SoundSlot::kDeatch), 2);
}

// Menu cells.

TEST_F(CellEffectsTest, MenuCellsStartGamesAndEndTheProgram) {
  const struct {
    uint8_t object;
    uint8_t two_players;
    int level;
  } cases[] = {{15, 0, 1}, {16, 1, 1}, {18, 0, -1}};
  for (const auto& c : cases) {
    sounds.played.clear();
    test::LevelBuilder level = OpenLevel();
    level.Object(10, 10, c.object);
    StartLevel(level, 0);
    Tick();
    EXPECT_EQ(Here(), 0);
    EXPECT_EQ(world->two_players, c.two_players);
    EXPECT_EQ(world->level_number, c.level);
    EXPECT_EQ(world->transition, 4);
    EXPECT_EQ(sounds.Count(SoundSlot::kGet), 1);
  }
  // Level -1 reaches the host at the level change's midpoint, once.
  Tick(112);
  EXPECT_EQ(host.closes, 1);
  EXPECT_EQ(world->transition, 452);
  Tick(5);
  EXPECT_EQ(host.closes, 1);
}

TEST_F(CellEffectsTest, OptionsCellOpensTheOptionsAndSendsPlayerOneHome) {
  test::LevelBuilder level = OpenLevel();
  level.Object(11, 10, 17);
  StartLevel(level, 0);
  PlaceAtCell(0, 11, 10);
  Hold(0, Action::kRight);
  Tick();
  EXPECT_EQ(host.options_opened, 1);
  EXPECT_TRUE(options.options_visible());
  EXPECT_EQ(P(0).x, Centre(10));
  EXPECT_EQ(Cell(11, 10).object, 17);
  // Player control stops while the options are shown.
  Tick(3);
  EXPECT_EQ(P(0).x, Centre(10));
  EXPECT_EQ(host.options_opened, 1);
}

// Kept: the menu cells act on player 0's cell also in player 1's pass.
TEST_F(CellEffectsTest, MenuCellsReadPlayerOnesCellInBothPasses) {
  test::LevelBuilder level = OpenLevel();
  level.Object(10, 10, 17);
  StartLevel(level, 1, 1);
  Tick();
  EXPECT_EQ(host.options_opened, 2);
  EXPECT_EQ(sounds.Count(SoundSlot::kGet), 2);
}

// Item respawn.

class ItemRespawnTest : public CellEffectsTest {
 protected:
  void StartArena(uint8_t mode, bool arenamode = true) {
    options.set_arenamode(arenamode);
    options.set_reitem_period(100);
    test::LevelBuilder level = OpenLevel();
    level.Object(20, 20, 2);
    level.Object(21, 20, 6);
    StartLevel(level, 1, 1, mode);
  }
};

TEST_F(ItemRespawnTest, TakenItemsComeBackWhenTheTimerRunsOut) {
  StartArena(2);
  ASSERT_EQ(world->respawn_count, 2);
  Cell(20, 20).object = 0;
  Cell(21, 20).object = 0;
  world->respawn_timer = 3;
  Tick(3);
  EXPECT_EQ(world->respawn_timer, 0);
  EXPECT_EQ(Cell(20, 20).object + Cell(21, 20).object, 0);
  Tick();
  const bool medkit = Cell(20, 20).object == 2;
  const bool ammo = Cell(21, 20).object == 6;
  EXPECT_NE(medkit, ammo);  // exactly one came back
  EXPECT_GE(world->respawn_timer, 100);
  EXPECT_LE(world->respawn_timer, 600);
}

TEST_F(ItemRespawnTest, PeriodIsReadWhenTheTimerRestarts) {
  StartArena(1);
  world->respawn_timer = 0;
  options.set_reitem_period(1000);
  Tick();
  EXPECT_GE(world->respawn_timer, 1000);
  EXPECT_LE(world->respawn_timer, 1500);
}

TEST_F(ItemRespawnTest, OnlyInTwoPlayerMatchesWithRenewalOn) {
  StartArena(0);  // Cooperation
  world->respawn_timer = 5;
  Tick();
  EXPECT_EQ(world->respawn_timer, 5);
  StartArena(2, false);
  world->respawn_timer = 5;
  Tick();
  EXPECT_EQ(world->respawn_timer, 5);
}

TEST_F(ItemRespawnTest, EmptyQueueSkipsTheRespawn) {
  options.set_arenamode(true);
  StartLevel(OpenLevel(), 1, 1, 1);
  ASSERT_EQ(world->respawn_count, 0);
  world->respawn_timer = 0;
  Tick(3);
  EXPECT_EQ(world->respawn_timer, 0);
  EXPECT_EQ(Cell(0, 0).object, 1);  // the unused first entry names (0, 0)
}

}  // namespace
}  // namespace bv::sim

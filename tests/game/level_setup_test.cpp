#include "game/level_setup.h"

#include <gtest/gtest.h>

#include <memory>

#include "game/level_store.h"
#include "game/paths.h"
#include "settings/live_options.h"
#include "support/level_builder.h"

namespace bv::game {
namespace {

using test::FileCell;
using test::LevelBuilder;

// Level files are handed in as bytes; the file store has tests of its own.
class LevelSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<World>();
    SetStartValues(*world);
  }

  static std::string MenuFile() { return MenuLevelPath(); }
  static std::string CampaignFile(int n) { return CampaignLevelPath("Kampania", n); }
  static std::string CustomFile(const std::string& name) { return CustomLevelPath(name); }
  void ChooseCampaign() {
    options.set_level_source(settings::LevelSource::kCampaign);
    options.set_level_list({"Kampania"});
  }
  SetupResult Setup(int level) {
    return SetupLevel(*world, options, levels, level, world->two_players);
  }

  MemoryLevelStore levels;
  std::unique_ptr<World> world;
  settings::LiveOptions options;
};

TEST_F(LevelSetupTest, MarginCellsHoldTheResetCell) {
  LevelBuilder level;
  level.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  for (auto [x, y] : {std::pair{0, 0}, {6, 50}, {107, 50}, {50, 4}, {50, 105}, {113, 109}}) {
    const MapCell& c = world->grid[x][y];
    EXPECT_EQ(c.texture, 0) << x << "," << y;
    EXPECT_EQ(c.object, 1);
    EXPECT_EQ(c.tint_r, 255);
    EXPECT_EQ(c.tint_g, 255);
    EXPECT_EQ(c.tint_b, 255);
    EXPECT_EQ(c.entity, 0);
    EXPECT_EQ(c.overlay, 0);
    EXPECT_EQ(c.pulse_channel, 0);
  }
  // Outside the grid reads the same reset cell.
  EXPECT_EQ(world->cell(-1, 3).object, 1);
  EXPECT_EQ(world->cell(255, 255).texture, 0);
  EXPECT_EQ(world->cell(114, 0).actor_index, -1);
}

TEST_F(LevelSetupTest, CopiesCellsAndDecodesSpecialObjects) {
  LevelBuilder level;
  level.Set(7, 5, {9, 10, 20, 30, 2, 0});
  level.Object(8, 5, 31);   // pulsing green wall
  level.Object(9, 5, 34);   // animated wall
  level.Object(10, 5, 42);  // locked door
  level.Object(11, 5, 49);  // no such object
  level.Object(12, 5, 200);
  level.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);

  const MapCell& plain = world->grid[7][5];
  EXPECT_EQ(plain.texture, 9);
  EXPECT_EQ(plain.tint_r, 10);
  EXPECT_EQ(plain.tint_g, 20);
  EXPECT_EQ(plain.tint_b, 30);
  EXPECT_EQ(plain.object, 2);
  EXPECT_EQ(world->grid[8][5].pulse_channel, 2);
  EXPECT_EQ(world->grid[8][5].object, 1);
  EXPECT_EQ(world->grid[9][5].animated, 1);
  EXPECT_EQ(world->grid[9][5].object, 1);
  EXPECT_EQ(world->grid[10][5].overlay, 42);
  EXPECT_EQ(world->grid[10][5].object, 1);
  EXPECT_EQ(world->grid[11][5].object, 0);
  EXPECT_EQ(world->grid[12][5].object, 0);
}

TEST_F(LevelSetupTest, CreatesActorsFromTheEntityTable) {
  LevelBuilder level;
  level.Entity(20, 30, 3);
  level.Entity(20, 31, 16);
  level.Entity(21, 10, 25);
  level.Entity(22, 10, 39);
  level.Entity(23, 10, 40);  // no such kind
  level.Entity(24, 10, 255);
  level.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);

  ASSERT_EQ(world->actor_count, 4);
  struct Expect {
    int x, y, kind, hp, damage, step;
    float reach;
  } expected[] = {
      {20, 30, 3, 100, 2, 3, 175.0f},
      {20, 31, 16, 600, 10, 5, 175.0f},
      {21, 10, 25, 1500, 0, 3, 0.0f},
      {22, 10, 39, 800, 4, 3, 200.0f},
  };
  for (int i = 0; i < 4; ++i) {
    const Actor& a = world->actors[i];
    const Expect& e = expected[i];
    EXPECT_EQ(a.kind, e.kind) << i;
    EXPECT_EQ(a.hp, e.hp);
    EXPECT_EQ(a.max_hp, e.hp);
    EXPECT_EQ(a.damage, e.damage);
    EXPECT_EQ(a.step, e.step);
    EXPECT_FLOAT_EQ(a.reach, e.reach);
    EXPECT_EQ(a.attack_cooldown, 0);
    EXPECT_EQ(a.x, e.x * 50 + 25);
    EXPECT_EQ(a.y, e.y * 50 + 25);
    EXPECT_EQ(world->grid[e.x][e.y].actor_index, i);
    EXPECT_EQ(world->grid[e.x][e.y].entity, e.kind);
  }
  EXPECT_EQ(world->grid[23][10].entity, 40);
  EXPECT_EQ(world->grid[23][10].actor_index, -1);
  EXPECT_EQ(world->actors[4].kind, 0);
}

TEST_F(LevelSetupTest, ActorIndexOfAnEarlierLevelIsForgotten) {
  LevelBuilder first;
  first.Entity(30, 30, 5);
  first.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  ASSERT_EQ(world->grid[30][30].actor_index, 0);

  LevelBuilder second;
  second.Wall(30, 30);
  second.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  EXPECT_EQ(world->actor_count, 0);
  EXPECT_EQ(world->grid[30][30].actor_index, -1);
}

TEST_F(LevelSetupTest, ActorTableHoldsAtMost8192) {
  LevelBuilder level;
  level.Fill({1, 255, 255, 255, 0, 3});
  level.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  EXPECT_EQ(world->actor_count, kMaxActors);
  // Index 8191 is file column 81, row 91; the next cell in scan order gets none.
  EXPECT_EQ(world->grid[7 + 81][5 + 91].actor_index, 8191);
  EXPECT_EQ(world->grid[7 + 81][5 + 92].actor_index, -1);
}

TEST(MissionGoal, TakesATenthRoundedHalvesToEven) {
  struct {
    int cds, goal;
  } cases[] = {{0, 0},   {1, 1},   {4, 4},   {5, 5},   {6, 5},   {10, 9},
               {14, 13}, {15, 13}, {16, 14}, {25, 23}, {35, 31}, {100, 90}};
  for (auto c : cases) EXPECT_EQ(MissionGoalForCds(c.cds), c.goal) << c.cds;
}

TEST_F(LevelSetupTest, MissionGoalCountsTheCds) {
  for (int cds : {0, 1, 10, 15}) {
    LevelBuilder level;
    for (int i = 0; i < cds; ++i) level.Object(10 + i, 20, 12);
    level.Put(levels, MenuFile());
    ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
    EXPECT_EQ(world->mission_goal, MissionGoalForCds(cds)) << cds;
    EXPECT_EQ(world->mission_unit, "cd");
    EXPECT_EQ(world->mission_progress, 0);
  }
}

TEST_F(LevelSetupTest, LastStartCellWinsAndAMissingStartKeepsThePosition) {
  world->players[1].x = 123.5f;
  world->players[1].y = 77.0f;
  world->players[1].spawn_x = 1.0f;
  LevelBuilder level;
  level.Entity(10, 40, 1);
  level.Entity(10, 41, 1);  // same column, larger row: scanned later
  level.Entity(9, 90, 1);   // smaller column: scanned earlier
  level.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  EXPECT_FLOAT_EQ(world->players[0].x, 10 * 50 + 25);
  EXPECT_FLOAT_EQ(world->players[0].y, 41 * 50 + 25);
  EXPECT_FLOAT_EQ(world->players[0].spawn_x, 525);
  EXPECT_FLOAT_EQ(world->players[0].spawn_y, 2075);
  EXPECT_FLOAT_EQ(world->players[1].x, 123.5f);
  EXPECT_FLOAT_EQ(world->players[1].y, 77.0f);
  EXPECT_FLOAT_EQ(world->players[1].spawn_x, 1.0f);
}

TEST_F(LevelSetupTest, DeathmatchClearsActorsCdsSteroidsAndStillKinds) {
  ChooseCampaign();
  world->two_players = 1;
  world->game_mode = 1;
  options.set_frag_limit(7);
  LevelBuilder level;
  level.Object(10, 10, 12);
  level.Object(11, 10, 29);
  level.Object(12, 10, 2);
  level.Entity(13, 10, 5);
  level.Set(14, 10, {44, 1, 2, 3, 2, 18});  // entity 18: cleared whole
  level.Entity(15, 10, 1);
  level.Entity(16, 10, 2);
  level.Put(levels, CampaignFile(1));
  ASSERT_EQ(Setup(1).status, SetupStatus::kLoaded);

  EXPECT_EQ(world->second_player, 1);
  EXPECT_EQ(world->actor_count, 0);
  EXPECT_EQ(world->grid[10][10].object, 0);
  EXPECT_EQ(world->grid[11][10].object, 0);
  EXPECT_EQ(world->grid[12][10].object, 2);
  EXPECT_EQ(world->grid[13][10].entity, 5);
  EXPECT_EQ(world->grid[14][10].texture, 0);
  EXPECT_EQ(world->grid[14][10].object, 0);
  EXPECT_EQ(world->grid[14][10].entity, 0);
  EXPECT_EQ(world->mission_goal, 7);
  EXPECT_EQ(world->mission_unit, "morderstw");
  EXPECT_EQ(world->medkit_heal, 165);
  const int dm_damage[] = {1, 10, 11, 160, 9};
  for (int k = 0; k < kWeaponCount; ++k)
    EXPECT_EQ(world->players[0].weapons[k].base_damage, dm_damage[k]);
  // Medkit (respawnable) is queued with item respawn on.
  ASSERT_EQ(world->respawn_count, 1);
  EXPECT_EQ(world->respawn_queue[0].x, 12);
  EXPECT_EQ(world->respawn_queue[0].y, 10);
  EXPECT_EQ(world->respawn_queue[0].object, 2);
}

TEST_F(LevelSetupTest, PointmatchKeepsActorsAndQueuesRespawnableItems) {
  ChooseCampaign();
  world->two_players = 1;
  world->game_mode = 2;
  options.set_point_limit(12345);
  LevelBuilder level;
  const uint8_t items[] = {2, 6, 7, 8, 9, 10, 11, 21, 27, 28, 29, 35, 36, 37, 38, 39};
  int x = 10;
  for (uint8_t o : items) level.Object(x++, 20, o);
  level.Object(x++, 20, 3);   // weapons do not come back
  level.Object(x++, 20, 12);  // CDs are removed
  level.Object(x++, 20, 40);  // doors decode to solid
  level.Entity(10, 30, 20);
  level.Put(levels, CampaignFile(1));
  ASSERT_EQ(Setup(1).status, SetupStatus::kLoaded);

  EXPECT_EQ(world->actor_count, 1);
  EXPECT_EQ(world->mission_goal, 12345);
  EXPECT_EQ(world->mission_unit, "punktow");
  EXPECT_EQ(world->medkit_heal, 85);
  ASSERT_EQ(world->respawn_count, 16);
  for (int k = 0; k < 16; ++k) {
    EXPECT_EQ(world->respawn_queue[k].x, 10 + k);
    EXPECT_EQ(world->respawn_queue[k].y, 20);
    EXPECT_EQ(world->respawn_queue[k].object, items[k]);
  }
  EXPECT_GE(world->respawn_timer, 1500);
  EXPECT_LE(world->respawn_timer, 2500);

  options.set_arenamode(false);
  ASSERT_EQ(Setup(1).status, SetupStatus::kLoaded);
  EXPECT_EQ(world->respawn_count, 0);
}

TEST_F(LevelSetupTest, EquipmentByLevelAndDifficulty) {
  ChooseCampaign();
  LevelBuilder().Put(levels, CampaignFile(1));
  LevelBuilder().Put(levels, MenuFile());
  struct {
    int difficulty;
    int damage[5];
    int medkit;
  } cases[] = {
      {0, {8, 45, 53, 300, 37}, 100},
      {3, {5, 30, 35, 240, 25}, 85},
      {6, {2, 15, 17, 180, 13}, 70},
      {-1, {5, 30, 35, 240, 25}, 85},  // no selection means "Normalny"
  };
  for (const auto& c : cases) {
    options.set_difficulty(c.difficulty);
    ASSERT_EQ(Setup(1).status, SetupStatus::kLoaded);
    EXPECT_EQ(options.difficulty(), c.difficulty < 0 ? 3 : c.difficulty);
    EXPECT_EQ(world->medkit_heal, c.medkit);
    for (const PlayerState& p : world->players) {
      EXPECT_EQ(p.health, 255);
      EXPECT_EQ(p.weapon, 1);
      const int owned[] = {1, 1, 0, 0, 0};
      const float range[] = {60, 150, 170, 200, 180};
      const int ammo[] = {1, 100, 0, 0, 0};
      const int per_upgrade[] = {0, 1, 2, 5, 2};
      const int delay[] = {20, 40, 16, 80, 10};
      for (int k = 0; k < kWeaponCount; ++k) {
        const WeaponSlot& w = p.weapons[k];
        EXPECT_EQ(w.owned, owned[k]) << k;
        EXPECT_FLOAT_EQ(w.range, range[k]);
        EXPECT_EQ(w.ammo, ammo[k]);
        EXPECT_EQ(w.base_damage, c.damage[k]) << "difficulty " << c.difficulty << " slot " << k;
        EXPECT_EQ(w.damage_per_upgrade, per_upgrade[k]);
        EXPECT_EQ(w.fire_delay, delay[k]);
        EXPECT_EQ(w.upgrades, 0);
      }
      EXPECT_EQ(p.weapons[0].name, "Pila elektryczna");
      EXPECT_EQ(p.weapons[4].name, "Minigun");
    }
  }

  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  const PlayerState& p = world->players[0];
  EXPECT_EQ(p.weapon, 0);
  EXPECT_EQ(p.weapons[0].owned, 1);
  EXPECT_EQ(p.weapons[0].ammo, 1);
  EXPECT_FLOAT_EQ(p.weapons[0].range, 0.0f);
  EXPECT_EQ(p.weapons[0].base_damage, 0);
  for (int k = 1; k < kWeaponCount; ++k) {
    EXPECT_EQ(p.weapons[k].owned, 0);
    EXPECT_EQ(p.weapons[k].ammo, 0);
    EXPECT_FLOAT_EQ(p.weapons[k].range, 0.0f);
  }
}

TEST_F(LevelSetupTest, LevelTwoCarriesEquipmentOverButResetsTheRest) {
  ChooseCampaign();
  LevelBuilder().Put(levels, CampaignFile(1));
  LevelBuilder().Put(levels, CampaignFile(2));
  ASSERT_EQ(Setup(1).status, SetupStatus::kLoaded);
  PlayerState& p = world->players[0];
  p.health = 300;
  p.points = 4321;
  p.kills = 12;
  p.weapon = 3;
  p.weapons[3].owned = 1;
  p.weapons[3].ammo = 17;
  p.weapons[2].upgrades = 2;
  p.weapons[1].cooldown = 9;
  p.cards = {35, 0, 37, 0, 0};
  p.message = "x";
  p.message_timer = 100;
  p.target_actor = 4;
  p.walk_speed = 9;
  world->mission_progress = 3;
  world->ambient_color = kPowerOff;

  ASSERT_EQ(Setup(2).status, SetupStatus::kLoaded);
  EXPECT_EQ(p.health, 300);
  EXPECT_EQ(p.points, 4321);
  EXPECT_EQ(p.kills, 12);
  EXPECT_EQ(p.weapon, 3);
  EXPECT_EQ(p.weapons[3].owned, 1);
  EXPECT_EQ(p.weapons[3].ammo, 17);
  EXPECT_EQ(p.weapons[2].upgrades, 2);
  EXPECT_EQ(p.weapons[1].cooldown, 0);
  EXPECT_EQ(p.cards, (std::array<uint8_t, 5>{0, 0, 0, 0, 0}));
  EXPECT_TRUE(p.message.empty());
  EXPECT_EQ(p.message_timer, 0);
  EXPECT_EQ(p.target_actor, -1);
  EXPECT_EQ(p.target_player, -1);
  EXPECT_EQ(p.walk_speed, 3);
  EXPECT_EQ(world->mission_progress, 0);
  EXPECT_EQ(world->ambient_color, kPowerOn);
}

TEST_F(LevelSetupTest, NoSelectedLevelLoadsTheMenuWithAMessage) {
  LevelBuilder menu;
  menu.Object(30, 30, 15);
  menu.Put(levels, MenuFile());
  world->two_players = 1;
  SetupResult r = Setup(3);
  ASSERT_EQ(r.status, SetupStatus::kLoaded);
  EXPECT_EQ(r.file, "\\data\\levels\\campaign\\0.dmp");
  EXPECT_EQ(world->center_message, "Wybierz level w opcjach gry");
  EXPECT_EQ(world->center_message_timer, 1020);
  EXPECT_EQ(world->two_players, 0);
  EXPECT_EQ(world->second_player, 0);
  EXPECT_EQ(world->level_number, 0);       // the setup never changes it
  EXPECT_EQ(world->players[0].weapon, 0);  // menu equipment
  EXPECT_EQ(world->grid[30][30].object, 15);
}

TEST(LevelLoadFailedMessageTest, LongNamesAreCut) {
  EXPECT_EQ(LevelLoadFailedMessage("arena"), "Nie mozna wczytac poziomu: arena");
  EXPECT_EQ(LevelLoadFailedMessage("Przygody pod ziemia 12"),
            "Nie mozna wczytac poziomu: Przygody pod... 12");
  EXPECT_EQ(LevelLoadFailedMessage(std::string(18, 'x')),
            "Nie mozna wczytac poziomu: " + std::string(18, 'x'));
}

TEST_F(LevelSetupTest, CustomLevelChoiceRules) {
  LevelBuilder menu;
  menu.Object(30, 30, 15);
  menu.Put(levels, MenuFile());
  LevelBuilder arena;
  arena.Object(30, 30, 26);
  arena.Put(levels, CustomFile("arena"));
  options.set_level_source(settings::LevelSource::kCustom);
  options.set_level_list({"arena"});

  world->two_players = 1;
  SetupResult r = Setup(1);
  ASSERT_EQ(r.status, SetupStatus::kLoaded);
  EXPECT_EQ(r.file, "\\data\\levels\\custom\\arena.dmp");
  EXPECT_EQ(r.level_name, "arena");
  EXPECT_EQ(world->grid[30][30].object, 26);
  EXPECT_EQ(world->two_players, 1);

  r = Setup(2);
  ASSERT_EQ(r.status, SetupStatus::kLoaded);
  EXPECT_EQ(r.file, "\\data\\levels\\campaign\\0.dmp");
  EXPECT_EQ(r.level_name, "menu");
  EXPECT_EQ(world->grid[30][30].object, 15);
  EXPECT_EQ(world->two_players, 0);
  EXPECT_EQ(world->players[0].weapon, 0);
  EXPECT_TRUE(world->center_message.empty());
}

// Kept: a short level file is no error; the previous level's tail stays.
TEST_F(LevelSetupTest, ShortFileKeepsTheOldTail) {
  LevelBuilder first;
  first.Fill({7, 1, 2, 3, 0, 0});
  first.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);

  LevelBuilder second;
  second.Fill({9, 4, 5, 6, 0, 0});
  second.Put(levels, MenuFile(), 600 * 10);  // ten columns only
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  EXPECT_EQ(world->grid[7][5].texture, 9);
  EXPECT_EQ(world->grid[16][104].texture, 9);
  EXPECT_EQ(world->grid[17][5].texture, 7);
  EXPECT_EQ(world->grid[106][104].tint_r, 1);
}

TEST_F(LevelSetupTest, FirstShortFileLeavesZerosInTheTail) {
  LevelBuilder level;
  level.Put(levels, MenuFile(), 600);
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  EXPECT_EQ(world->grid[7][5].texture, 1);
  EXPECT_EQ(world->grid[8][5].texture, 0);
  EXPECT_EQ(world->grid[8][5].object, 0);
}

TEST_F(LevelSetupTest, MissingFileChangesNothingButTheChoiceMessage) {
  LevelBuilder level;
  level.Entity(20, 20, 4);
  level.Put(levels, MenuFile());
  ASSERT_EQ(Setup(0).status, SetupStatus::kLoaded);
  world->players[0].health = 17;

  ChooseCampaign();
  SetupResult r = Setup(5);
  EXPECT_EQ(r.status, SetupStatus::kFileError);
  EXPECT_EQ(r.file, "\\data\\levels\\campaign\\Kampania\\5.dmp");
  EXPECT_EQ(world->actor_count, 1);
  EXPECT_EQ(world->players[0].health, 17);
  EXPECT_EQ(world->grid[20][20].entity, 4);
  EXPECT_EQ(r.level_name, "Kampania 5");
  EXPECT_EQ(LevelLoadFailedMessage(r.level_name), "Nie mozna wczytac poziomu: Kampania 5");
}

TEST_F(LevelSetupTest, LevelMinusOneAsksToCloseAndDoesNothingElse) {
  world->center_message = "keep";
  SetupResult r = Setup(-1);
  EXPECT_EQ(r.status, SetupStatus::kCloseProgram);
  EXPECT_EQ(world->center_message, "keep");
}

TEST(World, StartValuesAndMirrorDefaults) {
  auto world = std::make_unique<World>();
  SetStartValues(*world);
  EXPECT_EQ(world->transition, -2070);
  EXPECT_EQ(world->menu_sound_armed, 1);
  EXPECT_EQ(world->hud_alpha, 102);
  EXPECT_EQ(world->minimap_alpha, 153);
  EXPECT_EQ(world->players[0].color, 16744448u);
  EXPECT_EQ(world->players[1].color, 65280u);
  EXPECT_EQ(world->enemy_color, 255u);
  EXPECT_EQ(world->key_codes,
            (std::array<uint8_t, 12>{200, 208, 203, 205, 28, 82, 17, 31, 30, 32, 47, 16}));
  // Zeroed grid before the first level: empty floor, not the reset cell.
  EXPECT_EQ(world->grid[50][50].object, 0);
}

}  // namespace
}  // namespace bv::game

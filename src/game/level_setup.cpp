#include "game/level_setup.h"

#include "game/entity_table.h"
#include "game/level_file.h"
#include "game/level_store.h"
#include "game/paths.h"
#include "settings/live_options.h"

namespace bv::game {

namespace {

constexpr int16_t kCenterMessageTicks = 1020;
constexpr uint8_t kFireDelays[kWeaponCount] = {20, 40, 16, 80, 10};
const char* const kWeaponNames[kWeaponCount] = {"Pila elektryczna", "Desert Eagle", "MP 5",
                                                "Blaster", "Minigun"};

// What the players and the mode make of a level's cells.
struct LevelRules {
  bool two = false;             // two_players is 1
  bool match = false;           // two players in Deathmatch or Pointmatch
  bool deathmatch = false;      // two players in Deathmatch
  bool actors_allowed = false;  // no actors in two-player Deathmatch
  bool cds_count = false;       // the CDs make the mission
};

LevelRules RulesOf(const World& world) {
  LevelRules r;
  const uint8_t mode = world.game_mode;
  r.two = world.two_players == 1;
  r.match = r.two && IsMatchMode(mode);
  r.deathmatch = r.two && mode == kDeathmatch;
  r.actors_allowed = world.two_players == 0 || mode == kCooperation || mode == kPointmatch;
  r.cds_count = world.two_players == 0 || mode == kCooperation;
  return r;
}

struct FileChoice {
  std::string file;  // data path
  std::string name;  // as the player chose it
  int level = 0;     // the level number the rest of the setup works with
};

// Step 1: the file for a level number; some choices fall back to the menu
// level, which is then set up as level 0.
FileChoice ChooseLevelFile(World& world, const settings::LiveOptions& options, int level) {
  FileChoice c{MenuLevelPath(), "menu", 0};
  const bool selected = options.selected() >= 0;
  if (level == 0) return c;
  if (!selected) {
    world.center_message = "Wybierz level w opcjach gry";
    world.center_message_timer = kCenterMessageTicks;
  } else if (options.level_source() == settings::LevelSource::kCampaign) {
    c = {CampaignLevelPath(options.selected_text(), level),
         options.selected_text() + " " + std::to_string(level), level};
  } else if (level == 1) {
    c = {CustomLevelPath(options.selected_text()), options.selected_text(), level};
  }
  return c;
}

// Step 2: the file over level_raw, as the level codec reads one. False when
// it cannot be read; level_raw is then untouched.
bool ReadLevel(LevelStore& store, const std::string& file, LevelBytes& level_raw) {
  const std::optional<std::vector<uint8_t>> bytes = store.Read(file);
  if (!bytes) return false;
  LoadLevelBytes(bytes->data(), bytes->size(), level_raw);
  return true;
}

// Step 3.
void ResetCounters(World& world, int level) {
  world.mission_progress = 0;
  world.mission_goal = 0;
  world.actor_count = 0;
  if (level == 0) world.two_players = 0;
  world.second_player = world.two_players != 0 ? 1 : 0;
}

// Step 4. actor_index is reset too, so no cell keeps naming an actor of an
// earlier level.
void ResetActorsAndGrid(World& world) {
  for (Actor& a : world.actors) {
    a.x = a.y = a.kind = a.hp = a.max_hp = 0;
    a.attack_cooldown = a.damage = a.step = 0;
  }
  for (auto& column : world.grid) {
    for (MapCell& c : column) c = kResetCell;
  }
}

// Step 5.
void ResetRespawnQueue(World& world) {
  world.respawn_count = 0;
  world.respawn_timer = static_cast<int16_t>(1500 + world.random.Uniform(0, 1000));
}

// Step 6.1: the file cell as it stands, an unknown object as empty floor.
void CopyFileCell(const LevelCell& from, MapCell& c) {
  c.texture = from.texture;
  c.tint_r = from.r;
  c.tint_g = from.g;
  c.tint_b = from.b;
  c.object = from.object > kLastObjectCode ? obj::kFloor : from.object;
  c.entity = from.entity;
  c.animated = 0;
  c.overlay = kNoOverlay;
  c.pulse_channel = kNoPulse;
}

// Step 6.3: the matches have no CDs; Deathmatch has no steroids and no still
// actors, whose cells are cleared whole.
void ApplyMatchRules(const LevelRules& rules, MapCell& c) {
  if (!rules.match) return;
  if (c.object == obj::kCd) c.object = obj::kFloor;
  if (!rules.deathmatch) return;
  if (c.entity >= kFirstStillKind) {
    c.texture = 0;
    c.object = obj::kFloor;
    c.entity = kNoEntity;
  }
  if (c.object == obj::kSteroids) c.object = obj::kFloor;
}

// Step 6.5: pulsing walls, animated walls and locked doors become solid.
void DecodeSpecialObject(MapCell& c) {
  if (IsPulseWall(c.object)) {
    c.pulse_channel = PulseChannelOf(c.object);
    c.object = obj::kSolid;
  } else if (c.object == obj::kAnimated) {
    c.animated = 1;
    c.object = obj::kSolid;
  } else if (IsDoor(c.object)) {
    c.overlay = c.object;
    c.object = obj::kSolid;
  }
}

struct Expansion {
  int actors = 0;
  int cds = 0;
};

// Step 6: the file into the grid, column by column, with the player starts,
// the actors and the respawn queue.
Expansion ExpandCells(World& world, const settings::LiveOptions& options, const LevelRules& rules) {
  Expansion e;
  for (int x = kLevelLeft; x <= kLevelRight; ++x) {
    for (int y = kLevelTop; y <= kLevelBottom; ++y) {
      MapCell& c = world.grid[x][y];
      CopyFileCell(GetLevelCell(world.level_raw, x - kLevelLeft, y - kLevelTop), c);

      for (int p = 0; p < 2; ++p) {
        if (c.entity != PlayerStart(p)) continue;
        PlayerState& pl = world.players[p];
        pl.spawn_x = pl.x = static_cast<float>(CellCentre(x));
        pl.spawn_y = pl.y = static_cast<float>(CellCentre(y));
      }

      ApplyMatchRules(rules, c);
      if (c.object == obj::kCd && rules.cds_count) ++e.cds;
      DecodeSpecialObject(c);

      if (IsActorKind(c.entity) && rules.actors_allowed && e.actors < kMaxActors) {
        world.actors[e.actors] = NewActor(c.entity, x, y);
        c.actor_index = static_cast<int16_t>(e.actors);
        ++e.actors;
      }

      if (rules.match && options.arenamode() && IsRespawnable(c.object) &&
          world.respawn_count < kMaxRespawns) {
        world.respawn_queue[world.respawn_count++] = {static_cast<uint8_t>(x),
                                                      static_cast<uint8_t>(y), c.object};
      }
    }
  }
  return e;
}

// Step 7.
void SetMissionGoal(World& world, const settings::LiveOptions& options, const LevelRules& rules,
                    int cds) {
  if (rules.cds_count) {
    world.mission_goal = MissionGoalForCds(cds);
    world.mission_unit = "cd";
  } else if (rules.two && world.game_mode == kDeathmatch) {
    world.mission_goal = options.frag_limit();
    world.mission_unit = "morderstw";
  } else if (rules.two && world.game_mode == kPointmatch) {
    world.mission_goal = options.point_limit();
    world.mission_unit = "punktow";
  }
}

// Step 8: d from -3 ("Dziecinny") to 3 ("Ekstremalny"); 4 in Deathmatch.
int ChooseDifficulty(settings::LiveOptions& options, const LevelRules& rules) {
  if (options.difficulty() < 0) options.set_difficulty(settings::LiveOptions::kDifficultyDefault);
  return rules.deathmatch ? 4 : options.difficulty() - 3;
}

struct WeaponStart {
  uint8_t owned;
  float range;
  int32_t ammo;
  int base_damage;
  uint8_t damage_per_upgrade;
};

void GiveStartingEquipment(PlayerState& p, int level, int d) {
  WeaponStart slots[kWeaponCount];
  if (level == 0) {
    slots[0] = {1, 0.0f, 1, 0, 0};
    for (int k = 1; k < kWeaponCount; ++k) slots[k] = {0, 0.0f, 0, 0, 0};
    p.weapon = 0;
  } else {
    slots[0] = {1, 60.0f, 1, 5 - d, 0};
    slots[1] = {1, 150.0f, 100, 30 - 5 * d, 1};
    slots[2] = {0, 170.0f, 0, 35 - 6 * d, 2};
    slots[3] = {0, 200.0f, 0, 240 - 20 * d, 5};
    slots[4] = {0, 180.0f, 0, 25 - 4 * d, 2};
    p.weapon = 1;
  }
  for (int k = 0; k < kWeaponCount; ++k) {
    WeaponSlot& w = p.weapons[k];
    w.owned = slots[k].owned;
    w.name = kWeaponNames[k];
    w.range = slots[k].range;
    w.ammo = slots[k].ammo;
    w.base_damage = static_cast<uint16_t>(slots[k].base_damage);
    w.damage_per_upgrade = slots[k].damage_per_upgrade;
    w.upgrades = 0;
  }
  p.health = 255;
  p.points = 0;
  p.kills = 0;
}

// Step 9: levels 0 and 1 start the equipment afresh, later levels carry it.
void EquipPlayers(World& world, int level, int d) {
  for (PlayerState& p : world.players) {
    if (level == 0 || level == 1) GiveStartingEquipment(p, level, d);
    for (int k = 0; k < kWeaponCount; ++k) {
      p.weapons[k].cooldown = 0;
      p.weapons[k].fire_delay = kFireDelays[k];
    }
    p.cards.fill(kNoCard);
    p.weapon_change_cooldown = 0;
    p.walk_speed = 3;
    p.target_actor = -1;
    p.target_player = -1;
    p.message.clear();
    p.message_timer = 0;
  }
}

// Step 10.
void ResetClocksAndPower(World& world, const LevelRules& rules, int d, int actors) {
  world.cycle100 = 0;
  world.clock_minutes = 0;
  world.clock_steps = 0.0;
  // Two-player Deathmatch heals 165; the general formula would give 65 there.
  world.medkit_heal = static_cast<uint8_t>(rules.deathmatch ? 165 : 85 - 5 * d);
  world.actor_count = actors;
  world.ambient_color = kPowerOn;
}

}  // namespace

int MissionGoalForCds(int cds) {
  int tenth = cds / 10;
  int rest = cds % 10;
  if (rest > 5 || (rest == 5 && tenth % 2 == 1)) ++tenth;
  return cds - tenth;
}

std::string LevelLoadFailedMessage(const std::string& level_name) {
  // The band is 300 pixels wide; 18 of the font's widest letters fit beside
  // the words. The cut keeps the name's end, where a campaign's level number is.
  constexpr size_t kMaxName = 18, kTail = 3;
  std::string name = level_name;
  if (name.size() > kMaxName) {
    name = name.substr(0, kMaxName - 3 - kTail) + "..." + name.substr(name.size() - kTail);
  }
  return "Nie mozna wczytac poziomu: " + name;
}

SetupResult SetupLevel(World& world, settings::LiveOptions& options, LevelStore& levels, int level,
                       int /*player_count*/) {
  SetupResult result;
  if (level == -1) {
    result.status = SetupStatus::kCloseProgram;
    return result;
  }
  const FileChoice choice = ChooseLevelFile(world, options, level);
  result.file = choice.file;
  result.level_name = choice.name;
  if (!ReadLevel(levels, choice.file, world.level_raw)) {
    result.status = SetupStatus::kFileError;
    return result;
  }
  ResetCounters(world, choice.level);
  ResetActorsAndGrid(world);
  ResetRespawnQueue(world);
  const LevelRules rules = RulesOf(world);
  const Expansion e = ExpandCells(world, options, rules);
  SetMissionGoal(world, options, rules, e.cds);
  const int d = ChooseDifficulty(options, rules);
  EquipPlayers(world, choice.level, d);
  ResetClocksAndPower(world, rules, d, e.actors);
  return result;
}

}  // namespace bv::game

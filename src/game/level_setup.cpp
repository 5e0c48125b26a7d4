#include "game/level_setup.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "game/entity_table.h"
#include "game/paths.h"
#include "settings/live_options.h"

namespace bv::game {

namespace {

constexpr int16_t kCenterMessageTicks = 1020;
constexpr uint8_t kFireDelays[kWeaponCount] = {20, 40, 16, 80, 10};
const char* const kWeaponNames[kWeaponCount] = {"Pila elektryczna", "Desert Eagle", "MP 5",
                                                "Blaster", "Minigun"};

bool IsRespawnable(uint8_t object) {
  switch (object) {
    case 2:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 21:
    case 27:
    case 28:
    case 29:
    case 35:
    case 36:
    case 37:
    case 38:
    case 39:
      return true;
    default:
      return false;
  }
}

// Reads up to 60000 bytes. Returns the count read, or -1 when the file cannot
// be opened or read.
long ReadLevelFile(const std::string& native_path, uint8_t* buffer) {
  std::FILE* f = std::fopen(native_path.c_str(), "rb");
  if (f == nullptr) return -1;
  size_t got = std::fread(buffer, 1, kLevelFileSize, f);
  bool failed = std::ferror(f) != 0;
  if (std::fclose(f) != 0) failed = true;
  return failed ? -1 : static_cast<long>(got);
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

}  // namespace

int MissionGoalForCds(int cds) {
  int tenth = cds / 10;
  int rest = cds % 10;
  if (rest > 5 || (rest == 5 && tenth % 2 == 1)) ++tenth;
  return cds - tenth;
}

std::string LevelLoadFailedMessage(const std::string& data_path) {
  return "Nie mozna wczytac poziomu: " + data_path;
}

SetupResult SetupLevel(World& world, settings::LiveOptions& options, const Places& places,
                       int level, int /*player_count*/) {
  SetupResult result;
  if (level == -1) {
    result.status = SetupStatus::kCloseProgram;
    return result;
  }

  // 1. Choose the file; some choices fall back to the menu level.
  int L = level;
  const bool selected = options.selected() >= 0;
  if (L == 0) {
    result.file = MenuLevelPath();
  } else if (!selected) {
    result.file = MenuLevelPath();
    L = 0;
    world.center_message = "Wybierz level w opcjach gry";
    world.center_message_timer = kCenterMessageTicks;
  } else if (options.level_source() == settings::LevelSource::kCampaign) {
    result.file = CampaignLevelPath(options.selected_text(), L);
  } else if (L == 1) {
    result.file = CustomLevelPath(options.selected_text());
  } else {
    result.file = MenuLevelPath();
    L = 0;
  }

  // 2. Read the file. A short file keeps the old tail of level_raw; a file
  // that cannot be read leaves the world as it was.
  auto buffer = std::make_unique<uint8_t[]>(kLevelFileSize);
  long got = ReadLevelFile(DataPath(places, result.file), buffer.get());
  if (got < 0) {
    result.status = SetupStatus::kFileError;
    return result;
  }
  std::copy(buffer.get(), buffer.get() + got, world.level_raw.begin());

  // 3. Counters.
  world.mission_progress = 0;
  world.mission_goal = 0;
  world.actor_count = 0;
  if (L == 0) world.two_players = 0;
  world.second_player = world.two_players != 0 ? 1 : 0;

  // 4. Actors and grid back to their reset values. actor_index is reset too,
  // so no cell keeps naming an actor of an earlier level.
  for (Actor& a : world.actors) {
    a.x = a.y = a.kind = a.hp = a.max_hp = 0;
    a.attack_cooldown = a.damage = a.step = 0;
  }
  for (auto& column : world.grid) {
    for (MapCell& c : column) c = kResetCell;
  }

  // 5. Respawn queue and timer.
  world.respawn_count = 0;
  world.respawn_timer = static_cast<int16_t>(1500 + world.random.Uniform(0, 1000));

  const bool two = world.two_players == 1;
  const uint8_t mode = world.game_mode;
  const bool versus = two && (mode == 1 || mode == 2);
  const bool deathmatch = two && mode == 1;
  const bool actors_allowed = world.two_players == 0 || mode == 0 || mode == 2;
  const bool cds_count = world.two_players == 0 || mode == 0;
  int n = 0;
  int cds = 0;

  // 6. Expand the file into the grid, column by column.
  for (int x = kLevelLeft; x < kLevelLeft + kLevelSize; ++x) {
    for (int y = kLevelTop; y < kLevelTop + kLevelSize; ++y) {
      const uint8_t* src = world.level_raw.data() + (x - kLevelLeft) * 600 + (y - kLevelTop) * 6;
      MapCell& c = world.grid[x][y];
      c.texture = src[0];
      c.tint_r = src[1];
      c.tint_g = src[2];
      c.tint_b = src[3];
      c.object = src[4] > 48 ? 0 : src[4];  // no such object: empty floor
      c.entity = src[5];
      c.animated = 0;
      c.overlay = 0;
      c.pulse_channel = 0;

      for (int p = 0; p < 2; ++p) {
        if (c.entity == p + 1) {
          PlayerState& pl = world.players[p];
          pl.spawn_x = pl.x = static_cast<float>(x * kCellSize + 25);
          pl.spawn_y = pl.y = static_cast<float>(y * kCellSize + 25);
        }
      }

      if (versus) {
        if (c.object == 12) c.object = 0;
        if (deathmatch) {
          if (c.entity >= 18) {
            c.texture = 0;
            c.object = 0;
            c.entity = 0;
          }
          if (c.object == 29) c.object = 0;
        }
      }

      if (c.object == 12 && cds_count) ++cds;

      if (c.object >= 30 && c.object <= 32) {
        c.pulse_channel = static_cast<uint8_t>(c.object - 29);
        c.object = 1;
      } else if (c.object == 34) {
        c.animated = 1;
        c.object = 1;
      } else if (c.object >= 40 && c.object <= 44) {
        c.overlay = c.object;
        c.object = 1;
      }

      const EntityStats* stats = StatsForKind(c.entity);
      if (stats != nullptr && actors_allowed && n < kMaxActors) {
        Actor& a = world.actors[n];
        a.kind = c.entity;
        a.max_hp = stats->max_hp;
        a.hp = stats->max_hp;
        a.damage = stats->damage;
        a.reach = stats->reach;
        a.step = stats->step;
        a.x = x * kCellSize + 25;
        a.y = y * kCellSize + 25;
        a.attack_cooldown = 0;
        c.actor_index = static_cast<int16_t>(n);
        ++n;
      }

      if (versus && options.arenamode() && IsRespawnable(c.object) &&
          world.respawn_count < kMaxRespawns) {
        world.respawn_queue[world.respawn_count++] = {static_cast<uint8_t>(x),
                                                      static_cast<uint8_t>(y), c.object};
      }
    }
  }

  // 7. Mission goal.
  if (cds_count) {
    world.mission_goal = MissionGoalForCds(cds);
    world.mission_unit = "cd";
  } else if (two && mode == 1) {
    world.mission_goal = options.frag_limit();
    world.mission_unit = "morderstw";
  } else if (two && mode == 2) {
    world.mission_goal = options.point_limit();
    world.mission_unit = "punktow";
  }

  // 8. Difficulty.
  if (options.difficulty() < 0) options.set_difficulty(settings::LiveOptions::kDifficultyDefault);
  int d = options.difficulty() - 3;
  if (deathmatch) d = 4;

  // 9. Players.
  for (PlayerState& p : world.players) {
    if (L == 0 || L == 1) GiveStartingEquipment(p, L, d);
    for (int k = 0; k < kWeaponCount; ++k) {
      p.weapons[k].cooldown = 0;
      p.weapons[k].fire_delay = kFireDelays[k];
    }
    p.cards.fill(0);
    p.weapon_change_cooldown = 0;
    p.walk_speed = 3;
    p.target_actor = -1;
    p.target_player = -1;
    p.message.clear();
    p.message_timer = 0;
  }

  // 10. Clocks, medkit, actors, power.
  world.cycle100 = 0;
  world.clock_minutes = 0;
  world.clock_steps = 0.0;
  // Two-player Deathmatch heals 165; the general formula would give 65 there.
  world.medkit_heal = static_cast<uint8_t>(deathmatch ? 165 : 85 - 5 * d);
  world.actor_count = n;
  world.ambient_color = kPowerOn;
  return result;
}

}  // namespace bv::game

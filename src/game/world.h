#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/game_mode.h"
#include "game/geometry.h"
#include "game/level_file.h"
#include "game/object_codes.h"
#include "game/phases.h"
#include "game/random.h"

namespace bv::game {

constexpr int kMaxActors = 8192;
constexpr int kMaxRespawns = 8192;
constexpr int kWeaponCount = 5;
constexpr int kCardCount = 5;
constexpr int kKeyCount = 12;  // six per player: up, down, left, right, attack, change weapon
constexpr int kTextureCount = 256;
constexpr int kObjectImageCount = kLastObjectCode + 1;

constexpr uint32_t kPowerOn = 0xFFFFFF;
constexpr uint32_t kPowerOff = 0x404040;

struct MapCell {
  uint8_t texture = 0;
  uint8_t animated = 0;
  uint8_t tint_r = 0;
  uint8_t tint_g = 0;
  uint8_t tint_b = 0;
  uint8_t object = 0;
  uint8_t overlay = 0;
  uint8_t entity = 0;
  int16_t actor_index = 0;
  uint8_t pulse_channel = 0;
};

// What every cell holds after a level setup resets it, and what a cell
// outside the grid reads as: solid, nothing drawn, no overlay.
constexpr MapCell kResetCell{0, 0, 255, 255, 255, obj::kSolid, kNoOverlay, 0, -1, kNoPulse};

struct Actor {
  int32_t x = 0;
  int32_t y = 0;
  int32_t kind = 0;
  int32_t hp = 0;
  int32_t max_hp = 0;
  uint8_t attack_cooldown = 0;
  uint8_t damage = 0;
  uint8_t step = 0;
  float reach = 0.0f;
};

struct WeaponSlot {
  uint8_t owned = 0;
  std::string name;
  float range = 0.0f;
  int32_t ammo = 0;
  uint16_t base_damage = 0;
  uint16_t upgrades = 0;
  uint8_t damage_per_upgrade = 0;
  uint8_t cooldown = 0;
  uint8_t fire_delay = 0;
};

struct PlayerState {
  float spawn_x = 0.0f;
  float spawn_y = 0.0f;
  uint32_t color = 0;
  float x = 0.0f;
  float y = 0.0f;
  int32_t health = 0;
  int32_t points = 0;
  uint8_t weapon = 0;
  uint8_t weapon_change_cooldown = 0;
  std::array<WeaponSlot, kWeaponCount> weapons{};
  std::array<uint8_t, kCardCount> cards{};
  uint8_t walk_speed = 0;
  int32_t target_actor = 0;
  int32_t target_player = 0;
  uint16_t kills = 0;
  std::string message;
  int16_t message_timer = 0;
};

struct RespawnEntry {
  uint8_t x = 0;
  uint8_t y = 0;
  uint8_t object = 0;
};

// The whole game: one fixed-size object for the entire run. No table grows;
// nothing is allocated per level or per actor. Too large for the stack: make
// it with std::make_unique.
struct World {
  LevelBytes level_raw{};
  MapCell grid[kGridWidth][kGridHeight]{};
  std::array<Actor, kMaxActors> actors{};
  int32_t actor_count = 0;
  std::array<RespawnEntry, kMaxRespawns> respawn_queue{};
  uint16_t respawn_count = 0;
  int16_t respawn_timer = 0;
  std::array<PlayerState, 2> players{};

  int32_t level_number = 0;
  int32_t transition = 0;
  int32_t mission_progress = 0;
  int32_t mission_goal = 0;
  std::string mission_unit;
  uint8_t medkit_heal = 0;
  uint32_t ambient_color = 0;
  std::string center_message;
  int16_t center_message_timer = 0;
  uint16_t pulse_phase = 0;
  uint8_t anim_phase = 0;
  uint8_t cycle100 = 0;
  int32_t clock_minutes = 0;
  double clock_steps = 0.0;
  uint8_t menu_sound_armed = 0;
  uint8_t two_players = 0;
  uint8_t second_player = 0;

  // Settings mirrors, refreshed whenever the options window closes (see
  // game/settings_mirror.h); a new world holds the settings' defaults. The
  // players' colours live in players[p].color.
  uint8_t hud_alpha = 0;
  uint8_t minimap_alpha = 0;
  uint32_t enemy_color = 0;
  uint8_t game_mode = kCooperation;  // see game_mode.h
  // player * 6 + action; actions up, down, left, right, attack, change weapon.
  std::array<uint8_t, kKeyCount> key_codes{};

  Random random;

  World();

  // Bounds-safe grid access: a cell outside the grid reads as the reset cell.
  const MapCell& cell(int x, int y) const {
    if (x < 0 || x >= kGridWidth || y < 0 || y >= kGridHeight) return kResetCell;
    return grid[x][y];
  }
  // Writable cell, or nullptr outside the grid.
  MapCell* cell_ptr(int x, int y) {
    if (x < 0 || x >= kGridWidth || y < 0 || y >= kGridHeight) return nullptr;
    return &grid[x][y];
  }
  static bool InGrid(int x, int y) { return x >= 0 && x < kGridWidth && y >= 0 && y < kGridHeight; }
};

// The start values the program gives the world before the first frame.
// transition starts the intro.
void SetStartValues(World& world);

}  // namespace bv::game

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/world.h"

namespace bv::sim {

// The one hash of the game state, shared by replay files, network play and
// brimvale-sim: FNV-1a 64 over every field of the game in `world`, one by
// one in the order below; integers as little-endian bytes, floats and
// doubles as their bit patterns, strings as a 32-bit length and their bytes.
// No padding and no pointer is hashed, so equal games hash equal on every
// run and build. Left out, as they are not the game: the image and sound
// handles, the mini map's scratch lists, program_dir and resources_loaded.
//
// The order, which recorded hashes rely on:
//  1. level_raw, all 60000 bytes;
//  2. grid, column by column (x 0..113, each y 0..109), each cell's texture,
//     animated, tint_r, tint_g, tint_b, object, overlay, entity, actor_index,
//     pulse_channel;
//  3. every one of the 8192 actors (x, y, kind, hp, max_hp, attack_cooldown,
//     damage, step, reach), then actor_count;
//  4. every one of the 8192 respawn entries (x, y, object), then
//     respawn_count and respawn_timer;
//  5. players 1 and 2: spawn_x, spawn_y, color, x, y, health, points, weapon,
//     weapon_change_cooldown, the five weapons (owned, name, range, ammo,
//     base_damage, upgrades, damage_per_upgrade, cooldown, fire_delay), the
//     five cards, walk_speed, target_actor, target_player, kills, message,
//     message_timer;
//  6. level_number, transition, mission_progress, mission_goal, mission_unit,
//     medkit_heal, ambient_color, center_message, center_message_timer,
//     pulse_phase, anim_phase, cycle100, clock_minutes, clock_steps,
//     menu_sound_armed, two_players, second_player;
//  7. the settings mirrors: hud_alpha, minimap_alpha, enemy_color, game_mode,
//     the twelve key_codes;
//  8. the random generator's state, as its standard text form.
// Whole tables, not only their used part: an entry past a count is state
// too, and cheap to cover.
uint64_t WorldHash(const game::World& world);

// The same FNV-1a 64 over plain bytes (replays hash the level bytes with it).
uint64_t HashBytes(const uint8_t* data, size_t size);

// 16 lower-case hex digits.
std::string WorldHashHex(uint64_t hash);

}  // namespace bv::sim

#include "sim/world_hash.h"

#include <cstdio>
#include <cstring>

namespace bv::sim {

namespace {

class Hasher {
 public:
  void Bytes(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
      value_ ^= p[i];
      value_ *= 0x100000001b3ull;
    }
  }
  // Little-endian whatever the machine, so hashes travel between machines.
  void U64(uint64_t v, int size) {
    for (int i = 0; i < size; ++i) {
      value_ ^= static_cast<unsigned char>(v >> (8 * i));
      value_ *= 0x100000001b3ull;
    }
  }
  void U8(uint8_t v) { U64(v, 1); }
  void I16(int16_t v) { U64(static_cast<uint16_t>(v), 2); }
  void U16(uint16_t v) { U64(v, 2); }
  void I32(int32_t v) { U64(static_cast<uint32_t>(v), 4); }
  void U32(uint32_t v) { U64(v, 4); }
  void F32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof(bits));
    U32(bits);
  }
  void F64(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof(bits));
    U64(bits, 8);
  }
  void Text(const std::string& s) {
    U32(static_cast<uint32_t>(s.size()));
    Bytes(s.data(), s.size());
  }
  uint64_t value() const { return value_; }

 private:
  uint64_t value_ = 0xcbf29ce484222325ull;
};

void Cell(Hasher& h, const game::MapCell& c) {
  h.U8(c.texture);
  h.U8(c.animated);
  h.U8(c.tint_r);
  h.U8(c.tint_g);
  h.U8(c.tint_b);
  h.U8(c.object);
  h.U8(c.overlay);
  h.U8(c.entity);
  h.I16(c.actor_index);
  h.U8(c.pulse_channel);
}

void ActorFields(Hasher& h, const game::Actor& a) {
  h.I32(a.x);
  h.I32(a.y);
  h.I32(a.kind);
  h.I32(a.hp);
  h.I32(a.max_hp);
  h.U8(a.attack_cooldown);
  h.U8(a.damage);
  h.U8(a.step);
  h.F32(a.reach);
}

void Weapon(Hasher& h, const game::WeaponSlot& s) {
  h.U8(s.owned);
  h.Text(s.name);
  h.F32(s.range);
  h.I32(s.ammo);
  h.U16(s.base_damage);
  h.U16(s.upgrades);
  h.U8(s.damage_per_upgrade);
  h.U8(s.cooldown);
  h.U8(s.fire_delay);
}

void Player(Hasher& h, const game::PlayerState& p) {
  h.F32(p.spawn_x);
  h.F32(p.spawn_y);
  h.U32(p.color);
  h.F32(p.x);
  h.F32(p.y);
  h.I32(p.health);
  h.I32(p.points);
  h.U8(p.weapon);
  h.U8(p.weapon_change_cooldown);
  for (const game::WeaponSlot& s : p.weapons) Weapon(h, s);
  for (uint8_t card : p.cards) h.U8(card);
  h.U8(p.walk_speed);
  h.I32(p.target_actor);
  h.I32(p.target_player);
  h.U16(p.kills);
  h.Text(p.message);
  h.I16(p.message_timer);
}

}  // namespace

uint64_t WorldHash(const game::World& w) {
  Hasher h;
  h.Bytes(w.level_raw.data(), w.level_raw.size());
  for (int x = 0; x < game::kGridWidth; ++x) {
    for (int y = 0; y < game::kGridHeight; ++y) Cell(h, w.grid[x][y]);
  }
  for (const game::Actor& a : w.actors) ActorFields(h, a);
  h.I32(w.actor_count);
  for (const game::RespawnEntry& r : w.respawn_queue) {
    h.U8(r.x);
    h.U8(r.y);
    h.U8(r.object);
  }
  h.U16(w.respawn_count);
  h.I16(w.respawn_timer);
  for (const game::PlayerState& p : w.players) Player(h, p);

  h.I32(w.level_number);
  h.I32(w.transition);
  h.I32(w.mission_progress);
  h.I32(w.mission_goal);
  h.Text(w.mission_unit);
  h.U8(w.medkit_heal);
  h.U32(w.ambient_color);
  h.Text(w.center_message);
  h.I16(w.center_message_timer);
  h.U16(w.pulse_phase);
  h.U8(w.anim_phase);
  h.U8(w.cycle100);
  h.I32(w.clock_minutes);
  h.F64(w.clock_steps);
  h.U8(w.menu_sound_armed);
  h.U8(w.two_players);
  h.U8(w.second_player);

  h.U8(w.hud_alpha);
  h.U8(w.minimap_alpha);
  h.U32(w.enemy_color);
  h.U8(w.game_mode);
  for (uint8_t code : w.key_codes) h.U8(code);

  h.Text(w.random.StateText());
  return h.value();
}

uint64_t HashBytes(const uint8_t* data, size_t size) {
  Hasher h;
  h.Bytes(data, size);
  return h.value();
}

std::string WorldHashHex(uint64_t hash) {
  char text[17];
  std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

}  // namespace bv::sim

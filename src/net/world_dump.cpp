#include "net/world_dump.h"

#include <cstring>
#include <sstream>

#include "sim/world_hash.h"

namespace bv::net {

namespace {

template <typename T>
uint64_t FieldHash(uint64_t h, const T& v) {
  uint8_t bytes[sizeof(T)];
  std::memcpy(bytes, &v, sizeof(T));
  for (uint8_t b : bytes) h = (h ^ b) * 0x100000001b3ull;
  return h;
}

uint64_t GridHash(const game::World& w) {
  uint64_t h = 0xcbf29ce484222325ull;
  for (int x = 0; x < game::kGridWidth; ++x) {
    for (int y = 0; y < game::kGridHeight; ++y) {
      const game::MapCell& c = w.grid[x][y];
      for (uint8_t b : {c.texture, c.animated, c.tint_r, c.tint_g, c.tint_b, c.object, c.overlay,
                        c.entity, c.pulse_channel}) {
        h = FieldHash(h, b);
      }
      h = FieldHash(h, c.actor_index);
    }
  }
  return h;
}

}  // namespace

std::string WorldDump(const game::World& w) {
  std::ostringstream out;
  out << "world_hash " << sim::WorldHashHex(sim::WorldHash(w)) << "\n";
  out << "level_raw_hash "
      << sim::WorldHashHex(sim::HashBytes(w.level_raw.data(), w.level_raw.size())) << "\n";
  out << "grid_hash " << sim::WorldHashHex(GridHash(w)) << "\n";
  out << "level_number " << w.level_number << "\ntransition " << w.transition
      << "\nmission_progress " << w.mission_progress << "\nmission_goal " << w.mission_goal
      << "\nambient_color " << w.ambient_color << "\ncenter_message \"" << w.center_message
      << "\"\ncenter_message_timer " << w.center_message_timer << "\npulse_phase "
      << w.pulse_phase << "\nanim_phase " << int{w.anim_phase} << "\ncycle100 "
      << int{w.cycle100} << "\nclock_minutes " << w.clock_minutes << "\nclock_steps "
      << w.clock_steps << "\ntwo_players " << int{w.two_players} << "\nsecond_player "
      << int{w.second_player} << "\ngame_mode " << int{w.game_mode} << "\nkey_codes";
  for (uint8_t k : w.key_codes) out << " " << int{k};
  out << "\nrandom " << sim::WorldHashHex(sim::HashBytes(
                            reinterpret_cast<const uint8_t*>(w.random.StateText().data()),
                            w.random.StateText().size()))
      << "\n";
  for (int p = 0; p < 2; ++p) {
    const game::PlayerState& pl = w.players[p];
    out << "player" << p + 1 << " x " << pl.x << " y " << pl.y << " health " << pl.health
        << " points " << pl.points << " kills " << pl.kills << " weapon " << int{pl.weapon}
        << " target_actor " << pl.target_actor << " target_player " << pl.target_player
        << " message \"" << pl.message << "\" " << pl.message_timer << "\n";
    for (int i = 0; i < game::kWeaponCount; ++i) {
      const game::WeaponSlot& s = pl.weapons[i];
      out << "player" << p + 1 << " weapon" << i << " owned " << int{s.owned} << " ammo "
          << s.ammo << " upgrades " << s.upgrades << " cooldown " << int{s.cooldown} << "\n";
    }
  }
  out << "actor_count " << w.actor_count << "\n";
  for (int i = 0; i < w.actor_count && i < game::kMaxActors; ++i) {
    const game::Actor& a = w.actors[static_cast<size_t>(i)];
    out << "actor" << i << " " << a.x << " " << a.y << " kind " << a.kind << " hp " << a.hp
        << " cooldown " << int{a.attack_cooldown} << "\n";
  }
  out << "respawn_count " << w.respawn_count << " timer " << w.respawn_timer << "\n";
  for (int i = 0; i < w.respawn_count && i < game::kMaxRespawns; ++i) {
    const game::RespawnEntry& r = w.respawn_queue[static_cast<size_t>(i)];
    out << "respawn" << i << " " << int{r.x} << " " << int{r.y} << " " << int{r.object} << "\n";
  }
  return out.str();
}

}  // namespace bv::net

#include "tools/sim/state_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "media/cp1250.h"

namespace bv::sim {

namespace {

using nlohmann::json;

json Text(const std::string& cp1250) {
  return media::Cp1250ToUtf8(cp1250);
}

json WeaponJson(const game::WeaponSlot& s) {
  return {{"owned", s.owned},
          {"name", Text(s.name)},
          {"range", FloatJson(s.range)},
          {"ammo", s.ammo},
          {"base_damage", s.base_damage},
          {"upgrades", s.upgrades},
          {"damage_per_upgrade", s.damage_per_upgrade},
          {"cooldown", s.cooldown},
          {"fire_delay", s.fire_delay}};
}

json PlayerJson(const game::PlayerState& p) {
  json weapons = json::array();
  for (const game::WeaponSlot& s : p.weapons) weapons.push_back(WeaponJson(s));
  json cards = json::array();
  for (uint8_t c : p.cards) cards.push_back(c);
  return {{"spawn_x", FloatJson(p.spawn_x)},
          {"spawn_y", FloatJson(p.spawn_y)},
          {"color", p.color},
          {"x", FloatJson(p.x)},
          {"y", FloatJson(p.y)},
          {"health", p.health},
          {"points", p.points},
          {"weapon", p.weapon},
          {"weapon_change_cooldown", p.weapon_change_cooldown},
          {"weapons", weapons},
          {"cards", cards},
          {"walk_speed", p.walk_speed},
          {"target_actor", p.target_actor},
          {"target_player", p.target_player},
          {"kills", p.kills},
          {"message", Text(p.message)},
          {"message_timer", p.message_timer}};
}

json ActorJson(const game::Actor& a) {
  return {{"x", a.x},           {"y", a.y},           {"kind", a.kind},
          {"hp", a.hp},         {"max_hp", a.max_hp}, {"attack_cooldown", a.attack_cooldown},
          {"damage", a.damage}, {"step", a.step},     {"reach", FloatJson(a.reach)}};
}

json CellJson(const game::MapCell& c, int x, int y) {
  return {{"x", x},
          {"y", y},
          {"texture", c.texture},
          {"animated", c.animated},
          {"tint_r", c.tint_r},
          {"tint_g", c.tint_g},
          {"tint_b", c.tint_b},
          {"object", c.object},
          {"overlay", c.overlay},
          {"entity", c.entity},
          {"actor_index", c.actor_index},
          {"pulse_channel", c.pulse_channel}};
}

}  // namespace

json FloatJson(float value) {
  if (!std::isfinite(value)) return nullptr;
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof(buf), value);
  *res.ptr = '\0';
  return std::strtod(buf, nullptr);
}

json StateJson(const game::World& w, int64_t tick, const std::vector<std::pair<int, int>>& cells,
               const std::string& program_dir) {
  json players = json::array();
  for (const game::PlayerState& p : w.players) players.push_back(PlayerJson(p));
  json actors = json::array();
  const int count = std::clamp(w.actor_count, 0, game::kMaxActors);
  for (int i = 0; i < count; ++i) actors.push_back(ActorJson(w.actors[i]));
  json cell_list = json::array();
  for (const auto& [x, y] : cells) cell_list.push_back(CellJson(w.cell(x, y), x, y));
  json keys = json::array();
  for (uint8_t k : w.key_codes) keys.push_back(k);

  return {{"tick", tick},
          {"level_number", w.level_number},
          {"transition", w.transition},
          {"actor_count", w.actor_count},
          {"respawn_count", w.respawn_count},
          {"respawn_timer", w.respawn_timer},
          {"mission_progress", w.mission_progress},
          {"mission_goal", w.mission_goal},
          {"mission_unit", Text(w.mission_unit)},
          {"medkit_heal", w.medkit_heal},
          {"ambient_color", w.ambient_color},
          {"center_message", Text(w.center_message)},
          {"center_message_timer", w.center_message_timer},
          {"pulse_phase", w.pulse_phase},
          {"anim_phase", w.anim_phase},
          {"cycle100", w.cycle100},
          {"clock_minutes", w.clock_minutes},
          {"clock_steps", w.clock_steps},
          {"menu_sound_armed", w.menu_sound_armed},
          {"two_players", w.two_players},
          {"second_player", w.second_player},
          {"resources_loaded", 0},  // a run loads no resources
          {"program_dir", program_dir},
          {"hud_alpha", w.hud_alpha},
          {"minimap_alpha", w.minimap_alpha},
          {"enemy_color", w.enemy_color},
          {"game_mode", w.game_mode},
          {"key_codes", keys},
          {"players", players},
          {"actors", actors},
          {"cells", cell_list}};
}

}  // namespace bv::sim

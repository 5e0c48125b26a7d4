#include "settings/config_json.h"

namespace bv::settings {

namespace {
constexpr const char* kKeyNames[2 * kConfigKeysPerPlayer] = {
    "c1_up", "c1_down", "c1_left", "c1_right", "c1_ch", "c1_atack",
    "c2_up", "c2_down", "c2_left", "c2_right", "c2_ch", "c2_atack"};
}  // namespace

nlohmann::ordered_json ConfigToJson(const ConfigBytes& bytes) {
  const ConfigRecord r = DecodeConfig(bytes);
  nlohmann::ordered_json j;
  j["hud_trans"] = r.hud_trans;
  j["map_trans"] = r.map_trans;
  j["p1_color"] = r.p1_color;
  j["p2_color"] = r.p2_color;
  j["en_color"] = r.en_color;
  j["dif_level"] = r.dif_level;
  j["multi_tryb"] = r.multi_tryb;
  j["frag_limit"] = r.frag_limit;
  j["point_limit"] = r.point_limit;
  j["reitem_period"] = r.reitem_period;
  j["arenamode"] = r.arenamode;
  j["anti"] = r.anti;
  j["dirt"] = r.dirt;
  j["showfps"] = r.showfps;
  for (std::size_t i = 0; i < r.keys.size(); ++i) j[kKeyNames[i]] = r.keys[i];
  nlohmann::ordered_json reserved = nlohmann::ordered_json::object();
  for (std::size_t at : config_offset::kReserved) reserved[std::to_string(at)] = bytes[at];
  j["reserved"] = reserved;
  return j;
}

}  // namespace bv::settings

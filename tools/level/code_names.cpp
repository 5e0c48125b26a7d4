#include "level/code_names.h"

#include <array>
#include <map>

namespace bv::level {

namespace {

const std::array<const char*, game::kLastObjectCode + 1> kObjectNames = {
    "floor",        "solid",          "medkit",       "eagle",
    "mp5",          "blaster",        "eagle_ammo",   "mp5_ammo",
    "blaster_ammo", "eagle_ammo_big", "mp5_ammo_big", "blaster_ammo_big",
    "cd",           "alert",          "level_sound",  "menu_one",
    "menu_two",     "menu_options",   "menu_exit",    "menu_sound",
    "alert_long",   "upgrade",        "roar1",        "roar2",
    "power_on",     "power_off",      "minigun",      "minigun_ammo_big",
    "minigun_ammo", "steroids",       "pulse_red",    "pulse_green",
    "pulse_blue",   "trap",           "animated",     "card0",
    "card1",        "card2",          "card3",        "card4",
    "door0",        "door1",          "door2",        "door3",
    "door4",        "push_up",        "push_down",    "push_left",
    "push_right",
};

}  // namespace

std::string ObjectName(int code) {
  if (code < 0 || code > game::kLastObjectCode) return {};
  return kObjectNames[static_cast<size_t>(code)];
}

std::string EntityName(int code) {
  if (code == game::kNoEntity) return "none";
  if (code == game::kPlayer1Start) return "start1";
  if (code == game::kPlayer2Start) return "start2";
  if (game::IsMovingKind(code)) return "enemy" + std::to_string(code);
  if (game::IsStillTarget(code)) return "target" + std::to_string(code);
  if (game::IsStillAttacker(code)) return "turret" + std::to_string(code);
  return {};
}

// The cards and doors also go by the colours the art gives them.
const std::array<const char*, game::kColourCount> kCardColours = {"red", "yellow", "green", "blue",
                                                                  "violet"};

namespace {

// Looked up once per field of every cell a source names: built once.
std::optional<int> Find(const std::map<std::string, int>& names, const std::string& name) {
  auto it = names.find(name);
  if (it == names.end()) return std::nullopt;
  return it->second;
}

}  // namespace

std::optional<int> ObjectByName(const std::string& name) {
  static const std::map<std::string, int> names = [] {
    std::map<std::string, int> m;
    for (int c = 0; c <= game::kLastObjectCode; ++c)
      m.emplace(kObjectNames[static_cast<size_t>(c)], c);
    for (int k = 0; k < game::kColourCount; ++k) {
      const std::string colour = kCardColours[static_cast<size_t>(k)];
      m.emplace("card_" + colour, obj::kCard0 + k);
      m.emplace("door_" + colour, obj::kDoor0 + k);
    }
    return m;
  }();
  return Find(names, name);
}

std::optional<int> EntityByName(const std::string& name) {
  static const std::map<std::string, int> names = [] {
    std::map<std::string, int> m;
    for (int c = 0; c <= game::kLastActorKind; ++c) m.emplace(EntityName(c), c);  // the first wins
    return m;
  }();
  return Find(names, name);
}

const char* RoleName(Role role) {
  switch (role) {
    case Role::kCampaign:
      return "campaign";
    case Role::kArena:
      return "arena";
    case Role::kCustom:
      return "custom";
    case Role::kMenu:
      return "menu";
  }
  return "custom";
}

std::optional<Role> RoleByName(const std::string& name) {
  for (Role r : {Role::kCampaign, Role::kArena, Role::kCustom, Role::kMenu}) {
    if (name == RoleName(r)) return r;
  }
  return std::nullopt;
}

}  // namespace bv::level

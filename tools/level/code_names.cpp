#include "level/code_names.h"

#include <array>

namespace bv::level {

namespace {

const std::array<const char*, kLastObjectCode + 1> kObjectNames = {
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
  if (code < 0 || code > kLastObjectCode) return {};
  return kObjectNames[static_cast<size_t>(code)];
}

std::string EntityName(int code) {
  if (code == 0) return "none";
  if (code == 1) return "start1";
  if (code == 2) return "start2";
  if (code >= 3 && code <= 17) return "enemy" + std::to_string(code);
  if (code >= 18 && code <= 27) return "target" + std::to_string(code);
  if (code >= 28 && code <= 39) return "turret" + std::to_string(code);
  return {};
}

// The cards and doors also go by the colours the art gives them.
const std::array<const char*, 5> kCardColours = {"red", "yellow", "green", "blue", "violet"};

std::optional<int> ObjectByName(const std::string& name) {
  for (int c = 0; c <= kLastObjectCode; ++c) {
    if (name == kObjectNames[static_cast<size_t>(c)]) return c;
  }
  for (int k = 0; k < 5; ++k) {
    const std::string colour = kCardColours[static_cast<size_t>(k)];
    if (name == "card_" + colour) return obj::kFirstCard + k;
    if (name == "door_" + colour) return obj::kFirstDoor + k;
  }
  return std::nullopt;
}

std::optional<int> EntityByName(const std::string& name) {
  for (int c = 0; c <= kLastEntityCode; ++c) {
    if (name == EntityName(c)) return c;
  }
  return std::nullopt;
}

bool IsBlockingObject(int code) {
  return code == obj::kSolid || (code >= obj::kPulseRed && code <= obj::kPulseBlue) ||
         code == obj::kAnimated || IsDoor(code);
}

bool IsDoor(int code) {
  return code >= obj::kFirstDoor && code < obj::kFirstDoor + 5;
}
bool IsCard(int code) {
  return code >= obj::kFirstCard && code < obj::kFirstCard + 5;
}

bool IsRespawnable(int code) {
  switch (code) {
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

bool PushDirection(int code, int& dx, int& dy) {
  dx = dy = 0;
  switch (code) {
    case obj::kPushUp:
      dy = -1;
      return true;
    case obj::kPushDown:
      dy = 1;
      return true;
    case obj::kPushLeft:
      dx = -1;
      return true;
    case obj::kPushRight:
      dx = 1;
      return true;
    default:
      return false;
  }
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

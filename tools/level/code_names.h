#pragma once

// The names a level source may use for object and entity codes. The codes
// themselves and what they do are the game's (game/object_codes.h,
// game/entity_table.h).

#include <optional>
#include <string>

#include "game/entity_table.h"
#include "game/object_codes.h"

namespace bv::level {

namespace obj = game::obj;

// "cd", "door2", "push_left"; empty for codes without a name (above 48).
std::string ObjectName(int code);
// "start1", "enemy5", "target20", "turret33"; empty above 39.
std::string EntityName(int code);

std::optional<int> ObjectByName(const std::string& name);
std::optional<int> EntityByName(const std::string& name);

enum class Role { kCampaign, kArena, kCustom, kMenu };
const char* RoleName(Role role);
std::optional<Role> RoleByName(const std::string& name);

}  // namespace bv::level

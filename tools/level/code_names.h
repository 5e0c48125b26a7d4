#pragma once

// The names a level source may use for object and entity codes.

#include <optional>
#include <string>

namespace bv::level {

constexpr int kLastObjectCode = 48;
constexpr int kLastEntityCode = 39;

// Object codes the rules give a meaning to.
namespace obj {
constexpr int kFloor = 0, kSolid = 1, kMedkit = 2, kCd = 12, kMenuOne = 15, kMenuTwo = 16,
              kMenuOptions = 17, kMenuExit = 18, kMenuSound = 19, kPowerOn = 24, kPowerOff = 25,
              kSteroids = 29, kPulseRed = 30, kPulseBlue = 32, kTrap = 33, kAnimated = 34,
              kFirstCard = 35, kFirstDoor = 40, kPushUp = 45, kPushDown = 46, kPushLeft = 47,
              kPushRight = 48;
}

// "cd", "door2", "push_left"; empty for codes without a name (above 48).
std::string ObjectName(int code);
// "start1", "enemy5", "target20", "turret33"; empty above 39.
std::string EntityName(int code);

std::optional<int> ObjectByName(const std::string& name);
std::optional<int> EntityByName(const std::string& name);

// Walls block walking; the setup turns these into solid cells.
bool IsBlockingObject(int code);
bool IsDoor(int code);
bool IsCard(int code);
// Objects the two-player modes bring back after a while.
bool IsRespawnable(int code);
// Moving floors: the direction a cell pushes (dx, dy); false for other codes.
bool PushDirection(int code, int& dx, int& dy);

enum class Role { kCampaign, kArena, kCustom, kMenu };
const char* RoleName(Role role);
std::optional<Role> RoleByName(const std::string& name);

}  // namespace bv::level

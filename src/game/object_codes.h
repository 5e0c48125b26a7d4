#pragma once

// The object codes of a level cell (byte 4 of the file, MapCell::object and
// MapCell::overlay) and what the rules make of them.

#include <cstdint>

namespace bv::game {

namespace obj {
constexpr uint8_t kFloor = 0;
constexpr uint8_t kSolid = 1;  // blocks walking and sight; drawn by its texture only
constexpr uint8_t kMedkit = 2;
constexpr uint8_t kEagle = 3;
constexpr uint8_t kMp5 = 4;
constexpr uint8_t kBlaster = 5;
constexpr uint8_t kEagleAmmo = 6;
constexpr uint8_t kMp5Ammo = 7;
constexpr uint8_t kBlasterAmmo = 8;
constexpr uint8_t kEagleAmmoBig = 9;
constexpr uint8_t kMp5AmmoBig = 10;
constexpr uint8_t kBlasterAmmoBig = 11;
constexpr uint8_t kCd = 12;  // the mission item
constexpr uint8_t kAlert = 13;
constexpr uint8_t kLevelSound = 14;
constexpr uint8_t kMenuOne = 15;
constexpr uint8_t kMenuTwo = 16;
constexpr uint8_t kMenuOptions = 17;
constexpr uint8_t kMenuExit = 18;
constexpr uint8_t kMenuSound = 19;
constexpr uint8_t kAlertLong = 20;
constexpr uint8_t kUpgrade = 21;
constexpr uint8_t kRoar1 = 22;
constexpr uint8_t kRoar2 = 23;
constexpr uint8_t kPowerOn = 24;
constexpr uint8_t kPowerOff = 25;
constexpr uint8_t kMinigun = 26;
constexpr uint8_t kMinigunAmmoBig = 27;
constexpr uint8_t kMinigunAmmo = 28;
constexpr uint8_t kSteroids = 29;
constexpr uint8_t kPulseRed = 30;
constexpr uint8_t kPulseGreen = 31;
constexpr uint8_t kPulseBlue = 32;
constexpr uint8_t kTrap = 33;
constexpr uint8_t kAnimated = 34;
constexpr uint8_t kCard0 = 35;
constexpr uint8_t kCard1 = 36;
constexpr uint8_t kCard2 = 37;
constexpr uint8_t kCard3 = 38;
constexpr uint8_t kCard4 = 39;
constexpr uint8_t kDoor0 = 40;
constexpr uint8_t kDoor1 = 41;
constexpr uint8_t kDoor2 = 42;
constexpr uint8_t kDoor3 = 43;
constexpr uint8_t kDoor4 = 44;
constexpr uint8_t kPushUp = 45;
constexpr uint8_t kPushDown = 46;
constexpr uint8_t kPushLeft = 47;
constexpr uint8_t kPushRight = 48;
}  // namespace obj

// Codes above this have no object image; the setup reads them as floor.
constexpr int kLastObjectCode = obj::kPushRight;
constexpr int kColourCount = 5;  // cards and doors come in five colours

// MapCell::overlay without a door, and an empty place among a player's cards.
constexpr uint8_t kNoOverlay = 0;
constexpr uint8_t kNoCard = 0;

// MapCell::pulse_channel: which component of the cell colour pulses.
constexpr uint8_t kNoPulse = 0;
constexpr uint8_t kPulseChannelRed = 1;
constexpr uint8_t kPulseChannelGreen = 2;
constexpr uint8_t kPulseChannelBlue = 3;

constexpr bool IsCard(int code) {
  return code >= obj::kCard0 && code < obj::kCard0 + kColourCount;
}
constexpr bool IsDoor(int code) {
  return code >= obj::kDoor0 && code < obj::kDoor0 + kColourCount;
}
// A card's place among the player's five cards.
constexpr int CardSlot(int card) {
  return card - obj::kCard0;
}
// The door (overlay) a card opens; an empty card place opens none.
constexpr int DoorForCard(int card) {
  return card + (obj::kDoor0 - obj::kCard0);
}

constexpr bool IsPulseWall(int code) {
  return code >= obj::kPulseRed && code <= obj::kPulseBlue;
}
// The channel a pulsing wall drives: 1 red, 2 green, 3 blue.
constexpr uint8_t PulseChannelOf(int code) {
  return IsPulseWall(code) ? static_cast<uint8_t>(code - obj::kPulseRed + kPulseChannelRed)
                           : kNoPulse;
}

// Codes the level setup turns into solid cells (plain walls, pulsing and
// animated walls, locked doors): they block walking.
constexpr bool IsBlockingObject(int code) {
  return code == obj::kSolid || IsPulseWall(code) || code == obj::kAnimated || IsDoor(code);
}

// Floor and solid cells show their texture only; every other code draws its
// object image.
constexpr bool IsDrawnObject(int code) {
  return code > obj::kSolid;
}

// Items the two-player matches bring back after a while.
constexpr bool IsRespawnable(int code) {
  switch (code) {
    case obj::kMedkit:
    case obj::kEagleAmmo:
    case obj::kMp5Ammo:
    case obj::kBlasterAmmo:
    case obj::kEagleAmmoBig:
    case obj::kMp5AmmoBig:
    case obj::kBlasterAmmoBig:
    case obj::kUpgrade:
    case obj::kMinigunAmmoBig:
    case obj::kMinigunAmmo:
    case obj::kSteroids:
      return true;
    default:
      return IsCard(code);
  }
}

// The menu level's start, options and exit cells.
constexpr bool IsMenuCell(int code) {
  return code >= obj::kMenuOne && code <= obj::kMenuExit;
}

constexpr bool IsPowerSwitch(int code) {
  return code == obj::kPowerOn || code == obj::kPowerOff;
}

// Moving floors: the direction a cell pushes (dx, dy); false for other codes.
constexpr bool PushDirection(int code, int& dx, int& dy) {
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

}  // namespace bv::game

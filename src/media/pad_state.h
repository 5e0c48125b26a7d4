#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace bv::media {

// A game controller's buttons and axes, in the order and layout of SDL's
// game controller API: positions by place on the pad, not by printed
// letter (south is A on an Xbox pad, the cross on a PlayStation pad).
enum class PadButton : int {
  kSouth,
  kEast,
  kWest,
  kNorth,
  kBack,
  kGuide,
  kStart,
  kLeftStick,
  kRightStick,
  kLeftShoulder,
  kRightShoulder,
  kDpadUp,
  kDpadDown,
  kDpadLeft,
  kDpadRight,
  kCount
};
// Sticks -32768..32767 (y grows downwards); triggers 0..32767.
enum class PadAxis : int { kLeftX, kLeftY, kRightX, kRightY, kLeftTrigger, kRightTrigger, kCount };

constexpr int kPadButtonCount = static_cast<int>(PadButton::kCount);
constexpr int kPadAxisCount = static_cast<int>(PadAxis::kCount);

struct PadState {
  std::array<bool, kPadButtonCount> buttons{};
  std::array<int16_t, kPadAxisCount> axes{};

  bool Button(PadButton b) const { return buttons[static_cast<std::size_t>(b)]; }
  int Axis(PadAxis a) const { return axes[static_cast<std::size_t>(a)]; }
  void SetButton(PadButton b, bool down) { buttons[static_cast<std::size_t>(b)] = down; }
  void SetAxis(PadAxis a, int16_t v) { axes[static_cast<std::size_t>(a)] = v; }
};

// What a pad asks of its player, in the order of a player's six keys in the
// world's key_codes (up, down, left, right, attack, change weapon), then
// Escape.
enum PadAction : int { kPadUp, kPadDown, kPadLeft, kPadRight, kPadAttack, kPadChange, kPadEscape };
constexpr int kPadPlayerActions = 6;
constexpr int kPadActionCount = 7;
using PadActions = std::array<bool, kPadActionCount>;

// The left stick counts only beyond this distance from the centre, so that a
// worn stick resting off centre does not walk the player.
constexpr int kStickDeadZone = 8000;
// A trigger pulled a quarter of its way attacks.
constexpr int kTriggerThreshold = 8192;

// The D-pad or the left stick give the four directions (the stick in eight
// equal sectors, so that a diagonal needs a diagonal push); the south button
// or the right trigger attack; the west button or either shoulder changes
// weapon; Start or Back are Escape.
PadActions ActionsOf(const PadState& pad);

}  // namespace bv::media

#include "media/pad_state.h"

namespace bv::media {

namespace {

// sin^2 of 22.5 degrees: beyond it an axis counts, so the eight sectors of
// the stick are 45 degrees each.
constexpr double kSectorEdgeSquared = 0.14644660940672624;

}  // namespace

PadActions ActionsOf(const PadState& pad) {
  PadActions a{};
  const double x = pad.Axis(PadAxis::kLeftX);
  const double y = pad.Axis(PadAxis::kLeftY);
  const double length_squared = x * x + y * y;
  const double dead = static_cast<double>(kStickDeadZone) * kStickDeadZone;
  const bool stick = length_squared > dead;
  const bool stick_x = stick && x * x > length_squared * kSectorEdgeSquared;
  const bool stick_y = stick && y * y > length_squared * kSectorEdgeSquared;

  a[kPadUp] = pad.Button(PadButton::kDpadUp) || (stick_y && y < 0);
  a[kPadDown] = pad.Button(PadButton::kDpadDown) || (stick_y && y > 0);
  a[kPadLeft] = pad.Button(PadButton::kDpadLeft) || (stick_x && x < 0);
  a[kPadRight] = pad.Button(PadButton::kDpadRight) || (stick_x && x > 0);
  a[kPadAttack] =
      pad.Button(PadButton::kSouth) || pad.Axis(PadAxis::kRightTrigger) >= kTriggerThreshold;
  a[kPadChange] = pad.Button(PadButton::kWest) || pad.Button(PadButton::kLeftShoulder) ||
                  pad.Button(PadButton::kRightShoulder);
  a[kPadEscape] = pad.Button(PadButton::kStart) || pad.Button(PadButton::kBack);
  return a;
}

}  // namespace bv::media

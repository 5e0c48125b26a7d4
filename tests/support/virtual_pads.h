#pragma once

// Pads for tests: SDL's virtual joysticks, plugged in, pressed and pulled out
// without a device. SDL's joystick subsystem must be running.

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace bv::test {

class VirtualPads {
 public:
  VirtualPads() = default;
  VirtualPads(const VirtualPads&) = delete;
  VirtualPads& operator=(const VirtualPads&) = delete;
  ~VirtualPads() {
    while (!sticks_.empty()) Pull(0);
  }

  // A pad with every control of a game controller (or a plain joystick of
  // another type, which SDL does not map); its device index.
  int Plug(const char* name, SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER) {
    SDL_VirtualJoystickDesc d{};
    d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    d.type = static_cast<Uint16>(type);
    d.naxes = SDL_CONTROLLER_AXIS_MAX;
    d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    d.name = name;
    const int index = SDL_JoystickAttachVirtualEx(&d);
    EXPECT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* j = index >= 0 ? SDL_JoystickOpen(index) : nullptr;  // to set its controls
    EXPECT_NE(j, nullptr) << SDL_GetError();
    if (j != nullptr) sticks_.push_back(j);
    return index;
  }
  // The i-th pad still plugged in (in the order plugged) pulled out.
  void Pull(size_t i) {
    SDL_Joystick* j = sticks_[i];
    const SDL_JoystickID id = SDL_JoystickInstanceID(j);
    for (int d = 0; d < SDL_NumJoysticks(); ++d) {
      if (SDL_JoystickGetDeviceInstanceID(d) == id) SDL_JoystickDetachVirtual(d);
    }
    SDL_JoystickClose(j);
    sticks_.erase(sticks_.begin() + static_cast<long>(i));
  }
  void Press(size_t i, int button, bool down = true) {
    SDL_JoystickSetVirtualButton(sticks_[i], button, down ? 1 : 0);
  }
  void Axis(size_t i, int axis, int16_t value) {
    SDL_JoystickSetVirtualAxis(sticks_[i], axis, value);
  }
  size_t size() const { return sticks_.size(); }

 private:
  std::vector<SDL_Joystick*> sticks_;
};

}  // namespace bv::test

#pragma once

#include <bitset>
#include <memory>

#include "media/input_reader.h"
#include "media/keyboard_device.h"

struct SDL_Window;

namespace bv::media {

// The keyboard as one SDL window sees it: readable while that window has the
// keyboard focus. SDL's video subsystem must be running.
class SdlKeyboard final : public KeyboardDevice {
 public:
  explicit SdlKeyboard(SDL_Window* window) : window_(window) {}
  // -1 without a window, -29 when SDL's video (and so its keyboard) is not running.
  int32_t Open() override;
  bool HasFocus() const override;
  bool Read(KeyState& state) override;

  // Keys the window keeps for itself (its fullscreen keys): an SDL scancode
  // hidden always, or from now until it is released.
  void HideAlways(int sdl_scancode);
  void HideUntilReleased(int sdl_scancode);

 private:
  static constexpr int kScancodes = 512;
  SDL_Window* window_;
  std::bitset<kScancodes> hidden_always_;
  std::bitset<kScancodes> hidden_held_;
};

// A keyboard reader bound to the window; Initialize it before use.
std::unique_ptr<InputReader> MakeSdlInputReader(SDL_Window* window);

}  // namespace bv::media

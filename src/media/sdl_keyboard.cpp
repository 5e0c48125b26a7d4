#include "media/sdl_keyboard.h"

#include <SDL.h>

#include "media/error_codes.h"
#include "media/scancode_map.h"

namespace bv::media {

int32_t SdlKeyboard::Open() {
  if (window_ == nullptr) return kErrInvalidCall;
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return kErrInputInterface;
  return kOk;
}

bool SdlKeyboard::HasFocus() const {
  return window_ != nullptr && SDL_GetKeyboardFocus() == window_;
}

bool SdlKeyboard::Read(KeyState& state) {
  int count = 0;
  const Uint8* keys = SDL_GetKeyboardState(&count);
  if (keys == nullptr) return false;
  if (hidden_always_.none() && hidden_held_.none()) {
    state = MapKeyboardState(keys, count);
    return true;
  }
  Uint8 seen[kScancodes] = {};
  const int n = count < kScancodes ? count : kScancodes;
  for (int i = 0; i < n; ++i) {
    if (hidden_held_[static_cast<std::size_t>(i)] && keys[i] == 0) {
      hidden_held_[static_cast<std::size_t>(i)] = false;
    }
    const bool hidden = hidden_always_[static_cast<std::size_t>(i)] ||
                        hidden_held_[static_cast<std::size_t>(i)];
    seen[i] = hidden ? 0 : keys[i];
  }
  state = MapKeyboardState(seen, n);
  return true;
}

void SdlKeyboard::HideAlways(int sdl_scancode) {
  if (sdl_scancode >= 0 && sdl_scancode < kScancodes) {
    hidden_always_[static_cast<std::size_t>(sdl_scancode)] = true;
  }
}

void SdlKeyboard::HideUntilReleased(int sdl_scancode) {
  if (sdl_scancode >= 0 && sdl_scancode < kScancodes) {
    hidden_held_[static_cast<std::size_t>(sdl_scancode)] = true;
  }
}

std::unique_ptr<InputReader> MakeSdlInputReader(SDL_Window* window) {
  return std::make_unique<InputReader>(std::make_unique<SdlKeyboard>(window));
}

}  // namespace bv::media

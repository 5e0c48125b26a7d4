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
  state = MapKeyboardState(keys, count);
  return true;
}

std::unique_ptr<InputReader> MakeSdlInputReader(SDL_Window* window) {
  return std::make_unique<InputReader>(std::make_unique<SdlKeyboard>(window));
}

}  // namespace bv::media

#pragma once

#include <SDL_scancode.h>

#include <cstdint>

#include "media/key_state.h"

namespace bv::media {

// The key code (set-1 scan code, extended keys plus 128) of an SDL key; 0 for
// keys the 105-key PC keyboard does not have and for numbers outside SDL's
// range (an int, as such a number is no valid SDL_Scancode).
uint8_t KeyCodeOf(int scancode);
// The SDL key of a key code; SDL_SCANCODE_UNKNOWN when none maps to it.
SDL_Scancode ScancodeOf(uint8_t code);

// SDL's keyboard state (one byte per scancode, as SDL_GetKeyboardState gives
// it) as a key-code table; keys without a code are left out.
KeyState MapKeyboardState(const uint8_t* sdl_state, int count);

}  // namespace bv::media

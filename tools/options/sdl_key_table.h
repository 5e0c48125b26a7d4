#pragma once

#include <array>
#include <cstdint>

#include "game/key_source.h"

struct SDL_Window;

namespace bv::tools {

// The keyboard as one window sees it, under the game's key codes (set-1
// scan codes, extended keys plus 128), read from SDL's keyboard state.
// Like the game's reader it reads only while its window has the keyboard
// focus; otherwise the table keeps what it last read.
class SdlKeyTable final : public game::KeySource {
 public:
  explicit SdlKeyTable(SDL_Window* window) : window_(window) {}
  int32_t Update() override;
  bool KeyDown(uint8_t code) const override { return (table_[code] & 0x80) != 0; }

 private:
  SDL_Window* window_;
  std::array<uint8_t, 256> table_{};
};

}  // namespace bv::tools

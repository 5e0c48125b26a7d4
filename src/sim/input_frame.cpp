#include "sim/input_frame.h"

namespace bv::sim {

InputFrame ReadInputFrame(const game::KeySource& keys, const KeyCodes& key_codes) {
  InputFrame frame = 0;
  for (int i = 0; i < game::kKeyCount; ++i) {
    if (keys.KeyDown(key_codes[i])) frame |= static_cast<InputFrame>(1u << i);
  }
  if (keys.KeyDown(game::kKeyEscape)) frame |= static_cast<InputFrame>(1u << kEscapeBit);
  return frame;
}

bool FrameKeys::KeyDown(uint8_t code) const {
  if (code == game::kKeyEscape && (frame_ & (1u << kEscapeBit)) != 0) return true;
  for (int i = 0; i < game::kKeyCount; ++i) {
    if (key_codes_[i] == code && (frame_ & (1u << i)) != 0) return true;
  }
  return false;
}

}  // namespace bv::sim

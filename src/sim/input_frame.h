#pragma once

#include <array>
#include <cstdint>

#include "game/key_source.h"
#include "game/world.h"

namespace bv::sim {

// The keys the tick tests in one step, one bit each: bits 0..11 follow the
// world's key_codes (player * 6 + up, down, left, right, attack, change
// weapon) and bit 12 is Escape (code 1). This is what replays record and
// network peers exchange per step.
using InputFrame = uint16_t;
using KeyCodes = std::array<uint8_t, game::kKeyCount>;

constexpr int kEscapeBit = game::kKeyCount;
constexpr int kInputFrameBits = game::kKeyCount + 1;
constexpr InputFrame kInputFrameMask = (1u << kInputFrameBits) - 1;

// The frame `keys` holds now (after its last Update) under `key_codes`.
InputFrame ReadInputFrame(const game::KeySource& keys, const KeyCodes& key_codes);

// Plays a frame back to the tick: a code is down when any bit bound to it is
// set (a code bound to several actions answers for all of them), code 1 also
// for the Escape bit; unbound codes read up. Update keeps the frame. The key
// codes are read at each query, so a binding changed by the options window
// takes effect at once; they must outlive the adaptor.
class FrameKeys final : public game::KeySource {
 public:
  explicit FrameKeys(const KeyCodes& key_codes) : key_codes_(key_codes) {}

  void set_frame(InputFrame frame) { frame_ = frame & kInputFrameMask; }
  InputFrame frame() const { return frame_; }

  int32_t Update() override { return 0; }
  bool KeyDown(uint8_t code) const override;

 private:
  const KeyCodes& key_codes_;
  InputFrame frame_ = 0;
};

}  // namespace bv::sim

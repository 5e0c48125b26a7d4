#pragma once

#include <cstdint>
#include <memory>

#include "game/key_source.h"
#include "media/key_state.h"
#include "media/keyboard_device.h"

namespace bv::media {

// Polls the keyboard into a 256-entry table by key code. Bound to one window:
// the table is refreshed only while that window has the focus; without it
// every key reads as up, so that no key stays held.
class InputReader final : public game::KeySource {
 public:
  // A reader without a device (no window to bind to) never starts.
  explicit InputReader(std::unique_ptr<KeyboardDevice> device);

  // 0, or -1 when already started or unbound, or the device's code.
  int32_t Initialize();
  // Stops reading; the table keeps its last contents. Always 0.
  int32_t Finalize();
  bool started() const { return started_; }

  // 0; -40 while the window lacks the focus (every key then reads up), -41
  // when the keys cannot be read (the table stays as it was). Before
  // Initialize there is nothing to read and the result is 0.
  int32_t Update() override;
  bool KeyDown(uint8_t code) const override { return (table_[code] & kKeyHeld) != 0; }

 private:
  std::unique_ptr<KeyboardDevice> device_;
  bool started_ = false;
  KeyState table_{};
};

}  // namespace bv::media

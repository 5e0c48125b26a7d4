#pragma once

#include <cstdint>

#include "media/key_state.h"

namespace bv::media {

// The keyboard as one window sees it. SDL in the game; a fake in tests.
class KeyboardDevice {
 public:
  virtual ~KeyboardDevice() = default;
  // Makes the device ready; 0, or a media error code.
  virtual int32_t Open() = 0;
  // True while the device's window has the keyboard focus.
  virtual bool HasFocus() const = 0;
  // The held state of every key under the key codes; false when unreadable.
  virtual bool Read(KeyState& state) = 0;
};

}  // namespace bv::media

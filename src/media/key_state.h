#pragma once

#include <array>
#include <cstdint>

namespace bv::media {

// One byte per key code (PC set-1 scan codes, extended keys plus 128); a key is
// down when bit 7 of its byte is set.
using KeyState = std::array<uint8_t, 256>;
constexpr uint8_t kKeyHeld = 0x80;

}  // namespace bv::media

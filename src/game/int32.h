#pragma once

// 32-bit integer arithmetic done in 64 bits and brought back.

#include <cstdint>
#include <limits>

namespace bv::game {

// Clamped into the 32-bit range: screen sums stay far away instead of
// wrapping onto the screen.
constexpr int32_t Saturate(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// Kept: the rules' 32-bit counters (health, points, ammo, hit points) wrap
// around on overflow instead of stopping at the limit.
constexpr int32_t Wrap32(int64_t v) {
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}

}  // namespace bv::game

#pragma once

// The two-player game modes, as the settings' mode list numbers them. The
// world's game_mode is a plain byte: settings may hold other values, which
// match none of these.

#include <cstdint>

namespace bv::game {

constexpr uint8_t kCooperation = 0;
constexpr uint8_t kDeathmatch = 1;
constexpr uint8_t kPointmatch = 2;
constexpr int kGameModeCount = 3;

// The matches of one player against the other.
constexpr bool IsMatchMode(int mode) {
  return mode == kDeathmatch || mode == kPointmatch;
}

}  // namespace bv::game

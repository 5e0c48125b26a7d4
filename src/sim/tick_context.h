#pragma once

// Shared by the rule files of one tick; not part of the library's interface.

#include <cmath>
#include <cstdint>

#include "game/world.h"
#include "sim/tick.h"

namespace bv::sim {

// Key actions in the order of key_codes: player * 6 + action.
enum class Action { kUp = 0, kDown, kLeft, kRight, kAttack, kChange };

// A player's cells for this tick. Stored as bytes: a position left of or
// above the grid gives 255, which World::cell reads as the solid reset cell.
struct PlayerCells {
  uint8_t cx = 0;
  uint8_t cy = 0;
  uint8_t left = 0;
  uint8_t right = 0;
  uint8_t up = 0;
  uint8_t down = 0;
};

struct Tick {
  game::World& w;
  const TickServices& s;
  PlayerCells cells[2];

  int ActivePlayers() const { return w.second_player == 1 ? 2 : 1; }
  bool TwoPlayers() const { return w.second_player == 1; }
  bool Deathmatch() const { return TwoPlayers() && w.game_mode == 1; }
  bool Pointmatch() const { return TwoPlayers() && w.game_mode == 2; }
  bool KeyDown(int player, Action a) const {
    return s.keys.KeyDown(w.key_codes[player * 6 + static_cast<int>(a)]);
  }
  void Play(game::SoundSlot slot, int index = 0) const { s.sounds.Play(slot, index); }
};

constexpr int16_t kCenterMessageTicks = 1020;
constexpr int16_t kPlayerMessageTicks = 300;
constexpr int32_t kPlayStart = 896;

// floor(v / 50) as an int, kept in range for any position.
inline int CellOf(long double v) {
  long double c = std::floor(v / game::kCellSize);
  if (!(c > -1e6L)) return -1000000;  // also NaN
  if (c > 1e6L) return 1000000;
  return static_cast<int>(c);
}

// floor(v / 50) for the whole-pixel actor positions.
inline int ActorCell(int32_t v) {
  int q = v / game::kCellSize;
  return (v % game::kCellSize != 0 && v < 0) ? q - 1 : q;
}

// The tick-local byte form of a cell coordinate (-1 becomes 255).
inline uint8_t CellByte(long double v) {
  return static_cast<uint8_t>(CellOf(v));
}

// 32-bit arithmetic that wraps like the original's instead of overflowing.
inline int32_t Wrap32(int64_t v) {
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}

void ComputeCells(Tick& t, int player);

}  // namespace bv::sim

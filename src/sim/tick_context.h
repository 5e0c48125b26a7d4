#pragma once

// Shared by the rule files of one tick; not part of the library's interface.

#include <cstdint>

#include "game/game_mode.h"
#include "game/geometry.h"
#include "game/int32.h"
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
  bool Deathmatch() const { return TwoPlayers() && w.game_mode == game::kDeathmatch; }
  bool Pointmatch() const { return TwoPlayers() && w.game_mode == game::kPointmatch; }
  bool KeyDown(int player, Action a) const {
    return s.keys.KeyDown(w.key_codes[player * 6 + static_cast<int>(a)]);
  }
  void Play(game::SoundSlot slot, int index = 0) const { s.sounds.Play(slot, index); }
};

constexpr int16_t kCenterMessageTicks = 1020;
constexpr int16_t kPlayerMessageTicks = 300;

using game::ActorCell;
using game::CellByte;
using game::CellOf;
using game::Wrap32;

void ComputeCells(Tick& t, int player);

}  // namespace bv::sim

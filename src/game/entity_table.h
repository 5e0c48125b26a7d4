#pragma once

// The entity codes of a level cell (byte 5 of the file, MapCell::entity):
// the two player starts and the actor kinds with their table values.

#include <cstdint>

#include "game/world.h"

namespace bv::game {

constexpr int kNoEntity = 0;
constexpr int kPlayer1Start = 1;
constexpr int kPlayer2Start = 2;
constexpr int PlayerStart(int player) {
  return kPlayer1Start + player;
}

// Actor kinds: 3..17 walk towards the players, 18..27 are still targets,
// 28..39 still attackers.
constexpr int kFirstActorKind = 3;
constexpr int kLastMovingKind = 17;
constexpr int kFirstStillKind = 18;
constexpr int kLastTargetKind = 27;
constexpr int kFirstAttackerKind = 28;
constexpr int kLastActorKind = 39;

constexpr bool IsActorKind(int kind) {
  return kind >= kFirstActorKind && kind <= kLastActorKind;
}
constexpr bool IsMovingKind(int kind) {
  return kind >= kFirstActorKind && kind <= kLastMovingKind;
}
constexpr bool IsStillTarget(int kind) {
  return kind >= kFirstStillKind && kind <= kLastTargetKind;
}
constexpr bool IsStillAttacker(int kind) {
  return kind >= kFirstAttackerKind && kind <= kLastActorKind;
}

struct EntityStats {
  int32_t max_hp;
  uint8_t damage;
  float reach;
  uint8_t step;
};

// Values of an actor kind 3..39; nullptr for any other code.
const EntityStats* StatsForKind(int kind);

// A fresh actor of `kind` with its table values, centred on grid cell
// (gx, gy); an empty slot for a code that is no actor kind.
Actor NewActor(int kind, int gx, int gy);

}  // namespace bv::game

#pragma once

#include <cstdint>

namespace bv::game {

// Entity codes of the level file: 1 and 2 are player starts, 3..39 actor kinds.
constexpr int kFirstActorKind = 3;
constexpr int kLastActorKind = 39;
constexpr int kLastMovingKind = 17;   // 3..17 walk towards the players
constexpr int kFirstStillKind = 18;   // 18..27 still targets, 28..39 still attackers

struct EntityStats {
  int32_t max_hp;
  uint8_t damage;
  float reach;
  uint8_t step;
};

// Values of an actor kind 3..39; nullptr for any other code.
const EntityStats* StatsForKind(int kind);

}  // namespace bv::game

#pragma once

#include "sim/tick_context.h"

namespace bv::sim {

// Every live actor near a player takes its turn in index order: targets,
// attack, chase, and the players' death test after each turn.
void ActorTurns(Tick& t);

// The players' death test that follows each active actor's turn.
void DeathTest(Tick& t);

}  // namespace bv::sim

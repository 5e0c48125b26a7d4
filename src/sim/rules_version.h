#pragma once

#include <cstdint>

namespace bv::sim {

// The version of the game's rules and of the world's layout as the world
// hash walks it. Replay files and network peers carry it: a replay plays
// back only under the rules it was recorded with. Raise it with any change
// that can make a recorded game end differently (a rule, the tick's order,
// a world field or the hash's walk over them); never for art, levels,
// drawing or the platform around the game.
constexpr uint16_t kRulesVersion = 1;

}  // namespace bv::sim

#pragma once

#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "game/world.h"

namespace bv::sim {

// The world as JSON under its own field names: every scalar world field, both
// player records with their weapons, the live actors (0 .. actor_count-1),
// the respawn count and timer, and the requested grid cells; beside them the
// run's program_dir, and resources_loaded 0 (a run loads no resources).
// `tick` is the index of the last tick run (-1 before the first). Texts
// become UTF-8.
nlohmann::json StateJson(const game::World& world, int64_t tick,
                         const std::vector<std::pair<int, int>>& cells,
                         const std::string& program_dir);

// A 32-bit float as the shortest decimal that reads back as the same float.
nlohmann::json FloatJson(float value);

}  // namespace bv::sim

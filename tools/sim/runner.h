#pragma once

#include <nlohmann/json.hpp>

#include "game/world.h"
#include "replay/writer.h"
#include "tools/sim/event_log.h"
#include "tools/sim/scenario.h"

namespace bv::sim {

// Called by the run loop after every tick, with the world as the tick left
// it. A renderer plugs in here (screenshots at given ticks).
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  virtual void AfterTick(int64_t tick, const game::World& world) = 0;
};

// Runs the scenario's ticks on a fresh world through the real tick and
// returns {"ticks", "events", "states", "final"}; "final" also holds
// "world_hash", the world hash as 16 hex digits. A close-program request
// ends the run after the tick that made it.
// With `record`, the run is written as a replay too, as the game records
// its runs (the clock advancing one step a tick).
// With `events`, each event goes there as it happens and the result has no
// "events".
nlohmann::json RunScenario(const Scenario& scenario, RunObserver* observer = nullptr,
                           replay::Writer* record = nullptr, EventSink events = {});

// A run's "final": the world after `ticks` ticks, with its world hash.
nlohmann::json FinalJson(const game::World& world, int64_t ticks,
                         const std::vector<std::pair<int, int>>& cells,
                         const std::string& program_dir);

}  // namespace bv::sim

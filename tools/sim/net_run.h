#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "replay/writer.h"
#include "tools/sim/scenario.h"

namespace bv::sim {

struct NetRunResult {
  // As a local run prints it, with "net" (the link's figures) added.
  nlohmann::json out;
  // Empty when the game was played to its end; else why not.
  std::string error;
};

// Plays the scenario as one side of a network game (scenario.net): the
// host offers its start, settings and ticks and plays the p1.* inputs, the
// guest plays p2.*. Each side reports the game as confirmed by both. After
// a desync the replay (into `record`, when given) and a world dump (to
// `dump_path`) are written.
NetRunResult RunNetScenario(const Scenario& scenario, replay::Writer* record,
                            const std::string& dump_path);

}  // namespace bv::sim

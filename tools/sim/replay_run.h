#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "replay/player.h"
#include "replay/reader.h"
#include "tools/sim/runner.h"

namespace bv::sim {

struct ReplayRun {
  // The folder holding data/, where the level files are read from.
  std::string program_dir;
  int64_t report_every = 0;  // 0: the final state only
  // Stop at the first hash that does not match.
  bool stop_at_divergence = false;
  // Where the events go as they happen; unset, they are kept in the result.
  EventSink events;
};

struct ReplayResult {
  nlohmann::json out;  // {"ticks", "events", "states", "final"}, as a scenario run's
                       // ("events" only when not streamed)
  std::optional<replay::Divergence> divergence;
};

// Plays a replay file through the real tick and reports it as a scenario
// run does, a tick per recorded step.
ReplayResult RunReplay(const replay::ReplayFile& file, const ReplayRun& how,
                       RunObserver* observer = nullptr);

}  // namespace bv::sim

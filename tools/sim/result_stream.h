#pragma once

#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "tools/sim/event_log.h"

namespace bv::sim {

// brimvale-sim's one-line JSON, the way every value of it is written.
std::string DumpLine(const nlohmann::json& value);

// Writes a run's document while the run goes: the events as they happen,
// then the other members. The bytes are those of the whole document written
// at once (its keys are sorted, and "events" sorts first), but a run of any
// length keeps no events in memory.
class ResultStream {
 public:
  // Starts the document.
  explicit ResultStream(std::ostream& out);
  // Hands each event straight to the output; valid while the stream lives.
  EventSink Sink();
  // Writes `rest` (every member but "events") and ends the line.
  void Finish(const nlohmann::json& rest);

 private:
  std::ostream& out_;
  bool first_ = true;
};

}  // namespace bv::sim

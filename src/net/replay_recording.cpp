#include "net/replay_recording.h"

#include "sim/world_hash.h"

namespace bv::net {

void ReplayRecording::Started(const replay::Header& header, const replay::ReplayOptions& options,
                              const game::World& world) {
  replay::Header h = header;
  h.recorder = recorder_;
  h.started = started_;
  writer_.Begin(h, options, sim::WorldHash(world));
}

void ReplayRecording::Confirmed(const ConfirmedStep& step, const game::World& after) {
  writer_.Clock(Rollback::kClockPerStep);
  writer_.Step(replay::StepInput::Of(step.frame));
  if (step.set_up_level) writer_.Level(replay::LevelHash(after));
  if (writer_.unflushed_steps() >= kStepsPerChunk) {
    writer_.Hash(sim::WorldHash(after));
    writer_.Flush();
  }
}

void ReplayRecording::Finish(const game::World& confirmed_world) {
  if (writer_.begun() && !writer_.finished()) writer_.Finish(sim::WorldHash(confirmed_world));
}

}  // namespace bv::net

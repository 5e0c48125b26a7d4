#include "replay/recorder.h"

#include "game/phases.h"
#include "sim/input_frame.h"
#include "sim/world_hash.h"

namespace bv::replay {

int32_t RecordingKeys::Update() {
  if (source_ == nullptr) return 0;
  const int32_t rc = source_->Update();
  const sim::InputFrame frame = sim::ReadInputFrame(*source_, world_.key_codes);
  if (reads_ < kMaxReads) input_.reads[static_cast<size_t>(reads_)] = frame;
  ++reads_;
  return rc;
}

StepInput RecordingKeys::input() const {
  StepInput in = StepInput::Of(input_.reads[0]);
  for (int i = 1; i < reads_ && i < kMaxReads; ++i) {
    in.reads[static_cast<size_t>(i)] = input_.reads[static_cast<size_t>(i)];
  }
  return in;
}

void Recorder::Start(Header header) {
  header.level_number = world_.level_number;
  header.two_players = world_.two_players;
  header.transition = world_.transition;
  writer_.Begin(header, CaptureOptions(world_, options_), sim::WorldHash(world_));
}

void Recorder::CloseChunk() {
  writer_.Hash(sim::WorldHash(world_));
  writer_.Flush();
  time_since_chunk_ = 0.0;
}

void Recorder::RealTime(double delta) {
  // A slow game still loses at most a second to a kill. The hash comes
  // before this pass's clock record, as the world has not advanced yet.
  if (time_since_chunk_ >= kStepsPerChunk) CloseChunk();
  writer_.Options(CaptureOptions(world_, options_));
  writer_.Clock(delta);
  time_since_chunk_ += delta;
}

game::KeySource& Recorder::BeforeStep(game::KeySource& keys) {
  writer_.Options(CaptureOptions(world_, options_));
  setup_point_ = world_.transition == game::kSetupPoint;
  keys_.BeginStep(keys);
  stepping_ = true;
  return keys_;
}

void Recorder::AfterStep() {
  if (!stepping_) return;
  stepping_ = false;
  writer_.Step(keys_.input());
  if (setup_point_) writer_.Level(LevelHash(world_));
  if (writer_.unflushed_steps() >= kStepsPerChunk) CloseChunk();
}

void Recorder::Finish() {
  writer_.Finish(sim::WorldHash(world_));
}

}  // namespace bv::replay

#pragma once

#include <cstdint>

#include "game/key_source.h"
#include "game/world.h"
#include "replay/writer.h"
#include "settings/live_options.h"

namespace bv::replay {

// Hands the tick the keys of a key source and notes what each Update found
// under the world's bindings. It answers every query from the source
// itself, so the game sees exactly what it would without it.
class RecordingKeys final : public game::KeySource {
 public:
  explicit RecordingKeys(const game::World& world) : world_(world) {}
  // The source this step reads; forgets the reads of the step before.
  void BeginStep(game::KeySource& source) {
    source_ = &source;
    reads_ = 0;
  }
  int32_t Update() override;
  bool KeyDown(uint8_t code) const override { return source_ != nullptr && source_->KeyDown(code); }
  // The step's reads; slots past the reads made repeat the first.
  StepInput input() const;
  int reads() const { return reads_; }

 private:
  const game::World& world_;
  game::KeySource* source_ = nullptr;
  StepInput input_;
  int reads_ = 0;
};

// Records a game as it is played: whatever runs the tick tells it about
// each real-time event and each step, and it writes what the tick read
// (keys, options, clock) with the world hash once a second of play. It
// only observes: the world and the options are never changed.
class Recorder {
 public:
  // A chunk, closed with a world hash, at least once a second of play.
  static constexpr uint32_t kStepsPerChunk = 90;

  Recorder(Writer& writer, const game::World& world, const settings::LiveOptions& options)
      : writer_(writer), world_(world), options_(options), keys_(world) {}

  // The recording starts from the world and options as they stand; the
  // header's start fields are filled in from the world.
  void Start(Header header);
  // Before the play clock advances by delta (the frame timer's real-time event).
  void RealTime(double delta);
  // Before a tick: returns the key source the tick must read, which passes
  // `keys` through.
  game::KeySource& BeforeStep(game::KeySource& keys);
  // After that tick.
  void AfterStep();
  // The game ends: the last hash and the end record.
  void Finish();

  const Writer& writer() const { return writer_; }

 private:
  void CloseChunk();

  Writer& writer_;
  const game::World& world_;
  const settings::LiveOptions& options_;
  RecordingKeys keys_;
  bool stepping_ = false;
  bool setup_point_ = false;
  double time_since_chunk_ = 0.0;
};

}  // namespace bv::replay

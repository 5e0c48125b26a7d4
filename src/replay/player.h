#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "replay/reader.h"
#include "replay/stepper.h"

namespace bv::replay {

// Where a playback first left the recorded game.
struct Divergence {
  uint32_t step = 0;   // steps run when the check failed
  std::string reason;  // "replay diverged at step N" and what differed
};

// Plays a checked replay file through a stepper, step by step, comparing
// the world with every hash the file holds.
class Player {
 public:
  // Both must outlive the player.
  Player(const ReplayFile& file, Stepper& stepper);

  // Sets the stepper's world up as the recording started and checks the
  // start hash.
  void Start();
  // Applies the records up to the next step, runs it, and makes the checks
  // recorded right after it. False, with every remaining record applied,
  // when no step is left.
  bool Step();

  uint32_t steps_run() const { return stepper_.steps(); }
  uint32_t total_steps() const { return file_.steps(); }
  // The first check that failed, if any; playing goes on regardless.
  const std::optional<Divergence>& divergence() const { return divergence_; }
  // How many hashes were compared so far.
  int checks() const { return checks_; }

 private:
  std::optional<Record> Next();
  void Apply(const Record& r);
  void Check(const Record& r);
  void ChecksAfterStep();

  const ReplayFile& file_;
  Stepper& stepper_;
  RecordDecoder decoder_;
  size_t chunk_ = 0;
  std::vector<uint8_t> raw_;
  size_t raw_pos_ = 0;
  std::optional<Record> ahead_;

  uint32_t remaining_ = 0;  // steps left in the current pass or run
  sim::InputFrame keys_ = 0;
  std::array<std::optional<sim::InputFrame>, kMaxReads> later_{};
  std::optional<Divergence> divergence_;
  int checks_ = 0;
};

}  // namespace bv::replay

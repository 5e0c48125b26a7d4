#pragma once

#include <cstdint>

#include "game/key_source.h"
#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "replay/format.h"
#include "replay/records.h"
#include "settings/live_options.h"
#include "sim/host.h"
#include "sim/input_frame.h"

namespace bv::replay {

// Plays one step's recorded key reads to the tick: the first Update finds
// the step's first frame, the second the second, and so on; queries answer
// as sim::FrameKeys does under the world's current key bindings.
class StepKeys final : public game::KeySource {
 public:
  explicit StepKeys(const game::World& world) : keys_(world.key_codes) {}
  void set_input(const StepInput& input) {
    input_ = input;
    next_read_ = 0;
    keys_.set_frame(input.reads[0]);
  }
  int32_t Update() override {
    keys_.set_frame(input_.reads[next_read_ < kMaxReads ? next_read_ : kMaxReads - 1]);
    ++next_read_;
    return 0;
  }
  bool KeyDown(uint8_t code) const override { return keys_.KeyDown(code); }

 private:
  sim::FrameKeys keys_;
  StepInput input_;
  int next_read_ = 0;
};

// The game driven from recorded inputs, one step at a time: what replay
// playback runs, and what network play can run for every step it
// simulates (rollback included: it may copy the world back and step again,
// with the sounds switched to a silent player). Everything outside the world
// that the tick reads comes in through these calls, in the order they
// happened: options changes, clock advances, steps with their key reads.
class Stepper {
 public:
  // The references must outlive the stepper.
  Stepper(game::World& world, settings::LiveOptions& options, game::SoundPlayer& sounds,
          sim::Host& host, game::LevelStore& levels)
      : world_(world),
        options_(options),
        sounds_(&sounds),
        host_(host),
        levels_(levels),
        keys_(world) {}
  Stepper(const Stepper&) = delete;
  Stepper& operator=(const Stepper&) = delete;

  // A fresh start as the game makes it: start values, the seed, the
  // header's level, player count and state counter, and the start options.
  void Start(const Header& header, const ReplayOptions& options);
  // An options change: the mirror into the world and the live options.
  void ApplyOptions(const ReplayOptions& options);
  // A pass's real-time event: the play clock advances.
  void AdvanceClock(double delta);
  // One tick, reading the given keys.
  void Step(const StepInput& input);

  // Where the tick's sounds go from the next step on.
  void set_sounds(game::SoundPlayer& sounds) { sounds_ = &sounds; }
  // True when the last step set a level up.
  bool last_step_set_up_level() const { return set_up_level_; }
  uint32_t steps() const { return steps_; }
  // For a driver that restores a copy of the world (rollback): the step
  // count that copy was taken at.
  void set_steps(uint32_t steps) { steps_ = steps; }

  game::World& world() { return world_; }
  const game::World& world() const { return world_; }
  settings::LiveOptions& options() { return options_; }

 private:
  game::World& world_;
  settings::LiveOptions& options_;
  game::SoundPlayer* sounds_;
  sim::Host& host_;
  game::LevelStore& levels_;
  StepKeys keys_;
  uint32_t steps_ = 0;
  bool set_up_level_ = false;
};

}  // namespace bv::replay

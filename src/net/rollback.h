#pragma once

// The two-player game when the other player's keys come late: the local
// player's keys run at once, the remote player's are predicted (the last
// ones known) and, when the real ones arrive and differ, the world goes back
// to the first wrong step and runs again from there. Headless; knows
// nothing of packets.

#include <cstdint>
#include <memory>
#include <vector>

#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "replay/format.h"
#include "replay/records.h"
#include "replay/stepper.h"
#include "settings/live_options.h"
#include "sim/host.h"
#include "sim/input_frame.h"

namespace bv::net {

// What the tick told the outside world in one step.
struct StepEvent {
  enum class Kind : uint8_t { kSound, kCloseProgram, kOpenOptions, kLevelSetUp };
  Kind kind = Kind::kSound;
  game::SoundSlot slot = game::SoundSlot::kGet;
  int value = 0;  // the sound's index, or the level set up
};

// A step once both players' keys are known and it ran with them.
struct ConfirmedStep {
  uint32_t step = 0;          // 0, 1, 2, ...
  sim::InputFrame frame = 0;  // both players' keys
  bool set_up_level = false;
  const std::vector<StepEvent>* events = nullptr;
};

// Sees the game as it really went: the start, then every step once it is
// confirmed, in order, each exactly once, with the world after it.
class ConfirmedSteps {
 public:
  virtual ~ConfirmedSteps() = default;
  virtual void Started(const replay::Header& header, const replay::ReplayOptions& options,
                       const game::World& world) = 0;
  virtual void Confirmed(const ConfirmedStep& step, const game::World& after) = 0;
};

class Rollback {
 public:
  // The remote player's keys may be this many steps late before the game waits.
  static constexpr uint32_t kMaxLag = 8;
  // World copies kept: one before each step that may still be run again.
  static constexpr uint32_t kSnapshots = 16;
  // Remote frames accepted ahead of the last one known without a gap.
  static constexpr uint32_t kRemoteWindow = 64;
  // Each step the play clock advances one step, as both sides must agree.
  static constexpr double kClockPerStep = 1.0;

  // `local_player` 0 (the host) or 1; sounds of steps run for the first
  // time go to `live_sounds`, never those of steps run again.
  Rollback(int local_player, game::LevelStore& levels, game::SoundPlayer& live_sounds);
  ~Rollback();
  Rollback(const Rollback&) = delete;
  Rollback& operator=(const Rollback&) = delete;

  void set_observer(ConfirmedSteps* observer) { observer_ = observer; }

  // A fresh game, as a replay with this header and options starts.
  void Start(const replay::Header& header, const replay::ReplayOptions& options);

  // True while the remote player's keys are at most kMaxLag steps behind.
  bool CanStep() const { return next_ <= remote_known_ + kMaxLag; }
  // Runs the next step with the local keys (only the local player's bits
  // and Escape are kept) and the predicted remote ones.
  void Step(sim::InputFrame local);

  enum class Added { kNew, kKnown, kConflict, kOutOfWindow };
  // The remote player's real keys for `step`; only the remote player's
  // bits and Escape count. Settle applies what was added.
  Added AddRemote(uint32_t step, sim::InputFrame frame);
  // Runs again from the first step whose prediction proved wrong, then
  // reports the newly confirmed steps.
  void Settle();

  // The present, predicted where the remote keys are not known yet.
  const game::World& world() const { return *world_; }
  // The world after the confirmed steps.
  const game::World& confirmed_world() const;
  const settings::LiveOptions& options() const { return options_; }
  int local_player() const { return local_player_; }
  uint32_t next_step() const { return next_; }
  // Remote frames known without a gap: every step below this.
  uint32_t remote_known() const { return remote_known_; }
  // Steps run with both players' real keys.
  uint32_t confirmed() const { return next_ < remote_known_ ? next_ : remote_known_; }
  sim::InputFrame local_frame(uint32_t step) const { return local_[step]; }

  uint64_t rollbacks() const { return rollbacks_; }
  uint64_t resimulated_steps() const { return resimulated_; }
  uint32_t deepest_rollback() const { return deepest_; }

 private:
  struct Record {
    sim::InputFrame remote_used = 0;
    bool set_up_level = false;
    std::vector<StepEvent> events;
  };
  class Events;

  void Simulate(uint32_t step, bool first_time);
  void Deliver();
  sim::InputFrame Prediction() const;
  // The world before a step that was run (read back on a rollback).
  game::World& Snapshot(uint32_t step);
  // Keeps the present world as the one before `step`.
  void SaveSnapshot(uint32_t step);
  Record& RecordOf(uint32_t step) { return records_[step % kSnapshots]; }

  const int local_player_;
  const sim::InputFrame local_mask_;
  const sim::InputFrame remote_mask_;
  game::LevelStore& levels_;
  std::unique_ptr<game::World> world_;
  settings::LiveOptions options_;
  std::unique_ptr<Events> events_;
  std::unique_ptr<replay::Stepper> stepper_;
  std::vector<std::unique_ptr<game::World>> snapshots_;
  std::vector<Record> records_;
  ConfirmedSteps* observer_ = nullptr;

  std::vector<sim::InputFrame> local_;
  std::vector<sim::InputFrame> remote_;
  std::vector<uint8_t> remote_have_;
  uint32_t next_ = 0;
  uint32_t remote_known_ = 0;
  uint32_t delivered_ = 0;
  uint32_t rollback_from_ = UINT32_MAX;
  uint64_t rollbacks_ = 0;
  uint64_t resimulated_ = 0;
  uint32_t deepest_ = 0;
};

}  // namespace bv::net

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "replay/player.h"
#include "replay/reader.h"
#include "replay/stepper.h"
#include "settings/live_options.h"
#include "sim/host.h"

namespace bv::replay_tool {

// Watching a replay: the recorded game stepped at real speed or faster or
// slower, paused, stepped one by one, or jumped to a step (back by playing
// again from the start, silently). Knows no window; the tool feeds it time
// and keys, and draws its world.
class Playback {
 public:
  // The speeds + and - walk through; 1 is real speed.
  static constexpr double kSpeeds[] = {0.25, 0.5, 1, 2, 4, 8};
  static constexpr int kRealSpeed = 2;

  // The file and the stores must outlive the playback; `sounds` hears the
  // steps played at real speed or slower.
  Playback(const replay::ReplayFile& file, game::LevelStore& levels, game::SoundPlayer& sounds);

  // Wall-clock time passed: runs the steps it is worth at the speed, unless
  // paused. Returns the steps run.
  int Advance(double seconds);
  void TogglePause() { paused_ = !paused_; }
  // One step, paused (a paused playback stays paused).
  void StepOnce();
  void Faster();
  void Slower();
  // Plays to `step` (clamped to the file's steps); paused afterwards only
  // when it was paused before.
  void JumpTo(uint32_t step);

  const game::World& world() const { return *world_; }
  const settings::LiveOptions& live() const { return live_; }
  uint32_t step() const { return player_->steps_run(); }
  uint32_t total_steps() const { return file_.steps(); }
  bool paused() const { return paused_; }
  bool at_end() const { return ended_ || step() >= total_steps(); }
  double speed() const { return kSpeeds[speed_]; }
  // The first hash that did not match ("replay diverged at step N ...").
  const std::optional<replay::Divergence>& divergence() const { return player_->divergence(); }
  // One line for the window's title.
  std::string Status() const;

 private:
  class QuietHost final : public sim::Host {
   public:
    void CloseProgram() override {}
    void OpenOptions() override {}
  };
  void Restart();
  bool StepSounding(bool sounding);

  const replay::ReplayFile& file_;
  game::SoundPlayer& sounds_;
  game::SilentSoundPlayer silent_;
  QuietHost host_;
  std::unique_ptr<game::World> world_;
  settings::LiveOptions live_;
  replay::Stepper stepper_;
  std::unique_ptr<replay::Player> player_;
  int speed_ = kRealSpeed;
  bool paused_ = false;
  bool ended_ = false;
  double owed_ = 0.0;  // steps owed to the wall clock
};

}  // namespace bv::replay_tool

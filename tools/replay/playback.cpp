#include "tools/replay/playback.h"

#include <cstdio>

namespace bv::replay_tool {

namespace {
// A stalled window does not make the game rush to catch up: at most a
// quarter of a second is owed.
constexpr double kMaxOwedSeconds = 0.25;
}  // namespace

Playback::Playback(const replay::ReplayFile& file, game::LevelStore& levels,
                   game::SoundPlayer& sounds)
    : file_(file),
      sounds_(sounds),
      world_(std::make_unique<game::World>()),
      stepper_(*world_, live_, silent_, host_, levels) {
  Restart();
}

void Playback::Restart() {
  player_ = std::make_unique<replay::Player>(file_, stepper_);
  player_->Start();
  ended_ = false;
  owed_ = 0.0;
}

bool Playback::StepSounding(bool sounding) {
  if (ended_) return false;
  stepper_.set_sounds(sounding ? sounds_ : static_cast<game::SoundPlayer&>(silent_));
  if (!player_->Step()) {
    ended_ = true;
    return false;
  }
  return true;
}

int Playback::Advance(double seconds) {
  if (paused_ || ended_) return 0;
  owed_ += seconds * file_.header().fps * speed();
  const double cap = file_.header().fps * kMaxOwedSeconds * speed();
  if (owed_ > cap) owed_ = cap;
  int run = 0;
  while (owed_ >= 1.0 && StepSounding(speed() <= 1.0)) {
    owed_ -= 1.0;
    ++run;
  }
  return run;
}

void Playback::StepOnce() {
  paused_ = true;
  StepSounding(true);
}

void Playback::Faster() {
  if (speed_ + 1 < static_cast<int>(sizeof kSpeeds / sizeof kSpeeds[0])) ++speed_;
}

void Playback::Slower() {
  if (speed_ > 0) --speed_;
}

void Playback::JumpTo(uint32_t step) {
  if (step > total_steps()) step = total_steps();
  if (step < this->step()) Restart();
  while (this->step() < step && StepSounding(false)) {
  }
  // At the end the records after the last step (its checks) apply too.
  if (step == total_steps()) StepSounding(false);
  owed_ = 0.0;
}

std::string Playback::Status() const {
  char speed[16];
  std::snprintf(speed, sizeof speed, "x%g", this->speed());
  std::string s = "step " + std::to_string(step()) + "/" + std::to_string(total_steps()) + "  " +
                  speed;
  if (paused_) s += "  paused";
  if (at_end()) s += "  end";
  if (divergence()) s += "  " + divergence()->reason;
  return s;
}

}  // namespace bv::replay_tool

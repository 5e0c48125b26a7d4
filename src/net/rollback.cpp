#include "net/rollback.h"

#include "net/packets.h"

namespace bv::net {

// The tick's sounds and host calls, noted in the step that made them. Sounds
// of a step run for the first time are played at once; a step run again is
// silent, and the host calls wait until their step is confirmed, so a
// prediction never closes the program.
class Rollback::Events final : public game::SoundPlayer, public sim::Host {
 public:
  explicit Events(game::SoundPlayer& live) : live_(live) {}
  void Begin(std::vector<StepEvent>* into, bool audible) {
    into_ = into;
    audible_ = audible;
  }
  void Play(game::SoundSlot slot, int index) override {
    Note({StepEvent::Kind::kSound, slot, index});
    if (audible_) live_.Play(slot, index);
  }
  void CloseProgram() override { Note({StepEvent::Kind::kCloseProgram, {}, 0}); }
  void OpenOptions() override { Note({StepEvent::Kind::kOpenOptions, {}, 0}); }
  void LevelSetUp(int level, const game::SetupResult&) override {
    Note({StepEvent::Kind::kLevelSetUp, {}, level});
  }

 private:
  void Note(const StepEvent& e) {
    if (into_ != nullptr) into_->push_back(e);
  }
  game::SoundPlayer& live_;
  std::vector<StepEvent>* into_ = nullptr;
  bool audible_ = false;
};

Rollback::Rollback(int local_player, game::LevelStore& levels, game::SoundPlayer& live_sounds)
    : local_player_(local_player == 0 ? 0 : 1),
      local_mask_(PlayerFrameMask(local_player_)),
      remote_mask_(PlayerFrameMask(1 - local_player_)),
      levels_(levels),
      world_(std::make_unique<game::World>()),
      events_(std::make_unique<Events>(live_sounds)),
      records_(kSnapshots) {
  // The options window never shows in a network game: its visibility would
  // be one player's alone, and the tick reads it.
  options_.set_options_visible(false);
  stepper_ = std::make_unique<replay::Stepper>(*world_, options_, *events_, *events_, levels_);
  // The copies are made as the steps run: a World is large, and a session
  // that ends early never needs them all.
  snapshots_.resize(kSnapshots);
}

Rollback::~Rollback() = default;

void Rollback::Start(const replay::Header& header, const replay::ReplayOptions& options) {
  replay::ReplayOptions start = options;
  start.live.set_options_visible(false);
  stepper_->Start(header, start);
  local_.clear();
  remote_.clear();
  remote_have_.clear();
  next_ = remote_known_ = delivered_ = 0;
  rollback_from_ = UINT32_MAX;
  if (observer_ != nullptr) observer_->Started(header, start, *world_);
}

sim::InputFrame Rollback::Prediction() const {
  return remote_known_ == 0 ? 0 : remote_[remote_known_ - 1];
}

void Rollback::Simulate(uint32_t step, bool first_time) {
  Record& r = RecordOf(step);
  r.events.clear();
  r.remote_used = step < remote_have_.size() && remote_have_[step] ? remote_[step] : Prediction();
  events_->Begin(&r.events, first_time);
  stepper_->AdvanceClock(kClockPerStep);
  stepper_->Step(replay::StepInput::Of(static_cast<sim::InputFrame>(local_[step] | r.remote_used)));
  r.set_up_level = stepper_->last_step_set_up_level();
  events_->Begin(nullptr, false);
}

const game::World& Rollback::confirmed_world() const {
  const auto& saved = snapshots_[confirmed() % kSnapshots];
  return confirmed() == next_ || !saved ? *world_ : *saved;
}

game::World& Rollback::Snapshot(uint32_t step) {
  auto& slot = snapshots_[step % kSnapshots];
  if (!slot) slot = std::make_unique<game::World>();
  return *slot;
}

void Rollback::SaveSnapshot(uint32_t step) {
  auto& slot = snapshots_[step % kSnapshots];
  if (slot) {
    *slot = *world_;
  } else {
    slot = std::make_unique<game::World>(*world_);
  }
}

void Rollback::Step(sim::InputFrame local) {
  SaveSnapshot(next_);
  local_.push_back(static_cast<sim::InputFrame>(local & local_mask_));
  Simulate(next_, true);
  ++next_;
  Deliver();
}

Rollback::Added Rollback::AddRemote(uint32_t step, sim::InputFrame frame) {
  frame &= remote_mask_;
  if (step < remote_have_.size() && remote_have_[step]) {
    return remote_[step] == frame ? Added::kKnown : Added::kConflict;
  }
  if (step >= remote_known_ + kRemoteWindow) return Added::kOutOfWindow;
  if (step >= remote_.size()) {
    remote_.resize(step + 1, 0);
    remote_have_.resize(step + 1, 0);
  }
  remote_[step] = frame;
  remote_have_[step] = 1;
  // Steps already run with a prediction run again when it was wrong.
  if (step < next_ && RecordOf(step).remote_used != frame && step < rollback_from_) {
    rollback_from_ = step;
  }
  while (remote_known_ < remote_have_.size() && remote_have_[remote_known_]) ++remote_known_;
  return Added::kNew;
}

void Rollback::Settle() {
  if (rollback_from_ < next_) {
    const uint32_t from = rollback_from_;
    *world_ = Snapshot(from);
    stepper_->set_steps(from);
    for (uint32_t s = from; s < next_; ++s) {
      if (s != from) SaveSnapshot(s);
      Simulate(s, false);
    }
    ++rollbacks_;
    resimulated_ += next_ - from;
    if (next_ - from > deepest_) deepest_ = next_ - from;
  }
  rollback_from_ = UINT32_MAX;
  Deliver();
}

void Rollback::Deliver() {
  // Only steps without a pending correction are final.
  const uint32_t upto = rollback_from_ < confirmed() ? rollback_from_ : confirmed();
  for (; delivered_ < upto; ++delivered_) {
    const uint32_t s = delivered_;
    if (observer_ == nullptr) continue;
    const Record& r = RecordOf(s);
    ConfirmedStep c;
    c.step = s;
    c.frame = static_cast<sim::InputFrame>(local_[s] | r.remote_used);
    c.set_up_level = r.set_up_level;
    c.events = &r.events;
    observer_->Confirmed(c, s + 1 == next_ ? *world_ : Snapshot(s + 1));
  }
}

}  // namespace bv::net

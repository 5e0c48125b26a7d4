#include "net/net_game.h"

#include "game/phases.h"
#include "net/world_dump.h"

namespace bv::net {

const char* const kConnectingText = "Lacze z gospodarzem...";

namespace {

constexpr sim::InputFrame kSetBits = 0x3F;  // one player's six keys
constexpr int kSetShift = 6;
constexpr sim::InputFrame kEscape = 1u << sim::kEscapeBit;
// As long as any centre message the tick sets.
constexpr int16_t kMessageTicks = 1020;

}  // namespace

sim::InputFrame FoldOntoPlayer(sim::InputFrame read, int player) {
  const unsigned either = (read & kSetBits) | ((read >> kSetShift) & kSetBits);
  const unsigned keys = player == 0 ? either : either << kSetShift;
  return static_cast<sim::InputFrame>(keys | (read & kEscape));
}

// Records the confirmed game up to the match's last step and spots that step:
// the one that set the menu level up (Escape, a won match, a lost or
// finished campaign, a level that could not be read) or closed the program.
class NetGame::Watcher final : public ConfirmedSteps {
 public:
  explicit Watcher(NetGame& g) : g_(g) {}
  void Started(const replay::Header& header, const replay::ReplayOptions& options,
               const game::World& world) override {
    if (g_.recording_) g_.recording_->Started(header, options, world);
  }
  void Confirmed(const ConfirmedStep& step, const game::World& after) override {
    if (g_.last_step_) return;
    if (g_.recording_) g_.recording_->Confirmed(step, after);
    bool last = step.set_up_level && after.level_number == 0;
    for (const StepEvent& e : *step.events) {
      if (e.kind == StepEvent::Kind::kCloseProgram) last = true;
    }
    if (last) g_.Matched(step.step, after);
  }

 private:
  NetGame& g_;
};

NetGame::NetGame(Role role, const Identity& identity, Transport& transport,
                 const TimeSource& time, game::LevelStore& levels, game::SoundPlayer& sounds)
    : session_(role, identity, transport, time, levels, sounds),
      watcher_(std::make_unique<Watcher>(*this)),
      time_(time) {
  session_.set_observer(watcher_.get());
}

NetGame::~NetGame() = default;

void NetGame::Record(replay::Writer& writer, std::string recorder, int64_t started) {
  recording_.emplace(writer, std::move(recorder), started);
}

const game::World* NetGame::world() const {
  if (state_ == State::kPlaying) return &session_.world();
  if (state_ == State::kClosing) return farewell_.get();
  return nullptr;
}

uint32_t NetGame::confirmed_steps() const {
  return last_step_ ? *last_step_ + 1 : session_.game().confirmed();
}

void NetGame::Matched(uint32_t step, const game::World& after) {
  last_step_ = step;
  if (recording_) recording_->Finish(after);
  NetEnding e;
  e.reason = EndReason::kDone;
  // The match's own last words ("Gre wygral gracz: 1", "Przegrana") stay up.
  if (after.center_message_timer > 0) {
    e.message = after.center_message;
    e.message_timer = after.center_message_timer;
  }
  e.played = true;
  Over(std::move(e));
}

void NetGame::Over(NetEnding ending) {
  ending_ = std::move(ending);
  state_ = State::kOver;
  over_at_ = time_.Millis();
  farewell_.reset();
}

void NetGame::EndedEarly() {
  if (recording_) recording_->Finish(session_.game().confirmed_world());
  if (session_.end_reason() == EndReason::kDesync) {
    const game::World* w = session_.desync_world();
    desync_dump_ = "steps " + std::to_string(session_.desync_steps()) + "\n" +
                   WorldDump(w != nullptr ? *w : session_.game().confirmed_world());
  }
  // The last frame stays while the shutters close over it, as a level
  // change to the menu would; only the shutters and the message move.
  farewell_ = std::make_unique<game::World>(session_.world());
  game::World& f = *farewell_;
  f.level_number = 0;
  if (f.transition < game::kLevelChangeStart || f.transition >= game::kSetupPoint) {
    f.transition = game::kLevelChangeStart;
  }
  const std::string& text = session_.end_message();
  if (!text.empty()) {
    f.center_message = text;
    f.center_message_timer = kMessageTicks;
  }
  state_ = State::kClosing;
}

void NetGame::Poll() {
  session_.Poll();
  const int64_t now = time_.Millis();
  switch (state_) {
    case State::kConnecting:
      if (session_.phase() == Phase::kPlaying) {
        state_ = State::kPlaying;
      } else if (session_.phase() == Phase::kEnded) {
        NetEnding e;
        e.reason = session_.end_reason();
        e.message = session_.end_message();
        e.message_timer = e.message.empty() ? 0 : kMessageTicks;
        Over(std::move(e));
      }
      break;
    case State::kPlaying:
      if (session_.phase() == Phase::kEnded) {
        EndedEarly();
      } else if (session_.peer_done()) {
        // The peer finished the match; our last steps should follow at once.
        if (!peer_done_at_) peer_done_at_ = now;
        if (now - *peer_done_at_ >= kLingerMs) {
          session_.Quit(ByeReason::kQuit);
          EndedEarly();
          farewell_->center_message = kPeerLeftText;
          farewell_->center_message_timer = kMessageTicks;
        }
      }
      break;
    case State::kClosing:
      break;
    case State::kOver:
      // After the match: the peer may still need our last keys.
      if (session_.phase() == Phase::kPlaying && last_step_ &&
          (session_.Complete(*last_step_ + 1) || now - over_at_ >= kLingerMs)) {
        session_.Quit(ByeReason::kDone);
      }
      break;
  }
}

bool NetGame::Step(sim::InputFrame read) {
  if (state_ == State::kClosing) {
    game::World& f = *farewell_;
    f.transition += game::kTransitionStep;
    if (f.center_message_timer > 0) --f.center_message_timer;
    if (f.transition >= game::kSetupPoint) {
      NetEnding e;
      e.reason = session_.end_reason();
      if (f.center_message_timer > 0) {
        e.message = f.center_message;
        e.message_timer = f.center_message_timer;
      }
      e.played = true;
      Over(std::move(e));
    }
    return true;
  }
  if (state_ != State::kPlaying || !session_.CanStep()) return false;
  session_.Step(FoldOntoPlayer(read, session_.game().local_player()));
  return true;
}

void NetGame::Leave() {
  switch (state_) {
    case State::kConnecting: {
      session_.Quit(ByeReason::kQuit);
      NetEnding e;
      e.reason = EndReason::kQuit;
      Over(std::move(e));
      break;
    }
    case State::kPlaying:
      session_.Quit(ByeReason::kQuit);
      EndedEarly();
      break;
    case State::kClosing:
      break;
    case State::kOver:
      if (session_.phase() == Phase::kPlaying) session_.Quit(ByeReason::kDone);
      break;
  }
}

}  // namespace bv::net

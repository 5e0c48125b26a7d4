#pragma once

// One network game seen from one side: the handshake, the exchange of keys
// every step, the rollback game, the hash check and the lost connection.
// The host is player 1 and its settings rule; the guest is player 2.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "net/packets.h"
#include "net/rollback.h"
#include "net/transport.h"

namespace bv::net {

enum class Role { kHost, kGuest };

enum class Phase {
  kConnecting,  // the host waits for a guest, the guest for the welcome
  kPlaying,
  kEnded,
};

enum class EndReason {
  kNone,
  kDone,     // Finish: both sides have every step
  kRefused,  // the handshake failed (message says why)
  kDesync,   // the confirmed worlds differ
  kLost,     // nothing heard for kTimeoutMs
  kPeerLeft, // the other side said goodbye before the end
  kQuit,     // this side said goodbye
};

// The texts the game shows.
extern const char* const kWaitingText;  // while the remote keys are too late
extern const char* const kDesyncText;
extern const char* const kLostText;
extern const char* const kPeerLeftText;

struct SessionStats {
  uint64_t packets_in = 0;
  uint64_t packets_out = 0;
  uint64_t bytes_in = 0;
  uint64_t bytes_out = 0;
  uint64_t malformed = 0;  // dropped, never used
  uint64_t conflicts = 0;  // frames that contradict ones already known
  uint64_t refusals = 0;   // guests the host turned away
  uint64_t waits = 0;      // CanStep calls that said no while playing
};

class Session {
 public:
  static constexpr int64_t kTimeoutMs = 5000;
  // Inputs go out at least this often, also while waiting.
  static constexpr int64_t kKeepAliveMs = 30;
  // Confirmed steps between hash checks.
  static constexpr uint32_t kHashEvery = 90;

  Session(Role role, const Identity& identity, Transport& transport, const TimeSource& time,
          game::LevelStore& levels, game::SoundPlayer& live_sounds);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Sees every confirmed step (the replay, the event log).
  void set_observer(ConfirmedSteps* observer) { user_observer_ = observer; }
  // Host: the game a guest is offered (its identity is filled in). The
  // level list is cut to the selected entry, which is all the game reads.
  void Offer(const Welcome& start);

  // Takes in what arrived (rolling back when needed), sends keep-alives,
  // checks the time-out. Call often: every pass of the loop.
  void Poll();
  // Playing and the remote keys not too late; a no while playing is a wait.
  bool CanStep();
  bool waiting() const {
    return phase_ == Phase::kPlaying && !AtLength() && !rollback_->CanStep();
  }
  // The next step with this side's keys (the other player's bits are dropped).
  void Step(sim::InputFrame local);
  // True once both sides have run and confirmed `steps` steps.
  bool Complete(uint32_t steps) const;
  // Ends the game from this side: a goodbye to the peer.
  void Quit(ByeReason reason = ByeReason::kQuit);

  Role role() const { return role_; }
  Phase phase() const { return phase_; }
  EndReason end_reason() const { return end_reason_; }
  // Why the game ended, for the player.
  const std::string& end_message() const { return end_message_; }
  const Welcome& start() const { return start_; }
  const Rollback& game() const { return *rollback_; }
  const game::World& world() const { return rollback_->world(); }
  const SessionStats& stats() const { return stats_; }
  uint32_t peer_ack() const { return peer_ack_; }
  // The peer said its game is over (it has every step it needs).
  bool peer_done() const { return peer_done_; }

  // After a desync: the step count and our confirmed world at it.
  uint32_t desync_steps() const { return desync_steps_; }
  const game::World* desync_world() const { return desync_world_.get(); }

 private:
  class Watcher;

  bool AtLength() const { return start_.length != 0 && rollback_->next_step() >= start_.length; }
  void Handle(const std::vector<uint8_t>& bytes);
  void OnHello(const Hello& hello);
  void OnWelcome(const Welcome& welcome);
  void OnInputs(const Inputs& inputs);
  void OnHash(uint32_t steps, uint64_t hash, bool ours);
  void Begin(const Welcome& start);
  void SendInputs();
  void Send(const std::vector<uint8_t>& bytes, Delivery delivery);
  void End(EndReason reason, const std::string& message);

  const Role role_;
  const Identity identity_;
  Transport& transport_;
  const TimeSource& time_;
  std::unique_ptr<Rollback> rollback_;
  std::unique_ptr<Watcher> watcher_;
  ConfirmedSteps* user_observer_ = nullptr;

  Phase phase_ = Phase::kConnecting;
  EndReason end_reason_ = EndReason::kNone;
  std::string end_message_;
  Welcome start_;
  bool offered_ = false;
  bool peer_connected_ = false;
  bool peer_done_ = false;
  int64_t last_heard_ = 0;
  int64_t last_sent_ = 0;
  uint32_t peer_ack_ = 0;
  SessionStats stats_;

  // Hashes of confirmed worlds by step count, ours and the peer's, until compared.
  std::map<uint32_t, uint64_t> our_hashes_;
  std::map<uint32_t, uint64_t> their_hashes_;
  // Our last few hashed worlds, for the dump after a desync.
  std::array<std::unique_ptr<game::World>, 4> hashed_worlds_;
  std::array<uint32_t, 4> hashed_steps_{};
  uint32_t desync_steps_ = 0;
  std::unique_ptr<game::World> desync_world_;
};

// The refusal as the guest reads it.
std::string RefusalText(const Refuse& refuse, const Identity& ours);

}  // namespace bv::net

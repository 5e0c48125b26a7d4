#pragma once

// A network game as the game program plays it, from the first packet to the
// return to the menu level: the session, the replay of the confirmed game,
// the end of the match (the world asks for the menu level), and the other
// ends (a lost link, the other player leaving, a desync), after which the
// shutters close over the last frame before the program takes its own world
// back. Headless: the window feeds it keys once a step and draws world().

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "net/packets.h"
#include "net/replay_recording.h"
#include "net/session.h"
#include "net/transport.h"
#include "replay/writer.h"
#include "sim/input_frame.h"

namespace bv::net {

// Shown by the guest until the host's start arrives.
extern const char* const kConnectingText;

// A read of the keyboard folded onto one player: in a network game each
// side has one player, and either of its key sets plays it (a player alone
// at a keyboard need not use the second player's keys). Escape stays.
sim::InputFrame FoldOntoPlayer(sim::InputFrame read, int player);

// How a network game ended, once the program has its own world back.
struct NetEnding {
  EndReason reason = EndReason::kNone;
  std::string message;        // for the centre band, empty for none
  int16_t message_timer = 0;  // the steps it still shows
  bool played = false;        // a game ran: the program starts over on the menu level
};

class NetGame {
 public:
  enum class State {
    kConnecting,  // the host waits for a guest, the guest for the start
    kPlaying,     // the network world is the game
    kClosing,     // ended early: the shutters close over its last frame
    kOver,        // ending() tells how; the link may still be closing
  };
  // After the match's last step, the wait for the peer to have all our keys.
  static constexpr int64_t kLingerMs = 2000;

  NetGame(Role role, const Identity& identity, Transport& transport, const TimeSource& time,
          game::LevelStore& levels, game::SoundPlayer& sounds);
  ~NetGame();
  NetGame(const NetGame&) = delete;
  NetGame& operator=(const NetGame&) = delete;

  // Host: the game a guest gets (Session::Offer).
  void Offer(const Welcome& start) { session_.Offer(start); }
  // Writes the confirmed game as a replay; before the game starts.
  void Record(replay::Writer& writer, std::string recorder, int64_t started);

  // Every pass of the loop: the network, and the state it leads to.
  void Poll();
  // One step of the frame timer: the next network step with this side's
  // keyboard read (folded onto its player), or, while closing, one step of
  // the shutters. False when the game had to wait (or there is none).
  bool Step(sim::InputFrame read);
  // This side leaves (the window closes, the player asks): a goodbye, then
  // the shutters close as for any other early end.
  void Leave();

  State state() const { return state_; }
  Role role() const { return session_.role(); }
  // Playing but the other player's keys are too late to go on.
  bool waiting() const { return state_ == State::kPlaying && session_.waiting(); }
  // The world to draw while playing or closing; null otherwise.
  const game::World* world() const;
  // Set once the state is kOver.
  const std::optional<NetEnding>& ending() const { return ending_; }
  // The link is closed too: nothing more will happen.
  bool done() const { return state_ == State::kOver && session_.phase() == Phase::kEnded; }

  // After a desync: a readable dump of this side's world at the step the
  // hashes were compared, for comparing with the other side's.
  const std::string& desync_dump() const { return desync_dump_; }
  const Session& session() const { return session_; }
  // Steps of the match both sides have confirmed (the last one if it ended).
  uint32_t confirmed_steps() const;

 private:
  class Watcher;

  void Matched(uint32_t step, const game::World& after);
  void EndedEarly();
  void Over(NetEnding ending);

  Session session_;
  std::unique_ptr<Watcher> watcher_;
  std::optional<ReplayRecording> recording_;
  const TimeSource& time_;
  State state_ = State::kConnecting;
  std::optional<NetEnding> ending_;
  std::unique_ptr<game::World> farewell_;
  std::optional<uint32_t> last_step_;  // the match's last step, once confirmed
  int64_t over_at_ = 0;
  std::optional<int64_t> peer_done_at_;
  std::string desync_dump_;
};

}  // namespace bv::net

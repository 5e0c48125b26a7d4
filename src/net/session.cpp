#include "net/session.h"

#include <algorithm>

#include "sim/world_hash.h"

namespace bv::net {

const char* const kWaitingText = "Czekam na drugiego gracza...";
const char* const kDesyncText = "Rozsynchronizowanie";
const char* const kLostText = "Utracono polaczenie";
const char* const kPeerLeftText = "Drugi gracz opuscil gre";

namespace {

constexpr size_t kMaxPendingHashes = 64;

const char* const kNoHostText = "Nie mozna polaczyc z gospodarzem";

// A refusal for the guest's identity, or nullopt when the games match.
std::optional<RefuseReason> Mismatch(const Identity& a, const Identity& b) {
  if (a.protocol != b.protocol) return RefuseReason::kProtocol;
  if (a.rules != b.rules) return RefuseReason::kRules;
  if (a.data_hash != b.data_hash) return RefuseReason::kData;
  return std::nullopt;
}

void Keep(std::map<uint32_t, uint64_t>& m) {
  while (m.size() > kMaxPendingHashes) m.erase(m.begin());
}

}  // namespace

std::string RefusalText(const Refuse& refuse, const Identity& ours) {
  const Identity& host = refuse.host;
  switch (refuse.reason) {
    case RefuseReason::kProtocol:
      return "Inna wersja gry sieciowej: " + std::to_string(host.protocol) + " u gospodarza, " +
             std::to_string(ours.protocol) + " tutaj";
    case RefuseReason::kRules:
      return "Inna wersja zasad gry: " + std::to_string(host.rules) + " u gospodarza, " +
             std::to_string(ours.rules) + " tutaj";
    case RefuseReason::kData:
      return "Inne pliki danych gry: " + sim::WorldHashHex(host.data_hash) + " u gospodarza, " +
             sim::WorldHashHex(ours.data_hash) + " tutaj";
    case RefuseReason::kBusy:
      break;
  }
  return "Gospodarz gra juz z kims innym";
}

// Forwards confirmed steps to the user and hashes the world every
// kHashEvery of them.
class Session::Watcher final : public ConfirmedSteps {
 public:
  explicit Watcher(Session& s) : s_(s) {}
  void Started(const replay::Header& header, const replay::ReplayOptions& options,
               const game::World& world) override {
    if (s_.user_observer_ != nullptr) s_.user_observer_->Started(header, options, world);
  }
  void Confirmed(const ConfirmedStep& step, const game::World& after) override {
    if (s_.user_observer_ != nullptr) s_.user_observer_->Confirmed(step, after);
    const uint32_t steps = step.step + 1;
    if (steps % kHashEvery != 0) return;
    const size_t slot = (steps / kHashEvery) % s_.hashed_worlds_.size();
    if (!s_.hashed_worlds_[slot]) s_.hashed_worlds_[slot] = std::make_unique<game::World>();
    *s_.hashed_worlds_[slot] = after;
    s_.hashed_steps_[slot] = steps;
    const uint64_t hash = sim::WorldHash(after);
    s_.Send(Encode(HashReport{steps, hash}), Delivery::kReliable);
    s_.OnHash(steps, hash, true);
  }

 private:
  Session& s_;
};

Session::Session(Role role, const Identity& identity, Transport& transport,
                 const TimeSource& time, game::LevelStore& levels,
                 game::SoundPlayer& live_sounds)
    : role_(role),
      identity_(identity),
      transport_(transport),
      time_(time),
      rollback_(std::make_unique<Rollback>(role == Role::kHost ? 0 : 1, levels, live_sounds)),
      watcher_(std::make_unique<Watcher>(*this)) {
  rollback_->set_observer(watcher_.get());
  last_heard_ = last_sent_ = time_.Millis();
}

Session::~Session() = default;

void Session::Offer(const Welcome& start) {
  start_ = start;
  start_.identity = identity_;
  settings::LiveOptions& live = start_.options.live;
  live.set_options_visible(false);
  const std::vector<std::string>& list = live.level_list();
  const int sel = live.selected();
  if (sel >= 0 && static_cast<size_t>(sel) < list.size()) {
    std::vector<std::string> one{list[static_cast<size_t>(sel)]};
    live.set_level_list(std::move(one));
    live.set_selected(0);
  } else {
    live.set_level_list({});
  }
  offered_ = true;
}

void Session::Send(const std::vector<uint8_t>& bytes, Delivery delivery) {
  transport_.Send(bytes, delivery);
  ++stats_.packets_out;
  stats_.bytes_out += bytes.size();
  last_sent_ = time_.Millis();
}

void Session::End(EndReason reason, const std::string& message) {
  if (phase_ == Phase::kEnded) return;
  phase_ = Phase::kEnded;
  end_reason_ = reason;
  end_message_ = message;
  transport_.Disconnect();
}

void Session::Poll() {
  std::vector<uint8_t> packet;
  while (phase_ != Phase::kEnded) {
    const Transport::Event e = transport_.Poll(&packet);
    if (e == Transport::Event::kNone) break;
    const int64_t now = time_.Millis();
    switch (e) {
      case Transport::Event::kConnected:
        peer_connected_ = true;
        last_heard_ = now;
        if (role_ == Role::kGuest) Send(Encode(Hello{identity_}), Delivery::kReliable);
        break;
      case Transport::Event::kPacket:
        ++stats_.packets_in;
        stats_.bytes_in += packet.size();
        last_heard_ = now;
        Handle(packet);
        break;
      case Transport::Event::kDisconnected:
        peer_connected_ = false;
        if (phase_ == Phase::kPlaying) {
          if (!peer_done_) End(EndReason::kLost, kLostText);
        } else if (role_ == Role::kGuest) {
          End(EndReason::kLost, kNoHostText);
        }
        break;
      case Transport::Event::kNone:
        break;
    }
  }
  if (phase_ == Phase::kEnded) return;
  const int64_t now = time_.Millis();
  const bool watched = phase_ == Phase::kPlaying || role_ == Role::kGuest;
  if (watched && !peer_done_ && now - last_heard_ >= kTimeoutMs) {
    End(EndReason::kLost, phase_ == Phase::kPlaying ? kLostText : kNoHostText);
    return;
  }
  if (phase_ == Phase::kPlaying && now - last_sent_ >= kKeepAliveMs) SendInputs();
}

void Session::Handle(const std::vector<uint8_t>& bytes) {
  const sim::InputFrame remote_mask = PlayerFrameMask(role_ == Role::kHost ? 1 : 0);
  const std::optional<Packet> p = Decode(bytes.data(), bytes.size(), remote_mask);
  if (!p) {
    ++stats_.malformed;
    return;
  }
  switch (p->type) {
    case PacketType::kHello:
      if (role_ == Role::kHost && phase_ == Phase::kConnecting && offered_) OnHello(p->hello);
      break;
    case PacketType::kWelcome:
      if (role_ == Role::kGuest && phase_ == Phase::kConnecting) OnWelcome(p->welcome);
      break;
    case PacketType::kRefuse:
      if (role_ == Role::kGuest && phase_ == Phase::kConnecting) {
        End(EndReason::kRefused, RefusalText(p->refuse, identity_));
      }
      break;
    case PacketType::kInputs:
      if (phase_ == Phase::kPlaying) OnInputs(p->inputs);
      break;
    case PacketType::kHash:
      if (phase_ == Phase::kPlaying) OnHash(p->hash.steps, p->hash.hash, false);
      break;
    case PacketType::kBye:
      if (phase_ != Phase::kPlaying) break;
      peer_done_ = true;
      if (p->bye.reason == ByeReason::kDesync) {
        if (!desync_world_) {
          // Our latest hashed world is the nearest we have to theirs.
          size_t best = 0;
          for (size_t i = 1; i < hashed_steps_.size(); ++i) {
            if (hashed_steps_[i] > hashed_steps_[best]) best = i;
          }
          if (hashed_worlds_[best]) {
            desync_steps_ = hashed_steps_[best];
            desync_world_ = std::make_unique<game::World>(*hashed_worlds_[best]);
          }
        }
        End(EndReason::kDesync, kDesyncText);
      } else if (p->bye.reason == ByeReason::kQuit) {
        End(EndReason::kPeerLeft, kPeerLeftText);
      }
      break;
  }
}

void Session::OnHello(const Hello& hello) {
  if (const auto reason = Mismatch(hello.identity, identity_)) {
    Send(Encode(Refuse{*reason, identity_}), Delivery::kReliable);
    ++stats_.refusals;
    transport_.Disconnect();
    return;
  }
  Send(Encode(start_), Delivery::kReliable);
  Begin(start_);
}

void Session::OnWelcome(const Welcome& welcome) {
  if (const auto reason = Mismatch(welcome.identity, identity_)) {
    End(EndReason::kRefused, RefusalText(Refuse{*reason, welcome.identity}, identity_));
    return;
  }
  Begin(welcome);
}

void Session::Begin(const Welcome& start) {
  start_ = start;
  replay::Header header;
  header.rules_version = identity_.rules;
  header.seed = start.seed;
  header.level_number = start.level_number;
  header.transition = start.transition;
  header.two_players = start.two_players;
  rollback_->Start(header, start.options);
  phase_ = Phase::kPlaying;
  last_heard_ = time_.Millis();
  SendInputs();
}

void Session::OnInputs(const Inputs& in) {
  if (in.ack > rollback_->next_step()) {
    // Acknowledges keys we never sent.
    ++stats_.malformed;
    return;
  }
  peer_ack_ = std::max(peer_ack_, in.ack);
  for (size_t i = 0; i < in.frames.size(); ++i) {
    const Rollback::Added a = rollback_->AddRemote(in.first + static_cast<uint32_t>(i), in.frames[i]);
    if (a == Rollback::Added::kConflict) ++stats_.conflicts;
  }
  rollback_->Settle();
}

void Session::OnHash(uint32_t steps, uint64_t hash, bool ours) {
  std::map<uint32_t, uint64_t>& mine = ours ? our_hashes_ : their_hashes_;
  std::map<uint32_t, uint64_t>& other = ours ? their_hashes_ : our_hashes_;
  const auto match = other.find(steps);
  if (match == other.end()) {
    mine[steps] = hash;
    Keep(mine);
    return;
  }
  const uint64_t theirs = match->second;
  other.erase(match);
  if (theirs == hash || phase_ != Phase::kPlaying) return;
  desync_steps_ = steps;
  for (size_t i = 0; i < hashed_steps_.size(); ++i) {
    if (hashed_steps_[i] == steps && hashed_worlds_[i]) {
      desync_world_ = std::make_unique<game::World>(*hashed_worlds_[i]);
    }
  }
  Send(Encode(Bye{ByeReason::kDesync}), Delivery::kReliable);
  End(EndReason::kDesync, kDesyncText);
}

void Session::SendInputs() {
  Inputs in;
  in.ack = rollback_->remote_known();
  const uint32_t next = rollback_->next_step();
  in.first = std::min(peer_ack_, next);
  const uint32_t last = std::min<uint32_t>(next, in.first + kMaxFramesPerPacket);
  for (uint32_t s = in.first; s < last; ++s) in.frames.push_back(rollback_->local_frame(s));
  Send(Encode(in), Delivery::kUnreliable);
}

bool Session::CanStep() {
  if (phase_ != Phase::kPlaying) return false;
  if (AtLength()) return false;
  if (!rollback_->CanStep()) {
    ++stats_.waits;
    return false;
  }
  return true;
}

void Session::Step(sim::InputFrame local) {
  if (phase_ != Phase::kPlaying || !rollback_->CanStep()) return;
  rollback_->Step(local);
  SendInputs();
}

bool Session::Complete(uint32_t steps) const {
  if (phase_ == Phase::kEnded) return end_reason_ == EndReason::kDone;
  if (phase_ != Phase::kPlaying) return false;
  return rollback_->confirmed() >= steps && (peer_ack_ >= steps || peer_done_);
}

void Session::Quit(ByeReason reason) {
  if (phase_ == Phase::kEnded) return;
  if (phase_ == Phase::kPlaying || peer_connected_) Send(Encode(Bye{reason}), Delivery::kReliable);
  End(reason == ByeReason::kDone ? EndReason::kDone : EndReason::kQuit, "");
}

}  // namespace bv::net

#include "tools/sim/net_run.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>

#include "game/places.h"
#include "game/settings_mirror.h"
#include "game/level_store.h"
#include "net/data_hash.h"
#include "net/enet_transport.h"
#include "net/replay_recording.h"
#include "net/session.h"
#include "net/steady_time.h"
#include "net/world_dump.h"
#include "sim/input_frame.h"
#include "sim/rules_version.h"
#include "tools/sim/event_log.h"
#include "tools/sim/runner.h"
#include "tools/sim/scripted_keys.h"
#include "tools/sim/state_json.h"

namespace bv::sim {

namespace {

using nlohmann::json;

constexpr int64_t kGuestWaitMs = 30000;
constexpr int64_t kLingerMs = 300;

// The confirmed game as a local run reports it: events, states, the final
// world; and the replay.
class Report final : public net::ConfirmedSteps {
 public:
  Report(const Scenario& sc, replay::Writer* record)
      : sc_(sc), log_(dummy_options_, EventLog::kStaysOpen) {
    if (record != nullptr) recording_.emplace(*record, "brimvale-sim", std::time(nullptr));
  }
  void set_length(uint32_t length) { end_ = length; }
  void Started(const replay::Header& header, const replay::ReplayOptions& options,
               const game::World& world) override {
    if (recording_) recording_->Started(header, options, world);
  }
  void Confirmed(const net::ConfirmedStep& step, const game::World& after) override {
    if (finished_ || step.step >= end_) return;
    if (recording_) recording_->Confirmed(step, after);
    log_.set_tick(step.step);
    bool closed = false;
    for (const net::StepEvent& e : *step.events) {
      switch (e.kind) {
        case net::StepEvent::Kind::kSound:
          log_.Play(e.slot, e.value);
          break;
        case net::StepEvent::Kind::kLevelSetUp:
          log_.LevelSetUp(e.value, game::SetupResult{});
          break;
        case net::StepEvent::Kind::kOpenOptions:
          log_.OpenOptions();
          break;
        case net::StepEvent::Kind::kCloseProgram:
          log_.CloseProgram();
          closed = true;
          break;
      }
    }
    const int64_t run = static_cast<int64_t>(step.step) + 1;
    if (sc_.report_every > 0 && run % sc_.report_every == 0) {
      states_.push_back(StateJson(after, step.step, sc_.report_cells, sc_.program_dir));
    }
    if (closed || step.step + 1 == end_) {
      end_ = step.step + 1;
      final_ = FinalJson(after, run, sc_.report_cells, sc_.program_dir);
      if (recording_) recording_->Finish(after);
      finished_ = true;
    }
  }
  // A desync or a lost game: the replay ends where the confirmed game did.
  void Abandon(const game::World& confirmed) {
    if (recording_ && !finished_) recording_->Finish(confirmed);
  }

  uint32_t end() const { return end_; }
  bool finished() const { return finished_; }
  json Output() {
    json out;
    out["ticks"] = end_;
    out["events"] = std::move(log_.events());
    out["states"] = std::move(states_);
    out["final"] = std::move(final_);
    return out;
  }

 private:
  const Scenario& sc_;
  settings::LiveOptions dummy_options_;
  EventLog log_;
  std::optional<net::ReplayRecording> recording_;
  json states_ = json::array();
  json final_;
  uint32_t end_ = UINT32_MAX;
  bool finished_ = false;
};

json LinkJson(const net::Session& s, const net::EnetTransport& t, double seconds) {
  const net::SessionStats& st = s.stats();
  const double played = s.game().confirmed() / 90.0;
  json j;
  j["role"] = s.role() == net::Role::kHost ? "host" : "guest";
  j["rollbacks"] = s.game().rollbacks();
  j["resimulated_steps"] = s.game().resimulated_steps();
  j["deepest_rollback"] = s.game().deepest_rollback();
  j["waits"] = st.waits;
  j["packets_out"] = st.packets_out;
  j["packets_in"] = st.packets_in;
  j["payload_bytes_out"] = st.bytes_out;
  j["wire_bytes_out"] = t.wire_bytes_sent();
  j["wire_bytes_in"] = t.wire_bytes_received();
  j["wire_bytes_out_per_second"] = played > 0 ? static_cast<double>(t.wire_bytes_sent()) / played : 0.0;
  j["malformed"] = st.malformed;
  j["conflicts"] = st.conflicts;
  j["refusals"] = st.refusals;
  j["seconds"] = seconds;
  return j;
}

}  // namespace

NetRunResult RunNetScenario(const Scenario& sc, replay::Writer* record,
                            const std::string& dump_path) {
  NetRunResult result;
  const NetSetup& setup = *sc.net;
  const game::Places places = game::PlacesOfProgram(sc.program_dir);
  std::string error;
  const std::optional<uint64_t> data_hash = net::DataTreeHash(places.data_root, &error);
  if (!data_hash) {
    result.error = error;
    return result;
  }
  if (setup.host && sc.ticks < 1) {
    result.error = "a network game needs ticks of at least 1";
    return result;
  }
  net::Identity id;
  id.rules = kRulesVersion;
  id.data_hash = *data_hash;
  std::unique_ptr<net::EnetTransport> transport =
      setup.host ? net::EnetTransport::Listen(setup.port, &error)
                 : net::EnetTransport::Connect(setup.address, setup.port, &error);
  if (!transport) {
    result.error = error;
    return result;
  }
  game::FileLevelStore levels(places.data_root);
  game::SilentSoundPlayer live;
  net::SteadyTime time;
  net::Session session(setup.host ? net::Role::kHost : net::Role::kGuest, id, *transport, time,
                       levels, live);
  Report report(sc, record);
  session.set_observer(&report);
  if (setup.host) {
    net::Welcome w;
    w.seed = sc.seed;
    w.level_number = sc.level_number;
    w.two_players = sc.two_players;
    w.transition = sc.transition;
    w.length = static_cast<uint32_t>(sc.ticks);
    w.options.settings = sc.settings;
    w.options.live = sc.options;
    session.Offer(w);
  }
  ScriptedKeys script(sc.input);
  // This side reads its player's keys under its own bindings.
  const KeyCodes own = game::MirroredKeyCodes(sc.settings);
  const int64_t started = time.Millis();
  int64_t play_started = 0;
  bool length_known = false;
  while (true) {
    session.Poll();
    if (session.phase() == net::Phase::kEnded) break;
    const int64_t now = time.Millis();
    if (session.phase() == net::Phase::kConnecting) {
      if (now - started > kGuestWaitMs) {
        result.error = "no guest came within 30 s";
        return result;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      continue;
    }
    if (!length_known) {
      report.set_length(session.start().length);
      length_known = true;
      play_started = now;
    }
    if (report.finished() && session.Complete(report.end())) {
      session.Quit(net::ByeReason::kDone);
      break;
    }
    const uint32_t next = session.game().next_step();
    if (next < report.end() && session.CanStep()) {
      script.set_tick(next);
      script.Update();
      session.Step(ReadInputFrame(script, own));
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  // Let the goodbye and the last keys go out.
  std::vector<uint8_t> ignored;
  for (const int64_t until = time.Millis() + kLingerMs; time.Millis() < until;) {
    transport->Poll(&ignored);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  const double seconds = (time.Millis() - (play_started ? play_started : started)) / 1000.0;
  if (session.end_reason() != net::EndReason::kDone) {
    report.Abandon(session.game().confirmed_world());
    result.error = session.end_message();
    if (session.end_reason() == net::EndReason::kDesync && !dump_path.empty()) {
      const game::World* w = session.desync_world();
      std::ofstream out(dump_path, std::ios::binary | std::ios::trunc);
      out << "steps " << session.desync_steps() << "\n"
          << net::WorldDump(w != nullptr ? *w : session.game().confirmed_world());
    }
    if (result.error.empty()) result.error = "the network game ended early";
  }
  result.out = report.Output();
  result.out["net"] = LinkJson(session, *transport, seconds);
  return result;
}

}  // namespace bv::sim

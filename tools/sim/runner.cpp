#include "tools/sim/runner.h"

#include <algorithm>
#include <memory>
#include <string>

#include "game/key_source.h"
#include "game/level_store.h"
#include "game/places.h"
#include "game/settings_mirror.h"
#include "game/sound_slots.h"
#include "settings/live_options.h"
#include "sim/play_clock.h"
#include "sim/tick.h"
#include "sim/world_hash.h"
#include "tools/sim/state_json.h"

namespace bv::sim {

namespace {

using nlohmann::json;

// A pass that runs one tick lasts one logic step.
constexpr double kStepsPerTick = 1.0;

// The scenario's input script: each Update holds the keys of the current
// tick. Ticks only move forward, so the windows are swept in order of start.
class ScriptedKeys final : public game::KeySource {
 public:
  explicit ScriptedKeys(const std::vector<InputWindow>& input) {
    for (const InputWindow& w : input) pending_.push_back(&w);
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const InputWindow* a, const InputWindow* b) { return a->from < b->from; });
  }
  void set_tick(int64_t tick) { tick_ = tick; }
  int32_t Update() override {
    while (next_ < pending_.size() && pending_[next_]->from <= tick_) {
      active_.push_back(pending_[next_++]);
    }
    active_.erase(std::remove_if(active_.begin(), active_.end(),
                                 [&](const InputWindow* w) { return w->to <= tick_; }),
                  active_.end());
    table_.Clear();
    for (const InputWindow* w : active_) {
      for (uint8_t code : w->keys) table_.Set(code, true);
    }
    return 0;
  }
  bool KeyDown(uint8_t code) const override { return table_.KeyDown(code); }

 private:
  std::vector<const InputWindow*> pending_;
  std::vector<const InputWindow*> active_;
  size_t next_ = 0;
  game::KeyTable table_;
  int64_t tick_ = 0;
};

// Collects what the tick tells the outside world as events. The options
// window stays up for `open_ticks` ticks after the tick that opened it;
// nothing else about it exists here.
class Recorder final : public game::SoundPlayer, public Host {
 public:
  Recorder(settings::LiveOptions& options, int64_t open_ticks)
      : options_(options), open_ticks_(open_ticks) {}
  void set_tick(int64_t tick) { tick_ = tick; }
  void Play(game::SoundSlot slot, int index) override {
    std::string name = game::SlotName(slot);
    if (game::SlotSize(slot) > 1) name += ":" + std::to_string(index);
    events_.push_back({{"tick", tick_}, {"sound", name}});
  }
  void CloseProgram() override {
    events_.push_back({{"tick", tick_}, {"close_program", true}});
    closed_ = true;
  }
  void LevelSetUp(int level, const game::SetupResult&) override {
    events_.push_back({{"tick", tick_}, {"setup_level", level}});
  }
  void OpenOptions() override {
    events_.push_back({{"tick", tick_}, {"open_options", true}});
    options_.set_options_visible(true);
    close_options_before_ = tick_ + 1 + open_ticks_;
  }
  // Before each tick: the window closes once its time is up.
  void CloseOptionsWhenDue() {
    if (options_.options_visible() && tick_ >= close_options_before_) {
      options_.set_options_visible(false);
    }
  }

  bool closed() const { return closed_; }
  json& events() { return events_; }

 private:
  settings::LiveOptions& options_;
  const int64_t open_ticks_;
  int64_t close_options_before_ = -1;
  int64_t tick_ = 0;
  bool closed_ = false;
  json events_ = json::array();
};

void ApplyStart(const Scenario& sc, game::World& w) {
  game::SetStartValues(w);
  w.random.Seed(sc.seed);
  game::MirrorSettings(sc.settings, w);
  w.level_number = sc.level_number;
  w.two_players = sc.two_players;
  w.transition = sc.transition;
}

}  // namespace

json RunScenario(const Scenario& sc, RunObserver* observer) {
  auto world = std::make_unique<game::World>();
  ApplyStart(sc, *world);
  settings::LiveOptions options = sc.options;
  ScriptedKeys keys(sc.input);
  Recorder recorder(options, sc.options_open_ticks);

  const game::Places places = game::PlacesOfProgram(sc.program_dir);
  game::FileLevelStore levels(places.data_root);
  const TickServices services{keys, recorder, options, recorder, levels};
  json states = json::array();
  int64_t run = 0;
  for (int64_t tick = 0; tick < sc.ticks; ++tick) {
    keys.set_tick(tick);
    recorder.set_tick(tick);
    recorder.CloseOptionsWhenDue();
    // One pass of the frame timer per tick, as at 90 passes a second: the
    // real-time event, then the tick.
    AdvancePlayClock(*world, kStepsPerTick);
    RunTick(*world, services);
    run = tick + 1;
    if (sc.report_every > 0 && run % sc.report_every == 0) {
      states.push_back(StateJson(*world, tick, sc.report_cells, sc.program_dir));
    }
    if (observer != nullptr) observer->AfterTick(tick, *world);
    if (recorder.closed()) break;
  }

  json out;
  out["ticks"] = run;
  out["events"] = std::move(recorder.events());
  out["states"] = std::move(states);
  out["final"] = StateJson(*world, run - 1, sc.report_cells, sc.program_dir);
  out["final"]["world_hash"] = WorldHashHex(WorldHash(*world));
  return out;
}

}  // namespace bv::sim

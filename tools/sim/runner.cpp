#include "tools/sim/runner.h"

#include <algorithm>
#include <memory>
#include <string>

#include "game/key_source.h"
#include "game/sound_slots.h"
#include "media/cp1250.h"
#include "settings/live_options.h"
#include "sim/tick.h"
#include "sim/world_hash.h"
#include "tools/sim/state_json.h"

namespace bv::sim {

namespace {

using nlohmann::json;

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

// Collects what the tick tells the outside world as events.
class Recorder final : public game::SoundPlayer, public Host {
 public:
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
  void OptionsOpened() { events_.push_back({{"tick", tick_}, {"open_options", true}}); }

  bool closed() const { return closed_; }
  json& events() { return events_; }

 private:
  int64_t tick_ = 0;
  bool closed_ = false;
  json events_ = json::array();
};

void ApplyOptions(const ScenarioOptions& o, settings::LiveOptions& live) {
  live.set_difficulty(o.difficulty);
  live.set_frag_limit(o.frag_limit);
  live.set_point_limit(o.point_limit);
  live.set_arenamode(o.arenamode);
  live.set_reitem_period(o.reitem_period);
  live.set_show_fps(o.show_fps);
  live.set_level_source(o.campaign ? settings::LevelSource::kCampaign
                                   : settings::LevelSource::kCustom);
  // The game holds its texts as Windows-1250, as the options window's list would.
  std::vector<std::string> list;
  for (const std::string& entry : o.level_list) list.push_back(media::Utf8ToCp1250(entry));
  live.set_level_list(std::move(list));
  live.set_selected(o.selected);
}

void ApplyStart(const Scenario& sc, game::World& w) {
  game::SetStartValues(w);
  w.program_dir = sc.program_dir;
  w.random.Seed(sc.seed);
  w.game_mode = sc.settings.game_mode;
  w.key_codes = sc.settings.key_codes;
  w.players[0].color = sc.settings.colors[0];
  w.players[1].color = sc.settings.colors[1];
  w.enemy_color = sc.settings.colors[2];
  w.hud_alpha = sc.settings.hud_alpha;
  w.minimap_alpha = sc.settings.minimap_alpha;
  w.level_number = sc.level_number;
  w.two_players = sc.two_players;
  w.transition = sc.transition;
}

}  // namespace

json RunScenario(const Scenario& sc, RunObserver* observer) {
  auto world = std::make_unique<game::World>();
  ApplyStart(sc, *world);
  settings::LiveOptions options;
  ApplyOptions(sc.options, options);
  ScriptedKeys keys(sc.input);
  Recorder recorder;

  // The options window stays up for options_open_ticks ticks after the tick
  // that opened it; nothing else about it exists here.
  int64_t tick = 0;
  int64_t close_options_before = -1;
  options.set_open_options_handler([&] {
    recorder.OptionsOpened();
    options.set_options_visible(true);
    close_options_before = tick + 1 + sc.options_open_ticks;
  });

  const TickServices services{keys, recorder, options, recorder};
  json states = json::array();
  int64_t run = 0;
  for (tick = 0; tick < sc.ticks; ++tick) {
    if (options.options_visible() && tick >= close_options_before) {
      options.set_options_visible(false);
    }
    keys.set_tick(tick);
    recorder.set_tick(tick);
    RenderProcess(*world, services);
    run = tick + 1;
    if (sc.report_every > 0 && run % sc.report_every == 0) {
      states.push_back(StateJson(*world, tick, sc.report_cells));
    }
    if (observer != nullptr) observer->AfterTick(tick, *world);
    if (recorder.closed()) break;
  }

  json out;
  out["ticks"] = run;
  out["events"] = std::move(recorder.events());
  out["states"] = std::move(states);
  out["final"] = StateJson(*world, run - 1, sc.report_cells);
  out["final"]["world_hash"] = WorldHashHex(WorldHash(*world));
  return out;
}

}  // namespace bv::sim

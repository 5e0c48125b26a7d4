#include "tools/sim/runner.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "game/key_source.h"
#include "game/level_store.h"
#include "game/places.h"
#include "game/settings_mirror.h"
#include "game/sound_slots.h"
#include "replay/recorder.h"
#include "settings/live_options.h"
#include "sim/play_clock.h"
#include "sim/rules_version.h"
#include "sim/tick.h"
#include "sim/world_hash.h"
#include "tools/sim/autopilot.h"
#include "tools/sim/event_log.h"
#include "tools/sim/scripted_keys.h"
#include "tools/sim/state_json.h"

namespace bv::sim {

namespace {

using nlohmann::json;

// A pass that runs one tick lasts one logic step.
constexpr double kStepsPerTick = 1.0;

void ApplyStart(const Scenario& sc, game::World& w) {
  game::SetStartValues(w);
  w.random.Seed(sc.seed);
  game::MirrorSettings(sc.settings, w);
  w.level_number = sc.level_number;
  w.two_players = sc.two_players;
  w.transition = sc.transition;
}

}  // namespace

json RunScenario(const Scenario& sc, RunObserver* observer, replay::Writer* record,
                 EventSink events) {
  auto world = std::make_unique<game::World>();
  ApplyStart(sc, *world);
  settings::LiveOptions options = sc.options;
  ScriptedKeys script(sc.input);
  Autopilot keys(*world, script, sc.autopilot);
  EventLog log(options, sc.options_open_ticks);
  if (events) log.set_sink(std::move(events));
  std::optional<replay::Recorder> recorder;
  if (record != nullptr) {
    recorder.emplace(*record, *world, options);
    replay::Header header;
    header.rules_version = kRulesVersion;
    header.seed = sc.seed;
    header.recorder = "brimvale-sim";
    recorder->Start(header);
  }

  const game::Places places = game::PlacesOfProgram(sc.program_dir);
  game::FileLevelStore levels(places.data_root);
  json states = json::array();
  int64_t run = 0;
  for (int64_t tick = 0; tick < sc.ticks; ++tick) {
    script.set_tick(tick);
    keys.set_tick(tick);
    log.set_tick(tick);
    log.CloseOptionsWhenDue();
    // One pass of the frame timer per tick, as at 90 passes a second: the
    // real-time event, then the tick.
    if (recorder) recorder->RealTime(kStepsPerTick);
    AdvancePlayClock(*world, kStepsPerTick);
    game::KeySource& read = recorder ? recorder->BeforeStep(keys) : keys;
    RunTick(*world, TickServices{read, log, options, log, levels});
    if (recorder) recorder->AfterStep();
    run = tick + 1;
    if (sc.report_every > 0 && run % sc.report_every == 0) {
      states.push_back(StateJson(*world, tick, sc.report_cells, sc.program_dir));
    }
    if (observer != nullptr) observer->AfterTick(tick, *world);
    if (log.closed()) break;
  }
  if (recorder) recorder->Finish();

  json out;
  out["ticks"] = run;
  if (!log.streaming()) out["events"] = std::move(log.events());
  out["states"] = std::move(states);
  out["final"] = FinalJson(*world, run, sc.report_cells, sc.program_dir);
  return out;
}

json FinalJson(const game::World& world, int64_t ticks,
               const std::vector<std::pair<int, int>>& cells, const std::string& program_dir) {
  json final = StateJson(world, ticks - 1, cells, program_dir);
  final["world_hash"] = WorldHashHex(WorldHash(world));
  return final;
}

}  // namespace bv::sim

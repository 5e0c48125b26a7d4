#include "tools/sim/replay_run.h"

#include <memory>

#include "game/level_store.h"
#include "game/places.h"
#include "replay/stepper.h"
#include "tools/sim/event_log.h"
#include "tools/sim/state_json.h"

namespace bv::sim {

ReplayResult RunReplay(const replay::ReplayFile& file, const ReplayRun& how,
                       RunObserver* observer) {
  auto world = std::make_unique<game::World>();
  settings::LiveOptions options;
  // The replay's own records close the options window.
  EventLog log(options, EventLog::kStaysOpen);
  if (how.events) log.set_sink(how.events);
  game::FileLevelStore levels(game::PlacesOfProgram(how.program_dir).data_root);
  replay::Stepper stepper(*world, options, log, log, levels);
  replay::Player player(file, stepper);
  const std::vector<std::pair<int, int>> no_cells;

  ReplayResult result;
  nlohmann::json states = nlohmann::json::array();
  player.Start();
  for (;;) {
    if (how.stop_at_divergence && player.divergence()) break;
    const int64_t tick = player.steps_run();
    log.set_tick(tick);
    if (!player.Step()) break;
    const int64_t run = tick + 1;
    if (how.report_every > 0 && run % how.report_every == 0) {
      states.push_back(StateJson(*world, tick, no_cells, how.program_dir));
    }
    if (observer != nullptr) observer->AfterTick(tick, *world);
  }
  result.divergence = player.divergence();
  const int64_t ticks = player.steps_run();
  result.out["ticks"] = ticks;
  if (!log.streaming()) result.out["events"] = std::move(log.events());
  result.out["states"] = std::move(states);
  result.out["final"] = FinalJson(*world, ticks, no_cells, how.program_dir);
  return result;
}

}  // namespace bv::sim

#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "game/sound_slots.h"
#include "settings/live_options.h"
#include "sim/host.h"

namespace bv::sim {

// Collects what the tick tells the outside world as the events of a run's
// JSON: sounds, level setups, the options window opened, the program
// closed. The options window shows as the app shows it; a scenario closes
// it again `open_ticks` ticks later (a replay's own options records do).
//
// A long run makes millions of events, so a caller that writes them out can
// take each as it happens instead (`set_sink`); then none are kept.
using EventSink = std::function<void(const nlohmann::json& event)>;

class EventLog final : public game::SoundPlayer, public Host {
 public:
  static constexpr int64_t kStaysOpen = -1;

  EventLog(settings::LiveOptions& options, int64_t open_ticks)
      : options_(options), open_ticks_(open_ticks) {}
  void set_tick(int64_t tick) { tick_ = tick; }
  void Play(game::SoundSlot slot, int index) override;
  void CloseProgram() override;
  void LevelSetUp(int level, const game::SetupResult&) override;
  void OpenOptions() override;
  // Before each tick: the window closes once its time is up.
  void CloseOptionsWhenDue();

  bool closed() const { return closed_; }
  nlohmann::json& events() { return events_; }
  void set_sink(EventSink sink) { sink_ = std::move(sink); }
  bool streaming() const { return static_cast<bool>(sink_); }

 private:
  void Add(nlohmann::json event);

  settings::LiveOptions& options_;
  const int64_t open_ticks_;
  int64_t close_options_before_ = -1;
  int64_t tick_ = 0;
  bool closed_ = false;
  nlohmann::json events_ = nlohmann::json::array();
  EventSink sink_;
};

}  // namespace bv::sim

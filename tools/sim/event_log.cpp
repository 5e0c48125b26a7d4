#include "tools/sim/event_log.h"

namespace bv::sim {

void EventLog::Add(nlohmann::json event) {
  if (sink_) {
    sink_(event);
  } else {
    events_.push_back(std::move(event));
  }
}

void EventLog::Play(game::SoundSlot slot, int index) {
  std::string name = game::SlotName(slot);
  if (game::SlotSize(slot) > 1) name += ":" + std::to_string(index);
  Add({{"tick", tick_}, {"sound", name}});
}

void EventLog::CloseProgram() {
  Add({{"tick", tick_}, {"close_program", true}});
  closed_ = true;
}

void EventLog::LevelSetUp(int level, const game::SetupResult&) {
  Add({{"tick", tick_}, {"setup_level", level}});
}

void EventLog::OpenOptions() {
  Add({{"tick", tick_}, {"open_options", true}});
  options_.set_options_visible(true);
  if (open_ticks_ != kStaysOpen) close_options_before_ = tick_ + 1 + open_ticks_;
}

void EventLog::CloseOptionsWhenDue() {
  if (close_options_before_ >= 0 && options_.options_visible() && tick_ >= close_options_before_) {
    options_.set_options_visible(false);
  }
}

}  // namespace bv::sim

#include "settings/live_options.h"

namespace bv::settings {

void LiveOptions::set_difficulty(int index) {
  difficulty_ = (index >= 0 && index < kDifficultyCount) ? index : -1;
}

void LiveOptions::set_frag_limit(int v) {
  frag_limit_ = static_cast<int>(ClampSetting(Setting::kFragLimit, v));
}

void LiveOptions::set_point_limit(int v) {
  point_limit_ = static_cast<int>(ClampSetting(Setting::kPointLimit, v));
}

void LiveOptions::set_reitem_period(int v) {
  reitem_period_ = static_cast<int>(ClampSetting(Setting::kReitemPeriod, v));
}

void LiveOptions::set_level_list(std::vector<std::string> entries) {
  level_list_ = std::move(entries);
  selected_ = level_list_.empty() ? -1 : 0;
}

void LiveOptions::set_selected(int index) {
  selected_ = (index >= 0 && index < static_cast<int>(level_list_.size())) ? index : -1;
}

std::string LiveOptions::selected_text() const {
  if (selected_ < 0 || selected_ >= static_cast<int>(level_list_.size())) return {};
  return level_list_[static_cast<size_t>(selected_)];
}

}  // namespace bv::settings

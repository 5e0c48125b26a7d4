#pragma once

#include <string>
#include <vector>

#include "settings/config_table.h"

namespace bv::settings {

enum class LevelSource { kCampaign, kCustom };

// The settings the game reads at the moment it needs them: the options window
// holds them for the whole run and the game never copies them. Values written
// outside a range are clamped, as the window's controls would.
class LiveOptions {
 public:
  // "Dziecinny" .. "Ekstremalny"; the default is "Normalny".
  static constexpr int kDifficultyCount = static_cast<int>(MaxOf(Setting::kDifLevel)) + 1;
  static constexpr int kDifficultyDefault = static_cast<int>(DefaultOf(Setting::kDifLevel));

  // -1 means no selection; anything beyond the list leaves no selection.
  int difficulty() const { return difficulty_; }
  void set_difficulty(int index);

  int frag_limit() const { return frag_limit_; }
  void set_frag_limit(int v);

  int point_limit() const { return point_limit_; }
  void set_point_limit(int v);

  bool arenamode() const { return arenamode_; }
  void set_arenamode(bool v) { arenamode_ = v; }

  int reitem_period() const { return reitem_period_; }
  void set_reitem_period(int v);

  bool show_fps() const { return show_fps_; }
  void set_show_fps(bool v) { show_fps_ = v; }

  LevelSource level_source() const { return level_source_; }
  void set_level_source(LevelSource s) { level_source_ = s; }

  // The level list's entries: campaign folder names or custom level names.
  const std::vector<std::string>& level_list() const { return level_list_; }
  // Replaces the entries and selects the first one, or none when empty.
  void set_level_list(std::vector<std::string> entries);

  // -1 or an index of the list; an index outside the list leaves no selection.
  int selected() const { return selected_; }
  void set_selected(int index);
  // The selected entry's text; empty when nothing is selected.
  std::string selected_text() const;

  bool options_visible() const { return options_visible_; }
  void set_options_visible(bool v) { options_visible_ = v; }

 private:
  int difficulty_ = kDifficultyDefault;
  int frag_limit_ = static_cast<int>(DefaultOf(Setting::kFragLimit));
  int point_limit_ = static_cast<int>(DefaultOf(Setting::kPointLimit));
  bool arenamode_ = DefaultOf(Setting::kArenamode) != 0;
  int reitem_period_ = static_cast<int>(DefaultOf(Setting::kReitemPeriod));
  bool show_fps_ = DefaultOf(Setting::kShowfps) != 0;
  LevelSource level_source_ = LevelSource::kCampaign;
  std::vector<std::string> level_list_;
  int selected_ = -1;
  bool options_visible_ = false;
};

}  // namespace bv::settings

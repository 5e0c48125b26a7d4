#include "settings/options_form.h"

#include "game/key_source.h"
#include "game/settings_mirror.h"
#include "game/world.h"
#include "media/key_names.h"
#include "settings/config_file.h"
#include "settings/level_lists.h"
#include "settings/options_labels.h"

namespace bv::settings {

OptionsForm::OptionsForm(game::World& world, LiveOptions& live, game::Places places)
    : world_(world), live_(live), places_(std::move(places)) {}

bool OptionsForm::Create() {
  bool loaded = true;
  const ConfigLoad load = LoadConfigFile(places_.settings_dir);
  if (load.status == ConfigLoadStatus::kLoaded) {
    ApplyLoadedRecord(DecodeConfig(load.bytes));
  } else if (load.status == ConfigLoadStatus::kError) {
    if (fatal_report_) fatal_report_(kConfigErrorCode, kConfigLoadErrorText);
    loaded = false;
  }
  ClickCampaign();
  ModeRules();
  Close();
  return loaded;
}

void OptionsForm::ApplyLoadedRecord(const ConfigRecord& r) {
  set_hud_trans_bar(r.hud_trans);
  set_map_trans_bar(r.map_trans);
  colors_ = {r.p1_color, r.p2_color, r.en_color};
  live_.set_difficulty(r.dif_level);  // beyond the list: no selection
  // Beyond the list the mode would be none, which the game cannot play.
  multi_tryb_ = r.multi_tryb < kModeCount ? r.multi_tryb : game::kCooperation;
  live_.set_frag_limit(r.frag_limit);
  live_.set_point_limit(r.point_limit);
  live_.set_reitem_period(r.reitem_period);
  live_.set_arenamode(r.arenamode != 0);
  anti_ = r.anti != 0;
  dirt_ = r.dirt != 0;
  live_.set_show_fps(r.showfps != 0);
  keys_codes_ = r.keys;
}

void OptionsForm::Show() {
  focused_key_ = kNoKeyEdit;
  live_.set_options_visible(true);
}

void OptionsForm::Close() {
  // Read-only, the window shows another's settings: the world keeps its own.
  if (!read_only_) Mirror();
  focused_key_ = kNoKeyEdit;
  live_.set_options_visible(false);
}

void OptionsForm::Mirror() {
  game::MirrorSettings(ControlsRecord(), world_);
  if (draw_switches_) draw_switches_(anti_, dirt_);
}

ConfigRecord OptionsForm::ControlsRecord() const {
  ConfigRecord r;
  r.hud_trans = static_cast<uint8_t>(hud_trans_bar_);
  r.map_trans = static_cast<uint8_t>(map_trans_bar_);
  r.p1_color = colors_[0];
  r.p2_color = colors_[1];
  r.en_color = colors_[2];
  // No selection (-1) is written as its low byte, 255, and reads back as none.
  r.dif_level = static_cast<uint8_t>(live_.difficulty());
  r.multi_tryb = static_cast<uint8_t>(multi_tryb_);
  r.frag_limit = static_cast<uint8_t>(live_.frag_limit());
  r.point_limit = live_.point_limit();
  r.reitem_period = static_cast<uint16_t>(live_.reitem_period());
  r.arenamode = live_.arenamode();
  r.anti = anti_;
  r.dirt = dirt_;
  r.showfps = live_.show_fps();
  r.keys = keys_codes_;
  return r;
}

ConfigRecord OptionsForm::RecordToSave() const {
  if (read_only_) return own_saved_;
  ConfigRecord r = ControlsRecord();
  game::SaveMirroredSettings(world_, r);
  return r;
}

bool OptionsForm::SaveSettings() {
  if (SaveConfigFile(places_.settings_dir, EncodeConfig(RecordToSave()))) return true;
  if (fatal_report_) fatal_report_(kConfigErrorCode, kConfigSaveErrorText);
  return false;
}

void OptionsForm::set_hud_trans_bar(int position) {
  if (read_only_) return;
  hud_trans_bar_ = static_cast<int>(ClampSetting(Setting::kHudTrans, position));
}

void OptionsForm::set_map_trans_bar(int position) {
  if (read_only_) return;
  map_trans_bar_ = static_cast<int>(ClampSetting(Setting::kMapTrans, position));
}

std::string OptionsForm::hud_trans_lab() const {
  return PercentLabel(hud_trans_bar_);
}
std::string OptionsForm::map_trans_lab() const {
  return PercentLabel(map_trans_bar_);
}
std::string OptionsForm::frag_lab() const {
  return FragLabel(live_.frag_limit());
}
std::string OptionsForm::point_lab() const {
  return PointLabel(live_.point_limit());
}

void OptionsForm::set_color(Swatch s, uint32_t color) {
  if (!read_only_) colors_[static_cast<int>(s)] = color;
}
void OptionsForm::set_anti(bool on) {
  if (!read_only_) anti_ = on;
}
void OptionsForm::set_dirt(bool on) {
  if (!read_only_) dirt_ = on;
}
void OptionsForm::set_showfps(bool on) {
  if (!read_only_) live_.set_show_fps(on);
}
void OptionsForm::set_selected_level(int index) {
  if (!read_only_) live_.set_selected(index);
}
void OptionsForm::set_dif_level(int index) {
  if (!read_only_) live_.set_difficulty(index);
}
void OptionsForm::set_frag_bar(int position) {
  if (!read_only_) live_.set_frag_limit(position);
}
void OptionsForm::set_point_bar(int position) {
  if (!read_only_) live_.set_point_limit(position);
}
void OptionsForm::set_arenamode(bool on) {
  if (!read_only_) live_.set_arenamode(on);
}
void OptionsForm::set_reitem_bar(int position) {
  if (!read_only_) live_.set_reitem_period(position);
}

void OptionsForm::ClickCampaign() {
  if (read_only_) return;
  live_.set_level_source(LevelSource::kCampaign);
  live_.set_level_list(ListCampaigns(places_));
}

void OptionsForm::ClickCustom() {
  if (read_only_) return;
  live_.set_level_source(LevelSource::kCustom);
  live_.set_level_list(ListCustomLevels(places_));
}

void OptionsForm::set_multi_tryb(int index) {
  if (read_only_) return;
  multi_tryb_ = (index >= 0 && index < kModeCount) ? index : game::kCooperation;
  ModeRules();
}

void OptionsForm::ModeSwitches() {
  const bool versus = game::IsMatchMode(multi_tryb_);
  level_choice_enabled_ = !versus;
  difficulty_enabled_ = !versus;
}

void OptionsForm::ModeRules() {
  ModeSwitches();
  const bool versus = game::IsMatchMode(multi_tryb_);
  // Selecting the custom button fills its list, as a click does; it is
  // already selected when switching between the two versus modes, and then
  // the list and its selection stay.
  if (versus && live_.level_source() != LevelSource::kCustom) ClickCustom();
}

void OptionsForm::set_focused_key(int edit) {
  if (read_only_) return;
  focused_key_ = (edit >= 0 && edit < kKeyEditCount) ? edit : kNoKeyEdit;
}

const char* OptionsForm::key_name(int edit) const {
  return media::KeyName(key(edit));
}

void OptionsForm::KeyDownInKeyEdit() {
  if (read_only_ || focused_key_ == kNoKeyEdit || keys_ == nullptr) return;
  keys_->Update();  // a failed read leaves the table as it was
  for (int code = 0; code < 256; ++code) {
    if (keys_->KeyDown(static_cast<uint8_t>(code))) {
      keys_codes_[static_cast<size_t>(focused_key_)] = static_cast<uint8_t>(code);
    }
  }
}

void OptionsForm::ApplyLevelChoice(const LiveOptions& from) {
  live_.set_level_source(from.level_source());
  live_.set_level_list(from.level_list());
  live_.set_selected(from.selected());
}

void OptionsForm::BeginReadOnly(const ConfigRecord& shown, const LiveOptions& shown_live) {
  if (!read_only_) {
    own_controls_ = ControlsRecord();
    own_saved_ = RecordToSave();
    own_live_ = live_;
  }
  // Copied first: the live options may be the form's own.
  const LiveOptions level = shown_live;
  read_only_ = false;  // the setters below are the window's own
  ApplyLoadedRecord(shown);
  ApplyLevelChoice(level);
  ModeSwitches();
  focused_key_ = kNoKeyEdit;
  read_only_ = true;
}

void OptionsForm::BeginReadOnly() {
  BeginReadOnly(ControlsRecord(), live_);
}

void OptionsForm::EndReadOnly() {
  if (!read_only_) return;
  read_only_ = false;
  ApplyLoadedRecord(own_controls_);
  ApplyLevelChoice(own_live_);
  ModeSwitches();
  Mirror();
}

}  // namespace bv::settings

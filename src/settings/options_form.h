#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/game_mode.h"
#include "game/places.h"
#include "settings/config_record.h"
#include "settings/key_clashes.h"
#include "settings/live_options.h"

namespace bv::game {
struct World;
class KeySource;
}  // namespace bv::game

namespace bv::settings {

enum class Swatch { kPlayer1, kPlayer2, kEnemy };

// The twelve key edits, in the file's order: player 1's up, down, left,
// right, change weapon, attack, then player 2's.
constexpr int kKeyEditCount = kConfigKeyCount;
constexpr int kNoKeyEdit = -1;

// The options window without its face: every control's value, the handlers,
// the level lists, key capture, and the settings load, mirror and save. The
// live options are the controls the game reads directly; the rest lives
// here and reaches the world only when the window closes. The drawing layer
// reads and writes the controls through this class, so all of it runs and
// is tested headless.
class OptionsForm {
 public:
  static constexpr int kModeCount = game::kGameModeCount;
  static_assert(kModeCount == MaxOf(Setting::kMultiTryb) + 1, "one mode list item per mode");

  // code, text (Windows-1250). The app's fatal report: shows the text and
  // ends the program; true when it did.
  using FatalReport = std::function<bool(int32_t code, const std::string& text)>;
  // Pushed into the drawing device at each close.
  using DrawSwitches = std::function<void(bool antialias, bool dithering)>;

  OptionsForm(game::World& world, LiveOptions& live, game::Places places);
  OptionsForm(const OptionsForm&) = delete;
  OptionsForm& operator=(const OptionsForm&) = delete;

  // The window's own keyboard reader, used by key capture; without one,
  // capture finds no key down.
  void set_key_source(game::KeySource* keys) { keys_ = keys; }
  void set_fatal_report(FatalReport report) { fatal_report_ = std::move(report); }
  void set_draw_switches(DrawSwitches push) { draw_switches_ = std::move(push); }

  // Window creation, once at start while hidden: settings load, campaign
  // list, mode rules, then a close, which mirrors the settings into the
  // world. False when the settings file could not be read (already reported; the
  // controls then keep their defaults).
  bool Create();
  // Shown for editing (the main window's answer to the menu level's options
  // cell); the main window is disabled until Close.
  void Show();
  // The close button: mirrors the settings into the world and hides.
  void Close();
  bool visible() const { return live_.options_visible(); }

  // The main window's close: writes config.dat from the world's mirrors and
  // the controls. False when the file could not be written (reported).
  bool SaveSettings();
  // The record SaveSettings writes.
  ConfigRecord RecordToSave() const;
  // Every setting as the controls hold it now.
  ConfigRecord ControlsRecord() const;

  // Graphics.
  int hud_trans_bar() const { return hud_trans_bar_; }
  void set_hud_trans_bar(int position);
  std::string hud_trans_lab() const;
  int map_trans_bar() const { return map_trans_bar_; }
  void set_map_trans_bar(int position);
  std::string map_trans_lab() const;
  uint32_t color(Swatch s) const { return colors_[static_cast<int>(s)]; }
  // The colour dialog confirmed; a cancelled dialog changes nothing.
  void set_color(Swatch s, uint32_t color);
  bool anti() const { return anti_; }
  void set_anti(bool on);
  bool dirt() const { return dirt_; }
  void set_dirt(bool on);
  bool showfps() const { return live_.show_fps(); }
  void set_showfps(bool on);

  // Level choice: the radio buttons and the list (held by the live options).
  bool level_choice_enabled() const { return level_choice_enabled_; }
  LevelSource level_source() const { return live_.level_source(); }
  void ClickCampaign();
  void ClickCustom();
  const std::vector<std::string>& level_list() const { return live_.level_list(); }
  int selected_level() const { return live_.selected(); }
  void set_selected_level(int index);

  // Game.
  bool difficulty_enabled() const { return difficulty_enabled_; }
  int dif_level() const { return live_.difficulty(); }  // -1: no selection
  void set_dif_level(int index);

  // Multiplayer.
  int multi_tryb() const { return multi_tryb_; }
  // A change of the mode list; applies the mode rules.
  void set_multi_tryb(int index);
  int frag_bar() const { return live_.frag_limit(); }
  void set_frag_bar(int position);
  std::string frag_lab() const;
  int point_bar() const { return live_.point_limit(); }
  void set_point_bar(int position);
  std::string point_lab() const;
  bool arenamode() const { return live_.arenamode(); }
  void set_arenamode(bool on);
  int reitem_bar() const { return live_.reitem_period(); }
  void set_reitem_bar(int position);

  // Keys: the code each key edit shows (its text is the code in decimal).
  uint8_t key(int edit) const { return keys_codes_[static_cast<size_t>(edit)]; }
  std::string key_text(int edit) const { return std::to_string(key(edit)); }
  // The key's printed name, shown beside its code ("Up"); empty for a code
  // no PC key has.
  const char* key_name(int edit) const;
  // The keys bound more than once, marked and named; nothing is refused.
  KeyClashes key_clashes() const { return FindKeyClashes(keys_codes_); }
  // The key edit holding the focus, or kNoKeyEdit.
  int focused_key() const { return focused_key_; }
  void set_focused_key(int edit);
  // A key went down in the focused key edit: refresh the reader and store
  // the highest code held. Nothing held, or no edit focused: no change.
  void KeyDownInKeyEdit();

  // Read-only, for a guest of a network game, where the host's settings and
  // level rule. The controls show `shown` and the level of `shown_live`
  // (its level source, list and selection; never its visibility), and
  // nothing changes them: every setter above, the level buttons and key
  // capture do nothing, and a close mirrors nothing into the world. The
  // player's own settings are put aside: SaveSettings writes them, and
  // EndReadOnly brings them back. Called again while read-only, it shows
  // the new values and keeps the own ones put aside the first time.
  void BeginReadOnly(const ConfigRecord& shown, const LiveOptions& shown_live);
  // Read-only, showing what the controls hold now.
  void BeginReadOnly();
  // The own settings back in the controls and the live options, mirrored
  // into the world as a close does: call it once the network game is over.
  // Nothing happens when the form is not read-only.
  void EndReadOnly();
  bool read_only() const { return read_only_; }

 private:
  void ApplyLoadedRecord(const ConfigRecord& r);
  void ApplyLevelChoice(const LiveOptions& from);
  void ModeRules();
  void ModeSwitches();
  void Mirror();

  game::World& world_;
  LiveOptions& live_;
  const game::Places places_;
  game::KeySource* keys_ = nullptr;
  FatalReport fatal_report_;
  DrawSwitches draw_switches_;

  int hud_trans_bar_ = static_cast<int>(DefaultOf(Setting::kHudTrans));
  int map_trans_bar_ = static_cast<int>(DefaultOf(Setting::kMapTrans));
  std::array<uint32_t, 3> colors_{static_cast<uint32_t>(DefaultOf(Setting::kP1Color)),
                                  static_cast<uint32_t>(DefaultOf(Setting::kP2Color)),
                                  static_cast<uint32_t>(DefaultOf(Setting::kEnColor))};
  bool anti_ = DefaultOf(Setting::kAnti) != 0;
  bool dirt_ = DefaultOf(Setting::kDirt) != 0;
  int multi_tryb_ = static_cast<int>(DefaultOf(Setting::kMultiTryb));
  bool level_choice_enabled_ = true;
  bool difficulty_enabled_ = true;
  std::array<uint8_t, kKeyEditCount> keys_codes_ = ConfigRecord{}.keys;
  int focused_key_ = kNoKeyEdit;

  bool read_only_ = false;
  // While read-only: the own controls, the record a save writes, and the
  // own live options.
  ConfigRecord own_controls_;
  ConfigRecord own_saved_;
  LiveOptions own_live_;
};

}  // namespace bv::settings

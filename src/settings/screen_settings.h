#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/text_kind.h"

namespace bv::settings {

// The settings config.dat has no room for: the game window's, and the
// network game's choice on the options window's "Sieć" page. They live in
// brimvale.ini beside it (screen_settings_file.h). The tables below are the
// one place each is defined: its name in the file, its default and the values
// it allows.
enum class ScreenSetting : uint8_t {
  kWindow,
  kScaling,
  kFullscreen,
  kPacing,
  kFrameCap,
  kNetRole,  // the "Sieć" page's choice: host a game or join one
  kNetPort,  // the port a host listens on, and a guest joins
};
constexpr int kScreenSettingCount = 7;

// The choices, in the order of their words in the table.
enum class WindowChoice : int { kScaled, kClassic };  // classic: 640 by 480, borderless, on top
enum class Scaling : int { kInteger, kFit };           // whole-number scales, or fill the window
enum class Pacing : int { kVsync, kCap, kUnlimited };  // unlimited: a loop that never sleeps
enum class NetRole : int { kHost, kJoin };

// The network game's port unless the player picks another: above the
// system's ports and below the ephemeral ones.
constexpr int kDefaultNetPort = 28640;
constexpr int kMinNetPort = 1024;
constexpr int kMaxNetPort = 65535;

constexpr int kMaxScreenWords = 3;

struct ScreenSettingInfo {
  const char* name;  // the key in brimvale.ini
  // The words the value may be; word i stands for the value i.
  std::array<const char*, kMaxScreenWords> words;
  int word_count;  // 0: a number only
  // A number in min..max is allowed too (never, when min > max).
  int min;
  int max;
  int default_value;
};

// The frame cap's value for "display": the display's refresh rate.
constexpr int kFrameCapDisplay = 0;
// Where the display's refresh rate is unknown.
constexpr int kFallbackRefreshRate = 60;

// clang-format off
inline constexpr std::array<ScreenSettingInfo, kScreenSettingCount> kScreenSettings{{
  // name          words                                 count min  max   default
  {"window",      {{"scaled", "classic", nullptr}},      2,    1,   0,    0},
  {"scaling",     {{"integer", "fit", nullptr}},         2,    1,   0,    0},
  {"fullscreen",  {{"no", "yes", nullptr}},              2,    1,   0,    0},
  {"pacing",      {{"vsync", "cap", "unlimited"}},       3,    1,   0,    0},
  {"frame_cap",   {{"display", nullptr, nullptr}},       1,    30,  1000, kFrameCapDisplay},
  {"net_role",    {{"host", "join", nullptr}},           2,    1,   0,    0},
  {"net_port",    {{nullptr, nullptr, nullptr}},         0,    kMinNetPort, kMaxNetPort, kDefaultNetPort},
}};
// clang-format on

constexpr const ScreenSettingInfo& InfoOf(ScreenSetting s) {
  return kScreenSettings[static_cast<std::size_t>(s)];
}

namespace screen_table {
constexpr bool Consistent() {
  for (const ScreenSettingInfo& info : kScreenSettings) {
    if (info.word_count < 0 || info.word_count > kMaxScreenWords) return false;
    if (info.word_count == 0 && info.min > info.max) return false;
    const int d = info.default_value;
    const bool in_words = d >= 0 && d < info.word_count;
    if (!in_words && !(d >= info.min && d <= info.max)) return false;
    // A number must never read as a word's value.
    if (info.min <= info.max && info.min < info.word_count) return false;
  }
  return true;
}
static_assert(Consistent(), "every screen setting's default must be one of its values");
}  // namespace screen_table

// The value text stands for, or false when the setting does not allow it.
// Words are matched without regard to case; numbers are plain decimals.
bool ParseScreenValue(ScreenSetting s, const std::string& text, int* value);
// How the file writes a value: its word, or the number.
std::string ScreenValueText(ScreenSetting s, int value);
// "scaled | classic", "display | 30..1000": for messages and the file's comments.
std::string AllowedScreenValues(ScreenSetting s);

// Settings held as text. A value is allowed when it has at most max_length
// characters, each of its kind (text_kind.h).
enum class TextSetting : uint8_t {
  kNetAddress,  // the host a guest joins: a host name or an IPv4 address
};
constexpr int kTextSettingCount = 1;

struct TextSettingInfo {
  const char* name;  // the key in brimvale.ini
  TextKind kind;
  std::size_t max_length;
  const char* default_value;
  const char* about;  // the file's comment above a key it adds
};

// A host name's longest spelling.
constexpr std::size_t kMaxNetAddressLength = 253;

// clang-format off
inline constexpr std::array<TextSettingInfo, kTextSettingCount> kTextSettings{{
  // name           kind                max length            default  about
  {"net_address",   TextKind::kAddress, kMaxNetAddressLength, "",
   "the host to join: a host name or an IPv4 address"},
}};
// clang-format on

constexpr const TextSettingInfo& InfoOf(TextSetting s) {
  return kTextSettings[static_cast<std::size_t>(s)];
}

// Whether the table allows the text.
bool TextValueAllowed(TextSetting s, const std::string& text);

// One value per setting, each always allowed by the tables.
class ScreenSettings {
 public:
  ScreenSettings();

  int value(ScreenSetting s) const { return values_[static_cast<std::size_t>(s)]; }
  // A value the table does not allow leaves the setting as it was; false then.
  bool set(ScreenSetting s, int value);

  WindowChoice window() const { return static_cast<WindowChoice>(value(ScreenSetting::kWindow)); }
  Scaling scaling() const { return static_cast<Scaling>(value(ScreenSetting::kScaling)); }
  bool fullscreen() const { return value(ScreenSetting::kFullscreen) != 0; }
  Pacing pacing() const { return static_cast<Pacing>(value(ScreenSetting::kPacing)); }
  int frame_cap() const { return value(ScreenSetting::kFrameCap); }
  NetRole net_role() const { return static_cast<NetRole>(value(ScreenSetting::kNetRole)); }
  int net_port() const { return value(ScreenSetting::kNetPort); }

  const std::string& text(TextSetting s) const { return texts_[static_cast<std::size_t>(s)]; }
  // A text the table does not allow leaves the setting as it was; false then.
  bool set_text(TextSetting s, const std::string& text);
  const std::string& net_address() const { return text(TextSetting::kNetAddress); }

  bool operator==(const ScreenSettings& o) const {
    return values_ == o.values_ && texts_ == o.texts_;
  }
  bool operator!=(const ScreenSettings& o) const { return !(*this == o); }

 private:
  std::array<int, kScreenSettingCount> values_{};
  std::array<std::string, kTextSettingCount> texts_;
};

// Whether the table allows the value.
bool ScreenValueAllowed(ScreenSetting s, int value);

}  // namespace bv::settings

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace bv::settings {

// The game window's settings, which config.dat has no room for: they live in
// brimvale.ini beside it (screen_settings_file.h). The table below is the one
// place each is defined: its name in the file, its default and the values it
// allows.
enum class ScreenSetting : uint8_t { kWindow, kScaling, kFullscreen, kPacing, kFrameCap };
constexpr int kScreenSettingCount = 5;

// The choices, in the order of their words in the table.
enum class WindowChoice : int { kScaled, kClassic };  // classic: 640 by 480, borderless, on top
enum class Scaling : int { kInteger, kFit };           // whole-number scales, or fill the window
enum class Pacing : int { kVsync, kCap, kUnlimited };  // unlimited: a loop that never sleeps

constexpr int kMaxScreenWords = 3;

struct ScreenSettingInfo {
  const char* name;  // the key in brimvale.ini
  // The words the value may be; word i stands for the value i.
  std::array<const char*, kMaxScreenWords> words;
  int word_count;
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
}};
// clang-format on

constexpr const ScreenSettingInfo& InfoOf(ScreenSetting s) {
  return kScreenSettings[static_cast<std::size_t>(s)];
}

namespace screen_table {
constexpr bool Consistent() {
  for (const ScreenSettingInfo& info : kScreenSettings) {
    if (info.word_count < 1 || info.word_count > kMaxScreenWords) return false;
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

// One value per setting, each always allowed by the table.
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

  bool operator==(const ScreenSettings& o) const { return values_ == o.values_; }
  bool operator!=(const ScreenSettings& o) const { return !(*this == o); }

 private:
  std::array<int, kScreenSettingCount> values_{};
};

// Whether the table allows the value.
bool ScreenValueAllowed(ScreenSetting s, int value);

}  // namespace bv::settings

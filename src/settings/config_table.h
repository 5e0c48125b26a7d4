#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace bv::settings {

// Every setting of config.dat, in file order. The table below is the one
// place a setting's offset, size, default, range and control are written;
// the record, its load and save, the controls' clamping and the mirror into
// the world are all read off it.
enum class Setting : uint8_t {
  kHudTrans,
  kMapTrans,
  kP1Color,
  kP2Color,
  kEnColor,
  kDifLevel,
  kMultiTryb,
  kFragLimit,
  kPointLimit,
  kReitemPeriod,
  kArenamode,
  kAnti,
  kDirt,
  kShowfps,
  // Six keys per player in the file's order: up, down, left, right, change
  // weapon, attack.
  kC1Up,
  kC1Down,
  kC1Left,
  kC1Right,
  kC1Ch,
  kC1Atack,
  kC2Up,
  kC2Down,
  kC2Left,
  kC2Right,
  kC2Ch,
  kC2Atack,
};
constexpr int kSettingCount = 26;

// How a field's bytes read: little-endian unsigned or signed; a boolean byte
// reads as on when non-zero and is written as 0 or 1.
enum class FieldType : uint8_t { kUnsigned, kSigned, kBoolean };

// Where the running game keeps a setting.
enum class SettingHome : uint8_t {
  kWorld,   // mirrored into the world at each close of the options window
  kLive,    // read from the options window's controls when needed (LiveOptions)
  kDevice,  // pushed into the drawing device at each close of the options window
};

struct SettingInfo {
  const char* name;  // the field's name in config.dat
  uint8_t offset;
  uint8_t size;  // 1, 2 or 4 bytes
  FieldType type;
  int64_t default_value;  // what the control holds when there is no file
  int64_t min;            // the range the control keeps
  int64_t max;
  const char* control;  // the options window's control holding it
  SettingHome home;
};

constexpr std::size_t kConfigRecordSize = 44;

namespace table {
constexpr FieldType U = FieldType::kUnsigned, I = FieldType::kSigned, B = FieldType::kBoolean;
constexpr SettingHome W = SettingHome::kWorld, L = SettingHome::kLive, D = SettingHome::kDevice;
constexpr int64_t kAnyColor = 0xFFFFFFFF;  // 0x00BBGGRR, any value kept as it is

// One row per Setting, in the enum's (and the file's) order.
// clang-format off
inline constexpr std::array<SettingInfo, kSettingCount> kRows{{
  // name           at  size type default   min   max        control          home
  {"hud_trans",     0,  1,   U,   102,      25,   230,       "hud_trans_bar", W},
  {"map_trans",     1,  1,   U,   153,      25,   230,       "map_trans_bar", W},
  {"p1_color",      4,  4,   U,   16744448, 0,    kAnyColor, "p1_color",      W},
  {"p2_color",      8,  4,   U,   65280,    0,    kAnyColor, "p2_color",      W},
  {"en_color",      12, 4,   U,   255,      0,    kAnyColor, "en_color",      W},
  {"dif_level",     16, 1,   U,   3,        0,    6,         "dif_level",     L},  // "Normalny"
  {"multi_tryb",    17, 1,   U,   0,        0,    2,         "multi_tryb",    W},  // Cooperation
  {"frag_limit",    18, 1,   U,   10,       5,    100,       "frag_bar",      L},
  {"point_limit",   20, 4,   I,   5000,     1000, 100000,    "point_bar",     L},
  {"reitem_period", 24, 2,   U,   600,      100,  1000,      "reitem_bar",    L},
  {"arenamode",     26, 1,   B,   1,        0,    1,         "arenamode",     L},
  {"anti",          27, 1,   B,   0,        0,    1,         "anti",          D},
  {"dirt",          28, 1,   B,   0,        0,    1,         "dirt",          D},
  {"showfps",       29, 1,   B,   0,        0,    1,         "showfps",       L},
  {"c1_up",         30, 1,   U,   200,      0,    255,       "c1_up",         W},  // arrow up
  {"c1_down",       31, 1,   U,   208,      0,    255,       "c1_down",       W},  // arrow down
  {"c1_left",       32, 1,   U,   203,      0,    255,       "c1_left",       W},  // arrow left
  {"c1_right",      33, 1,   U,   205,      0,    255,       "c1_right",      W},  // arrow right
  {"c1_ch",         34, 1,   U,   82,       0,    255,       "c1_ch",         W},  // keypad 0
  {"c1_atack",      35, 1,   U,   28,       0,    255,       "c1_atack",      W},  // Enter
  {"c2_up",         36, 1,   U,   17,       0,    255,       "c2_up",         W},  // W
  {"c2_down",       37, 1,   U,   31,       0,    255,       "c2_down",       W},  // S
  {"c2_left",       38, 1,   U,   30,       0,    255,       "c2_left",       W},  // A
  {"c2_right",      39, 1,   U,   32,       0,    255,       "c2_right",      W},  // D
  {"c2_ch",         40, 1,   U,   16,       0,    255,       "c2_ch",         W},  // Q
  {"c2_atack",      41, 1,   U,   47,       0,    255,       "c2_atack",      W},  // V
}};
// clang-format on
}  // namespace table

inline constexpr const std::array<SettingInfo, kSettingCount>& kSettings = table::kRows;

// Bytes no setting holds: written as 0, ignored on reading.
inline constexpr std::array<std::size_t, 5> kReservedOffsets{2, 3, 19, 42, 43};

namespace table {
constexpr std::array<Setting, kSettingCount> EverySetting() {
  std::array<Setting, kSettingCount> all{};
  for (int i = 0; i < kSettingCount; ++i)
    all[static_cast<std::size_t>(i)] = static_cast<Setting>(i);
  return all;
}
}  // namespace table

// Every setting in file order, for loops over the table.
inline constexpr std::array<Setting, kSettingCount> kAllSettings = table::EverySetting();

constexpr const SettingInfo& InfoOf(Setting s) {
  return kSettings[static_cast<std::size_t>(s)];
}
constexpr int64_t DefaultOf(Setting s) {
  return InfoOf(s).default_value;
}
constexpr int64_t MinOf(Setting s) {
  return InfoOf(s).min;
}
constexpr int64_t MaxOf(Setting s) {
  return InfoOf(s).max;
}
// A value written to the setting's control ends up inside its range.
constexpr int64_t ClampSetting(Setting s, int64_t v) {
  return std::clamp(v, MinOf(s), MaxOf(s));
}

// Six keys per player, in the file's order.
enum ConfigKey : int { kKeyUp, kKeyDown, kKeyLeft, kKeyRight, kKeyChange, kKeyAttack };
constexpr int kConfigKeysPerPlayer = 6;
constexpr int kConfigKeyCount = 2 * kConfigKeysPerPlayer;

// Key k (0..11: player 1's six, then player 2's) as a setting.
constexpr Setting KeySetting(int k) {
  return static_cast<Setting>(static_cast<int>(Setting::kC1Up) + k);
}
// The key index 0..11 of a key setting, -1 for any other setting.
constexpr int KeyIndexOf(Setting s) {
  const int k = static_cast<int>(s) - static_cast<int>(Setting::kC1Up);
  return k >= 0 && k < kConfigKeyCount ? k : -1;
}

namespace table {
// The table covers the 44 bytes exactly: rows in file order and in enum
// order, each within the record, no byte held twice, the gaps reserved.
constexpr bool Consistent() {
  std::array<int, kConfigRecordSize> held{};
  for (std::size_t i = 0; i < kSettings.size(); ++i) {
    const SettingInfo& s = kSettings[i];
    if (s.size != 1 && s.size != 2 && s.size != 4) return false;
    if (s.type == FieldType::kSigned && s.size != 4) return false;  // read as a 32-bit value
    if (s.offset + s.size > kConfigRecordSize) return false;
    if (i > 0 && s.offset < kSettings[i - 1].offset + kSettings[i - 1].size) return false;
    if (s.default_value < s.min || s.default_value > s.max) return false;
    for (int b = 0; b < s.size; ++b) ++held[s.offset + b];
  }
  for (std::size_t at : kReservedOffsets) ++held[at];
  for (int n : held) {
    if (n != 1) return false;
  }
  return true;
}
static_assert(Consistent(), "the settings table must cover config.dat's 44 bytes exactly once");
static_assert(KeyIndexOf(Setting::kC2Atack) == kConfigKeyCount - 1, "twelve keys end the table");
}  // namespace table

}  // namespace bv::settings

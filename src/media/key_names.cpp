#include "media/key_names.h"

#include <array>

namespace bv::media {

namespace {

struct NamedKey {
  uint8_t code;
  const char* name;
};

// Set-1 scan codes; the extended keys (the E0 prefix) have 128 added.
// clang-format off
constexpr NamedKey kNamedKeys[] = {
    {1, "Escape"}, {2, "1"}, {3, "2"}, {4, "3"}, {5, "4"}, {6, "5"}, {7, "6"}, {8, "7"}, {9, "8"},
    {10, "9"}, {11, "0"}, {12, "Minus"}, {13, "Equals"}, {14, "Backspace"}, {15, "Tab"}, {16, "Q"},
    {17, "W"}, {18, "E"}, {19, "R"}, {20, "T"}, {21, "Y"}, {22, "U"}, {23, "I"}, {24, "O"},
    {25, "P"}, {26, "Left Bracket"}, {27, "Right Bracket"}, {28, "Enter"}, {29, "Left Ctrl"},
    {30, "A"}, {31, "S"}, {32, "D"}, {33, "F"}, {34, "G"}, {35, "H"}, {36, "J"}, {37, "K"},
    {38, "L"}, {39, "Semicolon"}, {40, "Apostrophe"}, {41, "Grave"}, {42, "Left Shift"},
    {43, "Backslash"}, {44, "Z"}, {45, "X"}, {46, "C"}, {47, "V"}, {48, "B"}, {49, "N"}, {50, "M"},
    {51, "Comma"}, {52, "Period"}, {53, "Slash"}, {54, "Right Shift"}, {55, "Keypad *"},
    {56, "Left Alt"}, {57, "Space"}, {58, "Caps Lock"}, {59, "F1"}, {60, "F2"}, {61, "F3"},
    {62, "F4"}, {63, "F5"}, {64, "F6"}, {65, "F7"}, {66, "F8"}, {67, "F9"}, {68, "F10"},
    {69, "Num Lock"}, {70, "Scroll Lock"}, {71, "Keypad 7"}, {72, "Keypad 8"}, {73, "Keypad 9"},
    {74, "Keypad -"}, {75, "Keypad 4"}, {76, "Keypad 5"}, {77, "Keypad 6"}, {78, "Keypad +"},
    {79, "Keypad 1"}, {80, "Keypad 2"}, {81, "Keypad 3"}, {82, "Keypad 0"}, {83, "Keypad ."},
    {86, "Less Than"},  // the extra key beside left Shift on ISO keyboards
    {87, "F11"}, {88, "F12"}, {156, "Keypad Enter"}, {157, "Right Ctrl"}, {181, "Keypad /"},
    {183, "Print Screen"}, {184, "Right Alt"}, {197, "Pause"}, {199, "Home"}, {200, "Up"},
    {201, "Page Up"}, {203, "Left"}, {205, "Right"}, {207, "End"}, {208, "Down"},
    {209, "Page Down"}, {210, "Insert"}, {211, "Delete"}, {219, "Left Windows"},
    {220, "Right Windows"}, {221, "Menu"},
};
// clang-format on

constexpr std::array<const char*, 256> BuildNames() {
  std::array<const char*, 256> names{};
  for (auto& n : names) n = "";
  for (const NamedKey& k : kNamedKeys) names[k.code] = k.name;
  return names;
}

constexpr std::array<const char*, 256> kNames = BuildNames();

}  // namespace

const char* KeyName(uint8_t code) {
  return kNames[code];
}

}  // namespace bv::media

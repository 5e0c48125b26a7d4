#include "media/scancode_map.h"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "media/key_names.h"

namespace bv::media {
namespace {

// The keyboard in set-1 order: codes 1 to 83 run without a gap from Escape,
// along the rows, to the keypad.
std::map<SDL_Scancode, int> ExpectedCodes() {
  const SDL_Scancode run[] = {
      SDL_SCANCODE_ESCAPE,      SDL_SCANCODE_1,           SDL_SCANCODE_2,
      SDL_SCANCODE_3,           SDL_SCANCODE_4,           SDL_SCANCODE_5,
      SDL_SCANCODE_6,           SDL_SCANCODE_7,           SDL_SCANCODE_8,
      SDL_SCANCODE_9,           SDL_SCANCODE_0,           SDL_SCANCODE_MINUS,
      SDL_SCANCODE_EQUALS,      SDL_SCANCODE_BACKSPACE,   SDL_SCANCODE_TAB,
      SDL_SCANCODE_Q,           SDL_SCANCODE_W,           SDL_SCANCODE_E,
      SDL_SCANCODE_R,           SDL_SCANCODE_T,           SDL_SCANCODE_Y,
      SDL_SCANCODE_U,           SDL_SCANCODE_I,           SDL_SCANCODE_O,
      SDL_SCANCODE_P,           SDL_SCANCODE_LEFTBRACKET, SDL_SCANCODE_RIGHTBRACKET,
      SDL_SCANCODE_RETURN,      SDL_SCANCODE_LCTRL,       SDL_SCANCODE_A,
      SDL_SCANCODE_S,           SDL_SCANCODE_D,           SDL_SCANCODE_F,
      SDL_SCANCODE_G,           SDL_SCANCODE_H,           SDL_SCANCODE_J,
      SDL_SCANCODE_K,           SDL_SCANCODE_L,           SDL_SCANCODE_SEMICOLON,
      SDL_SCANCODE_APOSTROPHE,  SDL_SCANCODE_GRAVE,       SDL_SCANCODE_LSHIFT,
      SDL_SCANCODE_BACKSLASH,   SDL_SCANCODE_Z,           SDL_SCANCODE_X,
      SDL_SCANCODE_C,           SDL_SCANCODE_V,           SDL_SCANCODE_B,
      SDL_SCANCODE_N,           SDL_SCANCODE_M,           SDL_SCANCODE_COMMA,
      SDL_SCANCODE_PERIOD,      SDL_SCANCODE_SLASH,       SDL_SCANCODE_RSHIFT,
      SDL_SCANCODE_KP_MULTIPLY, SDL_SCANCODE_LALT,        SDL_SCANCODE_SPACE,
      SDL_SCANCODE_CAPSLOCK,    SDL_SCANCODE_F1,          SDL_SCANCODE_F2,
      SDL_SCANCODE_F3,          SDL_SCANCODE_F4,          SDL_SCANCODE_F5,
      SDL_SCANCODE_F6,          SDL_SCANCODE_F7,          SDL_SCANCODE_F8,
      SDL_SCANCODE_F9,          SDL_SCANCODE_F10,         SDL_SCANCODE_NUMLOCKCLEAR,
      SDL_SCANCODE_SCROLLLOCK,  SDL_SCANCODE_KP_7,        SDL_SCANCODE_KP_8,
      SDL_SCANCODE_KP_9,        SDL_SCANCODE_KP_MINUS,    SDL_SCANCODE_KP_4,
      SDL_SCANCODE_KP_5,        SDL_SCANCODE_KP_6,        SDL_SCANCODE_KP_PLUS,
      SDL_SCANCODE_KP_1,        SDL_SCANCODE_KP_2,        SDL_SCANCODE_KP_3,
      SDL_SCANCODE_KP_0,        SDL_SCANCODE_KP_PERIOD,
  };
  std::map<SDL_Scancode, int> expected;
  int code = 1;
  for (SDL_Scancode s : run) expected[s] = code++;
  EXPECT_EQ(code, 84);
  // Past the run, and the extended keys (E0 prefix, plus 128).
  const std::pair<SDL_Scancode, int> rest[] = {
      {SDL_SCANCODE_NONUSBACKSLASH, 86},
      {SDL_SCANCODE_F11, 87},
      {SDL_SCANCODE_F12, 88},
      {SDL_SCANCODE_KP_ENTER, 156},
      {SDL_SCANCODE_RCTRL, 157},
      {SDL_SCANCODE_KP_DIVIDE, 181},
      {SDL_SCANCODE_PRINTSCREEN, 183},
      {SDL_SCANCODE_RALT, 184},
      {SDL_SCANCODE_PAUSE, 197},
      {SDL_SCANCODE_HOME, 199},
      {SDL_SCANCODE_UP, 200},
      {SDL_SCANCODE_PAGEUP, 201},
      {SDL_SCANCODE_LEFT, 203},
      {SDL_SCANCODE_RIGHT, 205},
      {SDL_SCANCODE_END, 207},
      {SDL_SCANCODE_DOWN, 208},
      {SDL_SCANCODE_PAGEDOWN, 209},
      {SDL_SCANCODE_INSERT, 210},
      {SDL_SCANCODE_DELETE, 211},
      {SDL_SCANCODE_LGUI, 219},
      {SDL_SCANCODE_RGUI, 220},
      {SDL_SCANCODE_APPLICATION, 221},
  };
  for (const auto& [s, c] : rest) expected[s] = c;
  return expected;
}

TEST(ScancodeMap, EveryKeyOfA105KeyKeyboardHasItsCode) {
  std::map<SDL_Scancode, int> expected = ExpectedCodes();
  ASSERT_EQ(expected.size(), 105u);
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
    auto scancode = static_cast<SDL_Scancode>(s);
    auto it = expected.find(scancode);
    int want = it == expected.end() ? 0 : it->second;
    EXPECT_EQ(KeyCodeOf(scancode), want) << SDL_GetScancodeName(scancode) << " (" << s << ")";
  }
}

TEST(ScancodeMap, EachCodeHasOneKeyAndANameBothWays) {
  int mapped_codes = 0;
  for (int code = 0; code < 256; ++code) {
    SDL_Scancode s = ScancodeOf(static_cast<uint8_t>(code));
    bool named = KeyName(static_cast<uint8_t>(code))[0] != '\0';
    EXPECT_EQ(s != SDL_SCANCODE_UNKNOWN, named) << code;
    if (s == SDL_SCANCODE_UNKNOWN) continue;
    ++mapped_codes;
    EXPECT_EQ(KeyCodeOf(s), code);
  }
  EXPECT_EQ(mapped_codes, 105);
  // No two SDL keys share a code.
  std::array<int, 256> keys_per_code{};
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s)
    ++keys_per_code[KeyCodeOf(static_cast<SDL_Scancode>(s))];
  for (int code = 1; code < 256; ++code) EXPECT_LE(keys_per_code[code], 1) << code;
}

TEST(ScancodeMap, EachHeldKeyLightsExactlyItsCode) {
  std::vector<uint8_t> sdl_state(SDL_NUM_SCANCODES, 0);
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
    sdl_state[s] = 1;
    KeyState table = MapKeyboardState(sdl_state.data(), SDL_NUM_SCANCODES);
    uint8_t code = KeyCodeOf(static_cast<SDL_Scancode>(s));
    for (int c = 0; c < 256; ++c) {
      bool want = code != 0 && c == code;
      ASSERT_EQ(table[c] == kKeyHeld, want) << "scancode " << s << " code " << c;
      ASSERT_TRUE(table[c] == 0 || table[c] == kKeyHeld);
    }
    sdl_state[s] = 0;
  }
}

TEST(ScancodeMap, UnmappedKeysAndShortStatesAreIgnored) {
  std::vector<uint8_t> sdl_state(SDL_NUM_SCANCODES, 0);
  for (SDL_Scancode s : {SDL_SCANCODE_NONUSHASH, SDL_SCANCODE_F13, SDL_SCANCODE_AUDIONEXT,
                         SDL_SCANCODE_KP_EQUALS, SDL_SCANCODE_UNKNOWN}) {
    sdl_state[s] = 1;
    EXPECT_EQ(KeyCodeOf(s), 0) << s;
  }
  KeyState table = MapKeyboardState(sdl_state.data(), SDL_NUM_SCANCODES);
  for (uint8_t b : table) EXPECT_EQ(b, 0);

  // Arrow up and W held together, as a key capture sees them.
  sdl_state[SDL_SCANCODE_UP] = 1;
  sdl_state[SDL_SCANCODE_W] = 1;
  table = MapKeyboardState(sdl_state.data(), SDL_NUM_SCANCODES);
  EXPECT_EQ(table[200], kKeyHeld);
  EXPECT_EQ(table[17], kKeyHeld);
  // A state shorter than SDL's scancode range reads only what it has.
  table = MapKeyboardState(sdl_state.data(), SDL_SCANCODE_UP);
  EXPECT_EQ(table[200], 0);
  EXPECT_EQ(table[17], kKeyHeld);
  EXPECT_EQ(MapKeyboardState(nullptr, 10), KeyState{});
  EXPECT_EQ(KeyCodeOf(-1), 0);
  EXPECT_EQ(KeyCodeOf(1 << 20), 0);
  EXPECT_EQ(KeyCodeOf(SDL_NUM_SCANCODES), 0);
}

}  // namespace
}  // namespace bv::media

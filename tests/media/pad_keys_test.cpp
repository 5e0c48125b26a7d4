#include "media/pad_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace bv::media {
namespace {

PadState With(PadButton b) {
  PadState s;
  s.SetButton(b, true);
  return s;
}
PadState Stick(int16_t x, int16_t y) {
  PadState s;
  s.SetAxis(PadAxis::kLeftX, x);
  s.SetAxis(PadAxis::kLeftY, y);
  return s;
}
PadState Axis(PadAxis a, int16_t v) {
  PadState s;
  s.SetAxis(a, v);
  return s;
}

// The actions held, as letters: u d l r a c e.
std::string Held(const PadState& s) {
  const PadActions a = ActionsOf(s);
  std::string out;
  const char letters[] = "udlrace";
  for (int i = 0; i < kPadActionCount; ++i) {
    if (a[i]) out += letters[i];
  }
  return out;
}

TEST(PadActions, EachControlGivesItsAction) {
  struct {
    const char* what;
    PadState pad;
    const char* held;
  } cases[] = {
      {"nothing", PadState{}, ""},
      {"D-pad up", With(PadButton::kDpadUp), "u"},
      {"D-pad down", With(PadButton::kDpadDown), "d"},
      {"D-pad left", With(PadButton::kDpadLeft), "l"},
      {"D-pad right", With(PadButton::kDpadRight), "r"},
      {"south", With(PadButton::kSouth), "a"},
      {"west", With(PadButton::kWest), "c"},
      {"left shoulder", With(PadButton::kLeftShoulder), "c"},
      {"right shoulder", With(PadButton::kRightShoulder), "c"},
      {"start", With(PadButton::kStart), "e"},
      {"back", With(PadButton::kBack), "e"},
      {"east does nothing", With(PadButton::kEast), ""},
      {"north does nothing", With(PadButton::kNorth), ""},
      {"guide does nothing", With(PadButton::kGuide), ""},
      {"right trigger, a quarter in", Axis(PadAxis::kRightTrigger, kTriggerThreshold), "a"},
      {"right trigger, just short", Axis(PadAxis::kRightTrigger, kTriggerThreshold - 1), ""},
      {"left trigger does nothing", Axis(PadAxis::kLeftTrigger, 32767), ""},
      {"right stick does nothing", Axis(PadAxis::kRightX, -32768), ""},
      // The left stick: a dead zone, then eight equal sectors.
      {"stick inside the dead zone", Stick(7999, 0), ""},
      {"stick on the dead zone's edge", Stick(0, -kStickDeadZone), ""},
      {"stick just beyond it", Stick(0, -kStickDeadZone - 1), "u"},
      {"stick diagonal inside it", Stick(5600, 5600), ""},
      {"stick full up", Stick(0, -32768), "u"},
      {"stick full down", Stick(0, 32767), "d"},
      {"stick full left", Stick(-32768, 0), "l"},
      {"stick full right", Stick(32767, 0), "r"},
      {"stick up and left", Stick(-23000, -23000), "ul"},
      {"stick down and right", Stick(23000, 23000), "dr"},
      {"stick 20 degrees off up stays up", Stick(7000, -20000), "u"},
      {"stick 25 degrees off up is diagonal", Stick(9400, -20000), "ur"},
      {"stick 20 degrees off left stays left", Stick(-20000, 7000), "l"},
  };
  for (const auto& c : cases) EXPECT_EQ(Held(c.pad), c.held) << c.what;

  PadState both = Stick(0, 32767);
  both.SetButton(PadButton::kDpadUp, true);
  both.SetButton(PadButton::kSouth, true);
  EXPECT_EQ(Held(both), "uda") << "the D-pad and the stick add up, as two keys would";
}

TEST(PadSlots, PlacesAreKeptUntilAPadIsPulledOut) {
  PadSlots s;
  s.Attach(10, "first");
  s.Attach(11, "second");
  s.Attach(12, "third");
  s.Attach(11, "second again");  // announced twice: no change
  EXPECT_EQ(s.PlaceOf(10), 0);
  EXPECT_EQ(s.PlaceOf(11), 1);
  EXPECT_EQ(s.PlaceOf(12), PadSlots::kWaiting);
  EXPECT_EQ(s.PlaceOf(99), PadSlots::kWaiting);
  ASSERT_EQ(s.pads().size(), 3u);
  EXPECT_EQ(s.InPlace(1)->name, "second");

  // Player 1's pad out: the waiting pad takes its place, player 2 keeps his.
  s.Detach(10);
  EXPECT_EQ(s.PlaceOf(12), 0);
  EXPECT_EQ(s.PlaceOf(11), 1);
  // Without a waiting pad the place stays free for the next one plugged in.
  s.Detach(11);
  EXPECT_EQ(s.InPlace(1), nullptr);
  s.Detach(11);
  s.Detach(42);
  s.Attach(13, "fourth");
  EXPECT_EQ(s.PlaceOf(13), 1);
  EXPECT_EQ(s.PlaceOf(12), 0);
  // A waiting pad pulled out frees nothing.
  s.Attach(14, "fifth");
  s.Detach(14);
  EXPECT_EQ(s.PlaceOf(12), 0);
  EXPECT_EQ(s.PlaceOf(13), 1);
}

// The defaults: player 1 arrows, Enter, keypad 0; player 2 W S A D, V, Q
// (the world's order: up, down, left, right, attack, change weapon).
constexpr PlayerKeyCodes kKeys = {200, 208, 203, 205, 28, 82, 17, 31, 30, 32, 47, 16};

std::set<int> Down(const KeyState& t) {
  std::set<int> out;
  for (int c = 0; c < 256; ++c) {
    if (t[static_cast<size_t>(c)] & kKeyHeld) out.insert(c);
  }
  return out;
}

TEST(PadKeyTable, APadReadsAsItsPlayersBoundKeys) {
  struct {
    const char* what;
    std::vector<PadReading> pads;
    bool two_players;
    std::set<int> down;
  } cases[] = {
      {"no pads", {}, true, {}},
      {"place 0 drives player 1", {{0, With(PadButton::kDpadUp)}}, true, {200}},
      {"place 1 drives player 2", {{1, With(PadButton::kDpadUp)}}, true, {17}},
      {"a waiting pad drives nobody in a two-player game",
       {{PadSlots::kWaiting, With(PadButton::kDpadUp)}},
       true,
       {}},
      {"one player: place 1 drives player 1", {{1, With(PadButton::kDpadLeft)}}, false, {203}},
      {"one player: a waiting pad drives player 1",
       {{PadSlots::kWaiting, With(PadButton::kSouth)}},
       false,
       {28}},
      {"attack and change weapon",
       {{1, With(PadButton::kSouth)}, {1, With(PadButton::kWest)}},
       true,
       {47, 16}},
      {"Start is Escape for either player",
       {{0, With(PadButton::kStart)}, {1, With(PadButton::kBack)}},
       true,
       {1}},
      {"two pads at once", {{0, Stick(32767, 0)}, {1, Stick(0, 32767)}}, true, {205, 31}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Down(PadKeyTable(c.pads, kKeys, c.two_players)), c.down) << c.what;
  }

  // A key bound to two actions (a clash the options window allows) is
  // down for either.
  PlayerKeyCodes shared = kKeys;
  shared[6] = 200;  // player 2's up is arrow up too
  EXPECT_EQ(Down(PadKeyTable({{1, With(PadButton::kDpadUp)}}, shared, true)), std::set<int>{200});
}

class FakePads final : public PadSource {
 public:
  void Read(std::vector<PadReading>& out) override {
    ++reads;
    out = pads;
  }
  const PadSlots& slots() const override { return slots_; }
  std::vector<PadReading> pads;
  int reads = 0;

 private:
  PadSlots slots_;
};

TEST(KeysWithPads, TheKeyboardAndThePadsAtOnce) {
  game::KeyTable keyboard;
  FakePads pads;
  PlayerKeyCodes key_codes = kKeys;
  uint8_t second_player = 1;
  KeysWithPads keys(keyboard, pads, key_codes, second_player);

  keyboard.Set(57, true);
  pads.pads = {{1, With(PadButton::kDpadRight)}};
  EXPECT_FALSE(keys.KeyDown(32)) << "nothing read before the first Update";
  EXPECT_EQ(keys.Update(), 0);
  EXPECT_EQ(pads.reads, 1);
  EXPECT_TRUE(keys.KeyDown(57));
  EXPECT_TRUE(keys.KeyDown(32));
  EXPECT_FALSE(keys.KeyDown(205));

  // The pad is read anew each step, the bindings and player count too.
  pads.pads.clear();
  EXPECT_TRUE(keys.KeyDown(32)) << "held until the next Update";
  keys.Update();
  EXPECT_FALSE(keys.KeyDown(32));
  pads.pads = {{1, With(PadButton::kDpadRight)}};
  key_codes[9] = 77;  // the options window rebound player 2's right
  keys.Update();
  EXPECT_TRUE(keys.KeyDown(77));
  second_player = 0;  // back on the menu level: every pad drives player 1
  keys.Update();
  EXPECT_TRUE(keys.KeyDown(205));
  EXPECT_FALSE(keys.KeyDown(77));
}

}  // namespace
}  // namespace bv::media

#include "media/input_reader.h"

#include <gtest/gtest.h>

#include <memory>

#include "media/error_codes.h"

namespace bv::media {
namespace {

// What the fake device's window sees; the test keeps it and changes it.
struct FakeKeyboardState {
  KeyState keys{};
  bool focus = true;
  bool readable = true;
  int32_t open_result = kOk;
  int reads = 0;
};

class FakeKeyboard final : public KeyboardDevice {
 public:
  explicit FakeKeyboard(FakeKeyboardState& s) : s_(s) {}
  int32_t Open() override { return s_.open_result; }
  bool HasFocus() const override { return s_.focus; }
  bool Read(KeyState& state) override {
    ++s_.reads;
    if (!s_.readable) return false;
    state = s_.keys;
    return true;
  }

 private:
  FakeKeyboardState& s_;
};

InputReader MakeReader(FakeKeyboardState& s) {
  return InputReader(std::make_unique<FakeKeyboard>(s));
}

bool AnyKeyDown(const InputReader& r) {
  for (int c = 0; c < 256; ++c) {
    if (r.KeyDown(static_cast<uint8_t>(c))) return true;
  }
  return false;
}

TEST(InputReader, NoKeyIsDownBeforeTheFirstUpdate) {
  FakeKeyboardState s;
  s.keys[200] = kKeyHeld;
  InputReader r = MakeReader(s);
  EXPECT_FALSE(AnyKeyDown(r));
  EXPECT_EQ(r.Initialize(), kOk);
  EXPECT_FALSE(AnyKeyDown(r));
}

TEST(InputReader, AReaderThatDidNotStartReportsNothing) {
  FakeKeyboardState s;
  s.keys[1] = kKeyHeld;
  s.open_result = kErrInputInterface;
  InputReader r = MakeReader(s);
  EXPECT_EQ(r.Initialize(), kErrInputInterface);
  EXPECT_FALSE(r.started());
  EXPECT_EQ(r.Update(), kOk);
  EXPECT_EQ(s.reads, 0);
  EXPECT_FALSE(AnyKeyDown(r));

  InputReader unbound(nullptr);
  EXPECT_EQ(unbound.Initialize(), kErrInvalidCall);
  EXPECT_EQ(unbound.Update(), kOk);
  EXPECT_FALSE(AnyKeyDown(unbound));
}

TEST(InputReader, InitializeTwiceFailsAndKeepsTheFirstStart) {
  FakeKeyboardState s;
  InputReader r = MakeReader(s);
  ASSERT_EQ(r.Initialize(), kOk);
  EXPECT_EQ(r.Initialize(), kErrInvalidCall);
  EXPECT_TRUE(r.started());
  s.keys[28] = kKeyHeld;
  EXPECT_EQ(r.Update(), kOk);
  EXPECT_TRUE(r.KeyDown(28));
}

TEST(InputReader, HeldKeysAreDownTogetherAndOnlyBitSevenCounts) {
  FakeKeyboardState s;
  InputReader r = MakeReader(s);
  ASSERT_EQ(r.Initialize(), kOk);
  s.keys[200] = kKeyHeld;
  s.keys[17] = 0xFF;
  s.keys[30] = 0x7F;  // low bits alone are not a held key
  ASSERT_EQ(r.Update(), kOk);
  EXPECT_TRUE(r.KeyDown(200));
  EXPECT_TRUE(r.KeyDown(17));
  EXPECT_FALSE(r.KeyDown(30));
  s.keys[200] = 0;
  ASSERT_EQ(r.Update(), kOk);
  EXPECT_FALSE(r.KeyDown(200));
  EXPECT_TRUE(r.KeyDown(17));
}

// A key held when the window loses the focus and released elsewhere must not
// stay held: without the focus every key reads up, and the next read with
// the focus sees the keyboard as it is then.
TEST(InputReader, WithoutFocusEveryKeyReadsUpUntilTheNextRead) {
  FakeKeyboardState s;
  InputReader r = MakeReader(s);
  ASSERT_EQ(r.Initialize(), kOk);
  struct Step {
    const char* what;
    bool focus;
    bool right_held;  // arrow right, 205, on the keyboard
    int32_t result;
    bool right_down;  // as the reader reports it afterwards
  };
  const Step steps[] = {
      {"held in the game window", true, true, kOk, true},
      {"the focus goes elsewhere", false, true, kErrKeyboardAcquire, false},
      {"released in the other window", false, false, kErrKeyboardAcquire, false},
      {"the focus comes back", true, false, kOk, false},
      {"pressed again", true, true, kOk, true},
      {"held through another focus change", false, true, kErrKeyboardAcquire, false},
      {"still held when the focus returns", true, true, kOk, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    s.focus = step.focus;
    s.keys[205] = step.right_held ? kKeyHeld : 0;
    EXPECT_EQ(r.Update(), step.result);
    EXPECT_EQ(r.KeyDown(205), step.right_down);
    if (!step.focus) {
      EXPECT_FALSE(AnyKeyDown(r));
    }
  }
}

TEST(InputReader, AFailedReadLeavesTheTableAsItWas) {
  FakeKeyboardState s;
  InputReader r = MakeReader(s);
  ASSERT_EQ(r.Initialize(), kOk);
  s.keys[57] = kKeyHeld;
  ASSERT_EQ(r.Update(), kOk);
  s.readable = false;
  s.keys[57] = 0;
  EXPECT_EQ(r.Update(), kErrKeyboardRead);
  EXPECT_TRUE(r.KeyDown(57));
}

TEST(InputReader, FinalizeStopsReadingAndAllowsAFreshStart) {
  FakeKeyboardState s;
  InputReader r = MakeReader(s);
  ASSERT_EQ(r.Initialize(), kOk);
  s.keys[57] = kKeyHeld;
  ASSERT_EQ(r.Update(), kOk);
  EXPECT_EQ(r.Finalize(), kOk);
  EXPECT_FALSE(r.started());
  int reads = s.reads;
  EXPECT_EQ(r.Update(), kOk);
  EXPECT_EQ(s.reads, reads);
  // A new start clears the table.
  ASSERT_EQ(r.Initialize(), kOk);
  EXPECT_FALSE(r.KeyDown(57));
}

}  // namespace
}  // namespace bv::media

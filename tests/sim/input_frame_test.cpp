// The packed input frame: what the tick reads from the keyboard, as bits, and
// back into a key source the tick reads alike.

#include <gtest/gtest.h>

#include "game/key_source.h"
#include "sim/input_frame.h"
#include "sim/sim_harness.h"

namespace bv::sim {
namespace {

const KeyCodes kDefaults = game::World().key_codes;

TEST(InputFrameTest, EveryBitRoundTripsThroughTheKeysAndBack) {
  for (int bit = 0; bit < kInputFrameBits; ++bit) {
    const InputFrame frame = static_cast<InputFrame>(1u << bit);
    FrameKeys keys(kDefaults);
    keys.set_frame(frame);
    EXPECT_EQ(ReadInputFrame(keys, kDefaults), frame) << "bit " << bit;

    // From a real key table: the one key of that bit.
    game::KeyTable table;
    table.Set(bit == kEscapeBit ? game::kKeyEscape : kDefaults[bit], true);
    EXPECT_EQ(ReadInputFrame(table, kDefaults), frame) << "bit " << bit;
  }
  FrameKeys all(kDefaults);
  all.set_frame(0xFFFF);
  EXPECT_EQ(all.frame(), kInputFrameMask);
  EXPECT_EQ(ReadInputFrame(all, kDefaults), kInputFrameMask);
}

TEST(InputFrameTest, TheAdaptorAnswersEveryCodeAsTheKeyboardDid) {
  game::KeyTable table;
  // Player 1 up, player 2 left and attack, Escape, and Space, which nothing is bound to.
  for (uint8_t code : {200, 30, 47, 1, 57}) table.Set(code, true);
  FrameKeys keys(kDefaults);
  keys.set_frame(ReadInputFrame(table, kDefaults));
  EXPECT_EQ(keys.Update(), 0);
  for (int code = 0; code < 256; ++code) {
    bool bound = code == game::kKeyEscape;
    for (uint8_t k : kDefaults) bound = bound || k == code;
    const bool want = bound && table.KeyDown(static_cast<uint8_t>(code));
    EXPECT_EQ(keys.KeyDown(static_cast<uint8_t>(code)), want) << "code " << code;
  }
}

TEST(InputFrameTest, ACodeBoundTwiceIsDownWhenEitherBitIsSet) {
  KeyCodes codes = kDefaults;
  codes[4] = 28;   // player 1 attack: Enter
  codes[10] = 28;  // player 2 attack: Enter as well
  FrameKeys keys(codes);
  keys.set_frame(1u << 10);
  EXPECT_TRUE(keys.KeyDown(28));
  keys.set_frame(1u << 4);
  EXPECT_TRUE(keys.KeyDown(28));
  // Read back, the one key is both actions, as the tick would see it.
  EXPECT_EQ(ReadInputFrame(keys, codes), (1u << 4) | (1u << 10));
  keys.set_frame(0);
  EXPECT_FALSE(keys.KeyDown(28));
}

TEST(InputFrameTest, EscapeBoundAsAPlayerKey) {
  KeyCodes codes = kDefaults;
  codes[5] = game::kKeyEscape;  // player 1 changes weapon with Escape
  game::KeyTable table;
  table.Set(game::kKeyEscape, true);
  const InputFrame frame = ReadInputFrame(table, codes);
  EXPECT_EQ(frame, (1u << 5) | (1u << kEscapeBit));

  FrameKeys keys(codes);
  keys.set_frame(1u << kEscapeBit);
  EXPECT_TRUE(keys.KeyDown(game::kKeyEscape));
  keys.set_frame(1u << 5);
  EXPECT_TRUE(keys.KeyDown(game::kKeyEscape));
}

TEST(InputFrameTest, UpdateKeepsTheFrameAndBindingsAreReadLive) {
  KeyCodes codes = kDefaults;
  FrameKeys keys(codes);
  keys.set_frame(1u << 0);  // player 1 up
  EXPECT_EQ(keys.Update(), 0);
  EXPECT_TRUE(keys.KeyDown(200));
  codes[0] = 72;  // rebound to keypad 8, as after the options window closes
  EXPECT_FALSE(keys.KeyDown(200));
  EXPECT_TRUE(keys.KeyDown(72));
}

// The tick run on frames plays as it does on the key table they came from.
class InputFramePlayTest : public SimTest {};

TEST_F(InputFramePlayTest, TheTickPlaysTheSameFromFrames) {
  StartLevel(OpenLevel(), 1, 1);
  auto copy = std::make_unique<game::World>();
  *copy = *world;
  FrameKeys frames(copy->key_codes);
  TickServices frame_services{frames, sounds, options, host, levels};
  for (int t = 0; t < 120; ++t) {
    ReleaseAll();
    if (t < 80) Hold(0, Action::kRight);
    if (t % 3 == 0) Hold(1, Action::kDown);
    if (t > 40 && t < 50) Hold(0, Action::kAttack);
    if (t == 60) Hold(1, Action::kChange);
    frames.set_frame(ReadInputFrame(keys, world->key_codes));
    Tick();
    RunTick(*copy, frame_services);
  }
  EXPECT_EQ(copy->players[0].x, world->players[0].x);
  EXPECT_EQ(copy->players[1].y, world->players[1].y);
  EXPECT_EQ(copy->players[1].weapon, world->players[1].weapon);
  EXPECT_EQ(copy->players[0].weapons[1].ammo, world->players[0].weapons[1].ammo);
  EXPECT_NE(copy->players[0].x, Centre(10));
}

}  // namespace
}  // namespace bv::sim

#include "game/sound_slots.h"

#include <gtest/gtest.h>

namespace bv::game {
namespace {

TEST(SoundSlots, ThirtyTwoSamplesInLoadOrder) {
  const char* expected[kSampleCount] = {
      "alert", "alertlong", "atack1", "atack2", "changegun", "deatch", "get",
      "gun0", "gun1", "gun2", "gun3", "gun4",
      "kill0", "kill1", "kill2", "kill3", "kill4", "kill5", "kill6", "kill7",
      "killdoor", "lightoff", "lighton", "lost", "lvlsnd", "menusnd", "noammo", "opendoor",
      "shell0", "shell1", "shell2", "win"};
  for (int i = 0; i < kSampleCount; ++i) EXPECT_EQ(SampleFileName(i), expected[i]) << i;
  EXPECT_EQ(SampleFileName(kSampleCount), "");
  EXPECT_EQ(SampleFileName(-1), "");
}

TEST(SoundSlots, IndexedSlotsMapIntoTheFlatOrder) {
  EXPECT_EQ(SampleIndex(SoundSlot::kAlert, 0), 0);
  EXPECT_EQ(SampleIndex(SoundSlot::kGun, 2), 9);
  EXPECT_EQ(SampleIndex(SoundSlot::kKill, 7), 19);
  EXPECT_EQ(SampleIndex(SoundSlot::kShell, 0), 28);
  EXPECT_EQ(SampleIndex(SoundSlot::kWin, 0), 31);
  EXPECT_EQ(SampleIndex(SoundSlot::kShell, 3), -1);
  EXPECT_EQ(SampleIndex(SoundSlot::kGet, 1), -1);
  EXPECT_STREQ(SlotName(SoundSlot::kGun), "snd_gun");
  EXPECT_EQ(SlotSize(SoundSlot::kKill), 8);
}

}  // namespace
}  // namespace bv::game

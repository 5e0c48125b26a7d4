#include "settings/screen_page.h"

#include <gtest/gtest.h>

namespace bv::settings {
namespace {

TEST(ScreenPage, FrameCapChoicesRoundTripAndEveryOneIsAllowed) {
  for (int choice = 0; choice < 7; ++choice) {
    const int cap = FrameCapOfChoice(choice);
    EXPECT_TRUE(ScreenValueAllowed(ScreenSetting::kFrameCap, cap)) << cap;
    EXPECT_EQ(FrameCapChoice(cap), choice);
  }
  EXPECT_EQ(FrameCapOfChoice(0), kFrameCapDisplay);
  EXPECT_EQ(FrameCapChoice(100), -1) << "a cap typed into brimvale.ini shows no choice";
  EXPECT_EQ(FrameCapOfChoice(-1), kFrameCapDisplay);
}

}  // namespace
}  // namespace bv::settings

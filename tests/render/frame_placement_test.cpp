#include "render/frame_placement.h"

#include <gtest/gtest.h>

namespace bv::render {
namespace {

TEST(PlaceFrame, CentresTheFrameWithItsAspectKept) {
  struct Case {
    int w, h;
    bool whole;
    SDL_Rect want;
  };
  const Case cases[] = {
      {640, 480, true, {0, 0, 640, 480}},
      {1280, 960, true, {0, 0, 1280, 960}},
      {1920, 1080, true, {320, 60, 1280, 960}},     // fullscreen at 1080p: scale 2, bars
      {1920, 1080, false, {240, 0, 1440, 1080}},    // fit: fills the height
      {1279, 959, true, {319, 239, 640, 480}},      // just short of 2: stays 1
      {2000, 960, true, {360, 0, 1280, 960}},
      {2000, 960, false, {360, 0, 1280, 960}},
      {320, 240, true, {0, 0, 320, 240}},           // smaller than the frame: shrunk
      {400, 600, false, {0, 150, 400, 300}},
      {0, 480, true, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const SDL_Rect r = PlaceFrame(c.w, c.h, 640, 480, c.whole);
    EXPECT_EQ(r.x, c.want.x) << c.w << "x" << c.h << " " << c.whole;
    EXPECT_EQ(r.y, c.want.y) << c.w << "x" << c.h << " " << c.whole;
    EXPECT_EQ(r.w, c.want.w) << c.w << "x" << c.h << " " << c.whole;
    EXPECT_EQ(r.h, c.want.h) << c.w << "x" << c.h << " " << c.whole;
  }
}

TEST(PlaceFrame, TheStartScaleIsTheLargestWholeOneThatFits) {
  EXPECT_EQ(WholeScaleWithin(1920, 1050, 640, 480), 2);
  EXPECT_EQ(WholeScaleWithin(3840, 2100, 640, 480), 4);
  EXPECT_EQ(WholeScaleWithin(1024, 768, 640, 480), 1);
  EXPECT_EQ(WholeScaleWithin(800, 400, 640, 480), 1) << "never below 1";
}

}  // namespace
}  // namespace bv::render

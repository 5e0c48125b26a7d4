// The program's icon: the same picture at every size, a real motif on a
// transparent background, and an SVG that says what the rasters show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <regex>
#include <string>

#include "icon.h"

namespace bv::assets {
namespace {

struct Census {
  int transparent = 0, bluish = 0, reddish = 0, light = 0;
};

Census Count(const Image& img) {
  Census c;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const Rgba& p = img.at(x, y);
      if (p.a < 0.05f) ++c.transparent;
      if (p.a < 0.9f) continue;
      if (p.b > 0.6f && p.b > p.r + 0.3f) ++c.bluish;
      if (p.r > 0.6f && p.r > p.g + 0.3f && p.r > p.b + 0.3f) ++c.reddish;
      if (p.r > 0.85f && p.g > 0.85f && p.b > 0.85f) ++c.light;
    }
  return c;
}

// Drawn once for all the tests: the largest size takes a second or two.
const Image& Raster(int size) {
  static std::map<int, Image> drawn;
  auto it = drawn.find(size);
  if (it == drawn.end()) it = drawn.emplace(size, RasterIcon(size)).first;
  return it->second;
}

TEST(Icon, EverySizeShowsThePlayerTheEnemyAndTheWallsOnATransparentGround) {
  for (int size : kIconPngSizes) {
    SCOPED_TRACE(size);
    const Image& img = Raster(size);
    ASSERT_EQ(img.width(), size);
    ASSERT_EQ(img.height(), size);
    const Census c = Count(img);
    const double all = static_cast<double>(size) * size;
    // Rounded corners and the margin are see-through; the middle is not.
    EXPECT_LT(img.at(0, 0).a, 0.05f);
    EXPECT_LT(img.at(size - 1, size - 1).a, 0.05f);
    EXPECT_GT(img.at(size / 2, size / 2).a, 0.95f);
    EXPECT_GT(c.transparent / all, 0.03);
    EXPECT_LT(c.transparent / all, 0.2);
    // Player 1's blue figure, the red enemy and marker, the light walls: each
    // a fair share of the picture, so no size is a blank square.
    EXPECT_GT(c.bluish / all, 0.025);
    EXPECT_GT(c.reddish / all, 0.01);
    EXPECT_GT(c.light / all, 0.05);
  }
}

TEST(Icon, SmallSizesAreTheLargeOneScaledDown) {
  const Image& big = Raster(256);
  const Image& small = Raster(128);
  const Image halved = big.Downsample(2);
  double diff = 0;
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      diff += std::fabs(halved.at(x, y).a - small.at(x, y).a) +
              std::fabs(halved.at(x, y).b * halved.at(x, y).a - small.at(x, y).b * small.at(x, y).a);
    }
  EXPECT_LT(diff / (128.0 * 128.0), 0.02);
}

TEST(Icon, TheSvgHoldsOneElementForEveryShapeAndOutline) {
  const std::string svg = IconSvg();
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  size_t expected = 0;
  for (const IconShape& s : IconShapes()) expected += s.outline > 0 ? 2 : 1;
  const std::regex element("<(rect|circle|ellipse|line) [^<>]*/>");
  const auto n = std::distance(std::sregex_iterator(svg.begin(), svg.end(), element),
                               std::sregex_iterator());
  EXPECT_EQ(static_cast<size_t>(n), expected);
  // Every number is finite and every element closed.
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
  EXPECT_EQ(std::count(svg.begin(), svg.end(), '<'), std::count(svg.begin(), svg.end(), '>'));
}

TEST(Icon, ATurnedShapeIsMeasuredInItsOwnFrame) {
  IconShape s;
  s.kind = IconShape::Kind::kRect;
  s.x = 100, s.y = 0, s.w = 56, s.h = 10;  // a flat bar right of the pivot
  s.angle = 90;
  s.pivot = {128, 128};
  // A quarter turn clockwise around (128, 128) puts the bar's middle, 123
  // units above the pivot, 123 units to its right.
  EXPECT_LT(IconShapeDistance(s, {128 + 123, 128}), 0);
  EXPECT_GT(IconShapeDistance(s, {128, 128 - 123}), 0);
}

}  // namespace
}  // namespace bv::assets

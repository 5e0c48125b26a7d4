// Every generated picture loads through the game's readers with the sizes the
// game asks for, and the pictures do what the game relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "data_paths.h"
#include "media/bitmap_reader.h"
#include "media/pattern_pages.h"
#include "media/pixel_format.h"
#include "texture_table.h"
#include "tone.h"

namespace bv::assets {
namespace {

using test::Alpha;
using test::DataFile;

media::Bitmap Read(const std::string& rel) { return media::ReadBitmapFile(DataFile(rel)); }

int32_t Load(media::PatternPages& pages, const std::string& rel, int pw, int ph, int tw, int th) {
  return pages.LoadFromFile(DataFile(rel), pw, ph, tw, th, media::kFormatA8R8G8B8, media::ReadBitmapFile);
}

// The ARGB pixel (x, y) of pattern p.
uint32_t PatternPixel(const media::PatternPages& pages, int p, int x, int y) {
  media::PatternPlace at = pages.PlaceOf(p);
  return pages.PixelAt(at.texture, at.x + x, at.y + y);
}

TEST(Textures, EveryTextureLoadsWithItsPatternCount) {
  for (const TextureInfo& info : TextureTable()) {
    SCOPED_TRACE(info.name);
    media::PatternPages pages;
    ASSERT_EQ(Load(pages, "textures/" + std::to_string(info.number) + ".bmp", 50, 50, 64, 64), 0);
    EXPECT_EQ(pages.pattern_count(), info.patterns);
    EXPECT_EQ(info.patterns > 1, info.kind == TexKind::kAnimated);
    // Tiles are opaque: the cell colour multiplies them with no blending.
    for (int y = 0; y < 50; y += 7)
      for (int x = 0; x < 50; x += 7) ASSERT_EQ(Alpha(PatternPixel(pages, 0, x, y)), 255);
  }
}

TEST(Textures, AnimatedTexturesMoveFromPatternToPattern) {
  for (const TextureInfo& info : TextureTable()) {
    if (info.patterns < 2) continue;
    SCOPED_TRACE(info.name);
    media::PatternPages pages;
    ASSERT_EQ(Load(pages, "textures/" + std::to_string(info.number) + ".bmp", 50, 50, 64, 64), 0);
    for (int p = 1; p < info.patterns; ++p) {
      int changed = 0;
      for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) changed += PatternPixel(pages, p, x, y) != PatternPixel(pages, p - 1, x, y);
      EXPECT_GT(changed, 50) << "pattern " << p << " repeats pattern " << p - 1;
    }
  }
}

TEST(Textures, DrawnTexturesCarryVisibleDetailWithDarkFloorsAndLightWalls) {
  // Detail must be in the luminance: the cell colour multiplies the texture
  // and the power-off AND darkens it to a quarter. Floors stay below their
  // set's bound and walls above theirs, so the two read apart in play.
  for (const TextureInfo& info : TextureTable()) {
    if (info.number == 0) continue;
    SCOPED_TRACE(info.name);
    media::Bitmap b = Read("textures/" + std::to_string(info.number) + ".bmp");
    ASSERT_EQ(b.width, 50 * info.patterns);
    ASSERT_EQ(b.height, 50);
    float lo = 1, hi = 0, sum = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 50; ++x) {
        float l = test::Luma(b.At(x, y));
        lo = std::min(lo, l), hi = std::max(hi, l), sum += l;
        ASSERT_NE(b.At(x, y) & 0xFFFFFF, 0xFF00FFu) << "placeholder colour: no recipe";
      }
    EXPECT_GT(hi - lo, 0.08f);
    const float mean = sum / 2500;
    const ToneBounds bounds = BoundsOf(info);
    const float byte = 1.5f / 255;  // the file's rounding
    if (ToneOf(info) == Tone::kFloor) {
      EXPECT_LE(mean, bounds.floor_max + byte);
    } else if (ToneOf(info) == Tone::kWall) {
      EXPECT_GE(mean, bounds.wall_min - byte);
    }
  }
}

TEST(Textures, FloorsTileWithoutSeams) {
  // Opposite edges of a floor continue into each other: the line where two
  // cells meet stands out no more than the strongest line inside the picture.
  for (const TextureInfo& info : TextureTable()) {
    if (info.kind != TexKind::kFloor) continue;
    SCOPED_TRACE(info.name);
    media::Bitmap b = Read("textures/" + std::to_string(info.number) + ".bmp");
    auto column_step = [&](int x0, int x1) {
      float s = 0;
      for (int y = 0; y < 50; ++y) s += std::fabs(test::Luma(b.At(x0, y)) - test::Luma(b.At(x1, y)));
      return s;
    };
    auto row_step = [&](int y0, int y1) {
      float s = 0;
      for (int x = 0; x < 50; ++x) s += std::fabs(test::Luma(b.At(x, y0)) - test::Luma(b.At(x, y1)));
      return s;
    };
    float strongest_column = 0, strongest_row = 0;
    for (int j = 0; j < 49; ++j) {
      strongest_column = std::max(strongest_column, column_step(j, j + 1));
      strongest_row = std::max(strongest_row, row_step(j, j + 1));
    }
    EXPECT_LE(column_step(49, 0), strongest_column * 1.2f + 0.5f);
    EXPECT_LE(row_step(49, 0), strongest_row * 1.2f + 0.5f);
  }
}

struct Picture {
  const char* file;
  int pw, ph, tw, th, patterns, width, height;
};

TEST(Pictures, LoadWithTheGamesSizes) {
  const Picture pictures[] = {
      {"load0.tga", 448, 480, 512, 512, 1, 448, 480}, {"load1.tga", 448, 480, 512, 512, 1, 448, 480},
      {"anim.tga", 60, 60, 64, 64, 1, 60, 60},        {"bar.tga", 100, 4, 128, 4, 1, 100, 4},
      {"hud.tga", 310, 85, 512, 128, 1, 310, 85},     {"logo.tga", 320, 210, 512, 256, 2, 640, 210},
      {"split.tga", 2, 480, 2, 512, 1, 2, 480},
  };
  for (const Picture& p : pictures) {
    SCOPED_TRACE(p.file);
    media::Bitmap b = Read(p.file);
    EXPECT_EQ(b.width, p.width);
    EXPECT_EQ(b.height, p.height);
    media::PatternPages pages;
    ASSERT_EQ(Load(pages, p.file, p.pw, p.ph, p.tw, p.th), 0);
    EXPECT_EQ(pages.pattern_count(), p.patterns);
  }
}

TEST(Objects, AllFortyNineLoadAsSinglePatterns) {
  for (int n = 0; n < 49; ++n) {
    SCOPED_TRACE(n);
    media::PatternPages pages;
    ASSERT_EQ(Load(pages, "objects/" + std::to_string(n) + ".tga", 50, 50, 64, 64), 0);
    EXPECT_EQ(pages.pattern_count(), 1);
    EXPECT_TRUE(Read("objects/" + std::to_string(n) + ".tga").has_alpha);
  }
}

int OpaquePixels(const media::Bitmap& b) {
  int n = 0;
  for (uint32_t px : b.pixels) n += Alpha(px) > 128;
  return n;
}

TEST(Objects, InvisibleCodesAreEmptyAndTheRestAreSeen) {
  // Sound triggers and the codes the level setup turns into solid cells show nothing.
  const std::set<int> empty = {0, 1, 13, 14, 19, 20, 22, 23, 30, 31, 32, 34};
  for (int n = 0; n < 49; ++n) {
    SCOPED_TRACE(n);
    media::Bitmap b = Read("objects/" + std::to_string(n) + ".tga");
    if (empty.count(n)) {
      for (uint32_t px : b.pixels) ASSERT_EQ(Alpha(px), 0);
    } else {
      EXPECT_GT(OpaquePixels(b), 2500 / 20);
    }
  }
}

TEST(Objects, SmallAmmunitionPacksAreVisiblySmallerThanLargeOnes) {
  const std::pair<int, int> packs[] = {{6, 9}, {7, 10}, {8, 11}, {28, 27}};
  for (auto [small, large] : packs) {
    int s = OpaquePixels(Read("objects/" + std::to_string(small) + ".tga"));
    int l = OpaquePixels(Read("objects/" + std::to_string(large) + ".tga"));
    EXPECT_LT(s * 3, l * 2) << small << " vs " << large;
  }
}

// Mean colour of the strongly coloured opaque pixels.
void KeyColour(const media::Bitmap& b, float rgb[3]) {
  double s[3] = {0, 0, 0};
  int n = 0;
  for (uint32_t px : b.pixels) {
    if (Alpha(px) < 200) continue;
    int r = (px >> 16) & 255, g = (px >> 8) & 255, bl = px & 255;
    int mx = std::max({r, g, bl}), mn = std::min({r, g, bl});
    if (mx < 80 || mx - mn < 90) continue;
    s[0] += r, s[1] += g, s[2] += bl, ++n;
  }
  for (int k = 0; k < 3; ++k) rgb[k] = n ? static_cast<float>(s[k] / n) : 0;
}

TEST(Objects, EachDoorMatchesItsCardAndNoOther) {
  float cards[5][3], doors[5][3];
  for (int k = 0; k < 5; ++k) {
    KeyColour(Read("objects/" + std::to_string(35 + k) + ".tga"), cards[k]);
    KeyColour(Read("objects/" + std::to_string(40 + k) + ".tga"), doors[k]);
  }
  auto dist = [](const float* a, const float* b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
  };
  for (int k = 0; k < 5; ++k)
    for (int j = 0; j < 5; ++j) {
      if (j == k) continue;
      EXPECT_LT(dist(doors[k], cards[k]), dist(doors[k], cards[j])) << "door " << 40 + k << " vs card " << 35 + j;
    }
}

TEST(Objects, MovingFloorArrowsPointTheWayTheyPush) {
  // 45 pushes up, 46 down, 47 left, 48 right: 46 is 45 upside down, 47 and 48
  // are 45 turned a quarter. Compared by coverage.
  media::Bitmap up = Read("objects/45.tga");
  struct Turn {
    int code;
    std::function<std::pair<int, int>(int, int)> from_up;  // pixel of `up` that lands at (x, y)
  };
  const Turn turns[] = {
      {46, [](int x, int y) { return std::make_pair(x, 49 - y); }},
      {47, [](int x, int y) { return std::make_pair(y, x); }},
      {48, [](int x, int y) { return std::make_pair(y, 49 - x); }},
  };
  for (const Turn& t : turns) {
    media::Bitmap b = Read("objects/" + std::to_string(t.code) + ".tga");
    int differ = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 50; ++x) {
        auto [ux, uy] = t.from_up(x, y);
        differ += std::abs(Alpha(b.At(x, y)) - Alpha(up.At(ux, uy))) > 96;
      }
    EXPECT_LT(differ, 60) << "object " << t.code;
  }
  // And "up" has its point at the top: more coverage in the top row of the
  // chevron's tip than at the bottom centre.
  int top = 0, bottom = 0;
  for (int y = 0; y < 25; ++y) top += Alpha(up.At(25, y)) > 128;
  for (int y = 25; y < 50; ++y) bottom += Alpha(up.At(25, y)) > 128;
  EXPECT_GT(top + bottom, 0);
  int first = 50;
  for (int y = 49; y >= 0; --y)
    if (Alpha(up.At(25, y)) > 128) first = y;
  int first_side = 50;
  for (int y = 49; y >= 0; --y)
    if (Alpha(up.At(12, y)) > 128) first_side = y;
  EXPECT_LT(first, first_side);
}

TEST(Shutters, MeetAndCoverTheWholeScreenWhenClosed) {
  // At the midpoint the left shutter lies at x 0 and the right one at x 192,
  // drawn over it: together they leave no pixel of the 640 x 480 screen open.
  media::Bitmap left = Read("load0.tga"), right = Read("load1.tga");
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      float a = x < 448 ? Alpha(left.At(x, y)) / 255.0f : 0;
      float b = x >= 192 ? Alpha(right.At(x - 192, y)) / 255.0f : 0;
      float covered = b + a * (1 - b);
      ASSERT_GT(covered, 0.99f) << x << "," << y;
    }
  // Open, they are clear of each other: the left one's right part and the
  // right one's left part are empty.
  for (int y = 0; y < 480; y += 5) {
    EXPECT_EQ(Alpha(left.At(447, y)), 0);
    EXPECT_EQ(Alpha(right.At(0, y)), 0);
  }
}

TEST(Sprite, IsALightGreyFigureOnATransparentGround) {
  media::Bitmap b = Read("anim.tga");
  EXPECT_EQ(Alpha(b.At(0, 0)), 0);
  EXPECT_EQ(Alpha(b.At(59, 59)), 0);
  EXPECT_GT(Alpha(b.At(30, 30)), 250);
  // Tintable: the body is grey (no hue of its own) and mostly light.
  double sum = 0;
  int n = 0;
  for (uint32_t px : b.pixels) {
    if (Alpha(px) < 250) continue;
    int r = (px >> 16) & 255, g = (px >> 8) & 255, bl = px & 255;
    ASSERT_LT(std::max({r, g, bl}) - std::min({r, g, bl}), 8);
    sum += test::Luma(px), ++n;
  }
  EXPECT_GT(sum / n, 0.5);
}

}  // namespace
}  // namespace bv::assets

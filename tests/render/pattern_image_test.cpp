#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <fstream>

#include "media/converter.h"
#include "media/error_codes.h"
#include "media/pixel_format.h"
#include "render/device_fixture.h"
#include "render/pattern_coords.h"
#include "support/temp_dir.h"

namespace bv::test {
namespace {

using render::PatternLayout;
using render::PatternSelection;
using render::PatternTexCoords;
using render::Point;

TEST(PatternCoordsTest, IndexToTextureAndCoordinates) {
  // 3 patterns of 50 by 50 per row, 2 rows, in 160 by 100 textures: 6 per texture.
  const PatternLayout layout{50, 50, 160, 100, 14};
  EXPECT_EQ(layout.per_texture(), 6);
  EXPECT_EQ(layout.texture_count(), 3);
  struct Case {
    int index, texture;
    float u0, v0, u1, v1;
  } cases[] = {
      {0, 0, 0.f, 0.f, 50.f / 160, 0.5f},
      {4, 0, 50.f / 160, 0.5f, 100.f / 160, 1.f},
      {7, 1, 50.f / 160, 0.f, 100.f / 160, 0.5f},
      {13, 2, 50.f / 160, 0.f, 100.f / 160, 0.5f},
      {14, 2, 50.f / 160, 0.f, 100.f / 160, 0.5f},  // beyond the last: the last
      {1000, 2, 50.f / 160, 0.f, 100.f / 160, 0.5f},
      {-1, 0, 0.f, 0.f, 50.f / 160, 0.5f},  // negative: the first
      {INT32_MIN, 0, 0.f, 0.f, 50.f / 160, 0.5f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    PatternSelection s;
    s.index = c.index;
    const render::TexCoords tc = PatternTexCoords(layout, s);
    EXPECT_EQ(tc.texture, c.texture);
    EXPECT_FLOAT_EQ(tc.u0, c.u0);
    EXPECT_FLOAT_EQ(tc.v0, c.v0);
    EXPECT_FLOAT_EQ(tc.u1, c.u1);
    EXPECT_FLOAT_EQ(tc.v1, c.v1);
  }
}

TEST(PatternCoordsTest, MirrorFlipAndPartialSelections) {
  const PatternLayout layout{50, 50, 64, 64, 1};
  PatternSelection s;
  s.mirror = 1;
  s.flip = 7;
  render::TexCoords tc = PatternTexCoords(layout, s);
  EXPECT_FLOAT_EQ(tc.u0, 50.f / 64);
  EXPECT_FLOAT_EQ(tc.u1, 0.f);
  EXPECT_FLOAT_EQ(tc.v0, 50.f / 64);
  EXPECT_FLOAT_EQ(tc.v1, 0.f);
  s = PatternSelection{};
  s.width = 10;
  s.height = 20;
  tc = PatternTexCoords(layout, s);
  EXPECT_FLOAT_EQ(tc.u1, 10.f / 64);
  EXPECT_FLOAT_EQ(tc.v1, 20.f / 64);
  s = PatternSelection{};
  s.source_x = 8;
  s.source_y = 16;
  tc = PatternTexCoords(layout, s);
  EXPECT_FLOAT_EQ(tc.u0, 8.f / 64);
  EXPECT_FLOAT_EQ(tc.u1, 50.f / 64);
  EXPECT_FLOAT_EQ(tc.v0, 16.f / 64);
  // Selections reaching out of the texture stay inside 0..1.
  s = PatternSelection{};
  s.width = 500;
  s.source_y = -100;
  tc = PatternTexCoords(layout, s);
  EXPECT_FLOAT_EQ(tc.u1, 1.f);
  EXPECT_FLOAT_EQ(tc.v0, 0.f);
}

TEST(PatternCoordsTest, LayoutValidity) {
  EXPECT_TRUE((PatternLayout{100, 4, 128, 4, 1}.valid()));
  EXPECT_FALSE((PatternLayout{100, 4, 64, 64, 1}.valid()));
  EXPECT_FALSE((PatternLayout{0, 4, 64, 64, 1}.valid()));
  EXPECT_FALSE((PatternLayout{4, 4, 64, 64, 0}.valid()));
  EXPECT_EQ((PatternLayout{0, 4, 64, 64, 3}.texture_count()), 0);
}

using PatternImageTest = DeviceTest;

// Four 2 by 2 patterns in 4 by 4 textures: one texture of four patterns.
const std::vector<uint32_t> kFour = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
constexpr Color kRgbOf[] = {0x0000FFu, 0x00FF00u, 0xFF0000u, 0xFFFFFFu};  // game layout

TEST_F(PatternImageTest, DrawImageShowsTheClampedPattern) {
  render::PatternImage& image = MakeImage(2, 2, 4, 4, kFour);
  EXPECT_EQ(image.texture_count(), 1);
  const int indices[] = {0, 1, 2, 3, 4, 99, -1, -99};
  const int shown[] = {0, 1, 2, 3, 3, 3, 0, 0};
  for (int i = 0; i < 8; ++i) ASSERT_EQ(device_.DrawImage(image, 10 * i, 0, indices[i], 0), 0);
  Snap();
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(indices[i]);
    EXPECT_EQ(At(10 * i, 0), kRgbOf[shown[i]]);
    EXPECT_EQ(At(10 * i + 1, 1), kRgbOf[shown[i]]);
    EXPECT_EQ(At(10 * i + 2, 0), kRgbBack);
    EXPECT_EQ(At(10 * i, 2), kRgbBack);
  }
}

TEST_F(PatternImageTest, PatternsAcrossSeveralTextures) {
  // 50 by 50 patterns, one per 64 by 64 texture, as the game's tiles.
  render::PatternImage& image = MakeImage(50, 50, 64, 64, {0xFFFF0000u, 0xFF00FF00u});
  EXPECT_EQ(image.texture_count(), 2);
  ASSERT_EQ(device_.DrawImage(image, 100, 100, 1, 0), 0);
  ASSERT_EQ(device_.DrawImage(image, 150, 100, 0, 0), 0);
  Snap();
  EXPECT_EQ(At(100, 100), 0x00FF00u);
  EXPECT_EQ(At(149, 149), 0x00FF00u);
  EXPECT_EQ(At(150, 100), 0x0000FFu);
  EXPECT_EQ(At(199, 149), 0x0000FFu);
  EXPECT_EQ(At(200, 100), kRgbBack);
  EXPECT_EQ(At(100, 150), kRgbBack);
  EXPECT_EQ(CountDrawn(), 2 * 2500);
}

TEST_F(PatternImageTest, MirrorAndFlipExchangeTheTexels) {
  // One 2 by 2 pattern with four different texels.
  media::Bitmap picture{2, 2, true, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu}};
  render::PatternImage image(device_);
  ASSERT_EQ(image.LoadFromBitmap(picture, 0, 0, 2, 2, media::kFormatA8R8G8B8), 0);
  const Color white[4] = {kOpaque, kOpaque, kOpaque, kOpaque};
  auto quad_at = [](int x) {
    return std::array<Point, 4>{Point{x, 0}, Point{x + 2, 0}, Point{x + 2, 2}, Point{x, 2}};
  };
  render::PatternSelection s;
  ASSERT_EQ(device_.DrawQuad(image, quad_at(0).data(), white, s, 0), 0);
  s.mirror = 1;
  ASSERT_EQ(device_.DrawQuad(image, quad_at(10).data(), white, s, 0), 0);
  s.mirror = 0;
  s.flip = 1;
  ASSERT_EQ(device_.DrawQuad(image, quad_at(20).data(), white, s, 0), 0);
  Snap();
  EXPECT_EQ(At(0, 0), kRgbOf[0]);
  EXPECT_EQ(At(1, 0), kRgbOf[1]);
  EXPECT_EQ(At(0, 1), kRgbOf[2]);
  EXPECT_EQ(At(10, 0), kRgbOf[1]);
  EXPECT_EQ(At(11, 0), kRgbOf[0]);
  EXPECT_EQ(At(11, 1), kRgbOf[2]);
  EXPECT_EQ(At(20, 0), kRgbOf[2]);
  EXPECT_EQ(At(20, 1), kRgbOf[0]);
  EXPECT_EQ(At(21, 1), kRgbOf[1]);
}

TEST_F(PatternImageTest, QuadsReachingFarPastTheTargetStillCoverTheirPixels) {
  // Only absurd sizes get here (a damaged font's scale); what matters is that
  // the visible part is drawn and the renderer is not asked for a huge surface.
  media::Bitmap picture{4, 1, true, {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu}};
  render::PatternImage image(device_);
  ASSERT_EQ(image.LoadFromBitmap(picture, 0, 0, 4, 1, media::kFormatA8R8G8B8), 0);
  const Color white[4] = {kOpaque, kOpaque, kOpaque, kOpaque};
  const Point far_left[4] = {{-35000, 0}, {5000, 0}, {5000, 2}, {-35000, 2}};
  const Point far_right[4] = {{0, 10}, {40000, 10}, {40000, 12}, {0, 12}};
  const Point everywhere[4] = {{INT32_MIN, 20}, {INT32_MAX, 20}, {INT32_MAX, 21}, {INT32_MIN, 21}};
  ASSERT_EQ(device_.DrawQuad(image, far_left, white, render::PatternSelection{}, 0), 0);
  ASSERT_EQ(device_.DrawQuad(image, far_right, white, render::PatternSelection{}, 0), 0);
  ASSERT_EQ(device_.DrawQuad(image, everywhere, white, render::PatternSelection{}, 0), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 640 * 5);
  EXPECT_EQ(At(0, 0), kRgbOf[3]);
}

TEST_F(PatternImageTest, TexturedEffectsAndTints) {
  // Texels: opaque white and half-transparent white.
  render::PatternImage& image = MakeImage(4, 4, 4, 4, {0xFFFFFFFFu});
  render::PatternImage& half = MakeImage(4, 4, 4, 4, {0x80FFFFFFu});
  const Color tint = 0x800000FFu;  // red, alpha 128
  ASSERT_EQ(device_.DrawImageTinted(image, 0, 0, tint, 0, 0), 0);
  ASSERT_EQ(device_.DrawImageTinted(image, 10, 0, tint, 0, 4), 0);
  ASSERT_EQ(device_.DrawImageTinted(image, 20, 0, tint, 0, 5), 0);
  ASSERT_EQ(device_.DrawImageTinted(half, 30, 0, 0xFF0000FFu, 0, 0), 0);
  ASSERT_EQ(device_.DrawImageTinted(half, 40, 0, 0x000000FFu, 0, 4), 0);
  ASSERT_EQ(device_.DrawImageTinted(half, 50, 0, 0x800000FFu, 0, 5), 0);
  Snap();
  EXPECT_EQ(At(1, 1), kRgbRed);   // opaque whatever the alpha
  EXPECT_EQ(At(11, 1), kRgbRed);  // image alpha only
  EXPECT_TRUE(Near(At(21, 1), 0x88, 0x10, 0x18)) << std::hex << At(21, 1);
  EXPECT_EQ(At(31, 1), kRgbRed);  // blending off
  EXPECT_TRUE(Near(At(41, 1), 0x88, 0x10, 0x18)) << std::hex << At(41, 1);
  // Texel alpha 128 times colour alpha 128: a quarter of the red.
  EXPECT_TRUE(Near(At(51, 1), 0x4C, 0x18, 0x24, 3)) << std::hex << At(51, 1);
}

TEST_F(PatternImageTest, ARunOfOneTextureIsOneBatchAlternatingTexturesAreMany) {
  render::PatternImage& a = MakeImage(2, 2, 4, 4, kFour);
  render::PatternImage& b = MakeImage(2, 2, 4, 4, kFour);
  ASSERT_EQ(device_.BeginScene(), 0);
  for (int i = 0; i < 50; ++i) ASSERT_EQ(device_.DrawImage(a, i * 2, 0, i % 4, 0), 0);
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().batches, 1);
  EXPECT_EQ(device_.counters().vertices, 300);
  EXPECT_EQ(device_.counters().primitives, 100);
  ASSERT_EQ(device_.BeginScene(), 0);
  for (int i = 0; i < 10; ++i) ASSERT_EQ(device_.DrawImage(i % 2 ? b : a, i * 2, 10, 0, 0), 0);
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().batches, 10);
  // A change of effect ends a batch as well: a tile then its translucent object.
  ASSERT_EQ(device_.BeginScene(), 0);
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(device_.DrawImageTinted(a, i * 2, 20, kOpaque, 0, 0), 0);
    ASSERT_EQ(device_.DrawImageTinted(a, i * 2, 20, kOpaque, 1, 5), 0);
  }
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().batches, 20);
}

TEST_F(PatternImageTest, LoadFailuresLeaveTheImageUnloaded) {
  render::PatternImage image(device_);
  const media::Bitmap picture = Strip(2, 2, kFour);
  EXPECT_EQ(image.LoadFromBitmap(picture, 2, 2, 4, 4, 28), media::kErrFormat);  // A8 is refused
  EXPECT_EQ(image.LoadFromBitmap(picture, 2, 2, 4, 4, 99), media::kErrFormat);
  EXPECT_EQ(image.LoadFromBitmap(picture, 8, 2, 4, 4, media::kFormatA8R8G8B8),
            media::kErrInvalidCall);
  EXPECT_EQ(image.LoadFromBitmap(media::Bitmap{}, 0, 0, 4, 4, media::kFormatA8R8G8B8),
            media::kErrInvalidCall);
  const uint8_t not_an_image[32] = {'P', 'I', 'M', 'X'};
  EXPECT_EQ(image.LoadFromMemory(not_an_image, sizeof not_an_image, media::kFormatA8R8G8B8),
            media::kErrInvalidData);
  EXPECT_THROW(
      image.LoadFromFile("/nonexistent/brimvale/none.tga", 0, 0, 64, 64, media::kFormatA8R8G8B8),
      media::ImageReadError);
  media::SetConverterAvailable(false);
  EXPECT_EQ(image.LoadFromBitmap(picture, 2, 2, 4, 4, media::kFormatA8R8G8B8),
            media::kErrConverter);
  media::SetConverterAvailable(true);
  EXPECT_FALSE(image.loaded());
  EXPECT_EQ(image.texture_count(), 0);
  ASSERT_EQ(image.LoadFromBitmap(picture, 2, 2, 4, 4, media::kFormatA8R8G8B8), 0);
  EXPECT_TRUE(image.loaded());
  EXPECT_EQ(image.pattern_count(), 4);
  EXPECT_EQ(image.LoadFromBitmap(picture, 2, 2, 4, 4, media::kFormatA8R8G8B8),
            media::kErrInvalidCall);  // loaded
  EXPECT_EQ(image.Release(), 0);
  EXPECT_FALSE(image.loaded());
  EXPECT_EQ(device_.DrawImage(image, 0, 0, 0, 0), media::kErrInvalidCall);
  EXPECT_EQ(image.Release(), 0);
}

TEST_F(PatternImageTest, LoadsAPictureFileCutIntoPatterns) {
  // A 24-bit TGA of 100 by 50, top row first: red on the left, blue on the right.
  std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 50, 0, 24, 32};
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 100; ++x) {
      const bool left = x < 50;
      tga.insert(tga.end(), {uint8_t(left ? 0 : 255), 0, uint8_t(left ? 255 : 0)});  // B, G, R
    }
  }
  TempDir dir;
  const std::string path = dir.File("data/objects/1.tga");
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(tga.data()), static_cast<std::streamsize>(tga.size()));
  }
  render::PatternImage image(device_);
  ASSERT_EQ(image.LoadFromFile(path, 50, 50, 64, 64, media::kFormatA8R8G8B8), 0);
  EXPECT_EQ(image.pattern_count(), 2);
  EXPECT_EQ(image.texture_count(), 2);
  ASSERT_EQ(device_.DrawImage(image, 0, 0, 1, 5), 0);  // opaque: alpha blending changes nothing
  ASSERT_EQ(device_.DrawImage(image, 50, 0, 0, 5), 0);
  Snap();
  EXPECT_EQ(At(0, 0), 0xFF0000u);
  EXPECT_EQ(At(49, 49), 0xFF0000u);
  EXPECT_EQ(At(50, 0), 0x0000FFu);
  EXPECT_EQ(At(99, 49), 0x0000FFu);
  EXPECT_EQ(At(100, 0), kRgbBack);
}

TEST_F(PatternImageTest, OtherFormatsShowTheirPrecision) {
  const uint32_t argb = 0x80123456u;
  for (int32_t format : {22, 23, 24, 25, 26, 27, 29, 30}) {
    SCOPED_TRACE(format);
    // What the format keeps of the colour, back in 32 bits.
    uint8_t held[4] = {};
    uint32_t back = 0;
    ASSERT_EQ(media::PcLineConv(&argb, held, 1, 21, format), 0);
    ASSERT_EQ(media::PcLineConv(held, &back, 1, format, 21), 0);
    render::PatternImage image(device_);
    ASSERT_EQ(image.LoadFromBitmap(Strip(2, 2, {argb}), 0, 0, 2, 2, format), 0);
    ASSERT_EQ(device_.Clear(kBackground), 0);
    ASSERT_EQ(device_.DrawImage(image, 0, 0, 0, 0), 0);  // effect 0: no blending
    Snap();
    const Color want = render::ColorRGB(back >> 16, back >> 8, back);
    EXPECT_EQ(At(1, 1), want) << std::hex << back;
  }
}

TEST_F(PatternImageTest, ReleasingAnImageSendsItsQueuedQuadsFirst) {
  auto image = std::make_unique<render::PatternImage>(device_);
  ASSERT_EQ(image->LoadFromBitmap(Strip(2, 2, {0xFF00FF00u}), 0, 0, 2, 2, media::kFormatA8R8G8B8),
            0);
  ASSERT_EQ(device_.DrawImage(*image, 5, 5, 0, 0), 0);
  image.reset();
  ASSERT_EQ(device_.FillRect(0, 0, 1, 1, kRed, 0), 0);
  Snap();
  EXPECT_EQ(At(5, 5), 0x00FF00u);
  EXPECT_EQ(At(0, 0), kRgbRed);
}

TEST_F(PatternImageTest, AntialiasSwitchSetsTheFilterOfEveryTexture) {
  render::PatternImage& image = MakeImage(2, 2, 4, 4, kFour);
  SDL_ScaleMode mode;
  ASSERT_EQ(SDL_GetTextureScaleMode(image.texture(0), &mode), 0);
  EXPECT_EQ(mode, SDL_ScaleModeLinear);
  device_.SetAntialias(false);
  ASSERT_EQ(SDL_GetTextureScaleMode(image.texture(0), &mode), 0);
  EXPECT_EQ(mode, SDL_ScaleModeNearest);
  render::PatternImage& later = MakeImage(2, 2, 4, 4, kFour);
  ASSERT_EQ(SDL_GetTextureScaleMode(later.texture(0), &mode), 0);
  EXPECT_EQ(mode, SDL_ScaleModeNearest);
}

TEST_F(PatternImageTest, LostTargetsAreUploadedAgainFromThePages) {
  render::PatternImage& image = MakeImage(2, 2, 4, 4, kFour);
  // What a lost device leaves in a texture.
  std::vector<uint32_t> junk(16, 0xFF123456u);
  ASSERT_EQ(SDL_UpdateTexture(image.texture(0), nullptr, junk.data(), 16), 0);
  SDL_Event e{};
  e.type = SDL_RENDER_TARGETS_RESET;
  EXPECT_TRUE(device_.HandleEvent(e));
  ASSERT_EQ(device_.DrawImage(image, 0, 0, 2, 0), 0);
  Snap();
  EXPECT_EQ(At(0, 0), kRgbOf[2]);
  EXPECT_EQ(device_.Present(), 0);
  e.type = SDL_KEYDOWN;
  EXPECT_FALSE(device_.HandleEvent(e));
}

TEST_F(PatternImageTest, AResetDeviceGetsNewTextures) {
  render::PatternImage& image = MakeImage(2, 2, 4, 4, kFour);
  ASSERT_EQ(device_.DrawImage(image, 0, 0, 1, 0), 0);
  SDL_Event e{};
  e.type = SDL_RENDER_DEVICE_RESET;
  EXPECT_TRUE(device_.HandleEvent(e));
  EXPECT_EQ(device_.queued_vertices(), 0u);  // the lost frame's quads are dropped
  ASSERT_NE(image.texture(0), nullptr);
  ASSERT_EQ(device_.DrawImage(image, 0, 0, 3, 0), 0);
  Snap();
  EXPECT_EQ(At(1, 1), kRgbOf[3]);
  EXPECT_EQ(device_.Present(), 0);
}

TEST_F(PatternImageTest, ImagesOutliveAShutdownAndComeBackWithANewDevice) {
  render::PatternImage& image = MakeImage(2, 2, 4, 4, kFour);
  device_.Shutdown();
  EXPECT_EQ(image.texture(0), nullptr);
  EXPECT_TRUE(image.loaded());
  EXPECT_EQ(device_.DrawImage(image, 0, 0, 0, 0), media::kErrInvalidCall);
  ASSERT_EQ(Recreate(), 0);
  ASSERT_NE(image.texture(0), nullptr);
  ASSERT_EQ(device_.DrawImage(image, 0, 0, 1, 0), 0);
  Snap();
  EXPECT_EQ(At(0, 0), kRgbOf[1]);
}

TEST(PatternImageLifetimeTest, ADeviceDestroyedFirstLeavesImagesSafe) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 8, 8, 32, SDL_PIXELFORMAT_ARGB8888);
  auto device = std::make_unique<render::DrawDevice>();
  ASSERT_EQ(device->CreateForSurface(s), 0);
  render::PatternImage image(*device);
  ASSERT_EQ(image.LoadFromBitmap(Strip(1, 1, {kOpaque}), 0, 0, 1, 1, media::kFormatA8R8G8B8), 0);
  device.reset();
  EXPECT_EQ(image.device(), nullptr);
  EXPECT_EQ(image.Release(), 0);
  SDL_FreeSurface(s);
}

}  // namespace
}  // namespace bv::test

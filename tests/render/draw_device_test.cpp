#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>

#include "media/error_codes.h"
#include "media/pixel_format.h"
#include "render/device_fixture.h"
#include "render/effect.h"
#include "render/line_raster.h"

namespace bv::test {
namespace {

using render::Point;
using render::Rect;

using DrawDeviceTest = DeviceTest;

TEST_F(DrawDeviceTest, FillRectCoversLeftToRightMinusOne) {
  ASSERT_EQ(device_.FillRect(10, 20, 5, 3, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(Rect{30, 40, 32, 41}, kGreen, 0), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 15 + 2);
  EXPECT_EQ(At(10, 20), kRgbRed);
  EXPECT_EQ(At(14, 22), kRgbRed);
  EXPECT_EQ(At(15, 22), kRgbBack);
  EXPECT_EQ(At(14, 23), kRgbBack);
  EXPECT_EQ(At(9, 20), kRgbBack);
  EXPECT_EQ(At(30, 40), kRgbGreen);
  EXPECT_EQ(At(31, 40), kRgbGreen);
  EXPECT_EQ(At(32, 40), kRgbBack);
}

TEST_F(DrawDeviceTest, NegativeWidthAndHeightExtendLeftAndUp) {
  // (left, top, -18, 4): the 18 pixels left of left.
  ASSERT_EQ(device_.FillRect(100, 50, -18, 4, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(200, 60, 3, -2, kGreen, 0), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 18 * 4 + 3 * 2);
  EXPECT_EQ(At(82, 50), kRgbRed);
  EXPECT_EQ(At(99, 53), kRgbRed);
  EXPECT_EQ(At(81, 50), kRgbBack);
  EXPECT_EQ(At(100, 50), kRgbBack);
  EXPECT_EQ(At(200, 58), kRgbGreen);
  EXPECT_EQ(At(202, 59), kRgbGreen);
  EXPECT_EQ(At(200, 60), kRgbBack);
}

TEST_F(DrawDeviceTest, ZeroSizedRectsDrawNothing) {
  ASSERT_EQ(device_.FillRect(10, 10, 0, 5, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(10, 10, 5, 0, kRed, 0), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 0);
}

TEST_F(DrawDeviceTest, ExtremeRectanglesDrawTheirVisiblePartAndNoMore) {
  ASSERT_EQ(device_.FillRect(630, 0, INT32_MAX, 2, kRed, 0), 0);    // right edge overflows
  ASSERT_EQ(device_.FillRect(5, 100, INT32_MIN, 1, kGreen, 0), 0);  // extends far left
  ASSERT_EQ(device_.FrameRect(INT32_MAX - 1, 0, 50, 50, kWhite, kRed, 0), 0);
  ASSERT_EQ(device_.FrameRect(300, 300, INT32_MIN, INT32_MIN, kWhite, kRed, 0), 0);
  Snap();
  EXPECT_EQ(At(630, 0), kRgbRed);
  EXPECT_EQ(At(639, 1), kRgbRed);
  EXPECT_EQ(At(629, 0), kRgbBack);
  EXPECT_EQ(At(0, 100), kRgbGreen);
  EXPECT_EQ(At(4, 100), kRgbGreen);
  EXPECT_EQ(At(5, 100), kRgbBack);
}

TEST_F(DrawDeviceTest, QuadsWhollyOffScreenAreNotSent) {
  ASSERT_EQ(device_.BeginScene(), 0);
  ASSERT_EQ(device_.FillRect(640, 0, 10, 10, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(-10, 0, 10, 10, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(0, -2000000000, 10, 10, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(0, 480, 10, 10, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(639, 479, 10, 10, kRed, 0), 0);  // one pixel shows
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().primitives, 2);
  Snap();
  EXPECT_EQ(CountDrawn(), 1);
}

TEST_F(DrawDeviceTest, MiniMapFrameOf102At4_374) {
  ASSERT_EQ(device_.FrameRect(4, 374, 102, 102, kWhite, kRed, 0), 0);
  Snap();
  for (int i = 374; i <= 475; ++i) {
    EXPECT_EQ(At(4, i), kRgbWhite) << i;
    EXPECT_EQ(At(105, i), kRgbWhite) << i;
  }
  for (int i = 4; i <= 105; ++i) {
    EXPECT_EQ(At(i, 374), kRgbWhite) << i;
    EXPECT_EQ(At(i, 475), kRgbWhite) << i;
  }
  EXPECT_EQ(At(5, 375), kRgbRed);
  EXPECT_EQ(At(104, 474), kRgbRed);
  EXPECT_EQ(At(3, 374), kRgbBack);
  EXPECT_EQ(At(106, 475), kRgbBack);
  EXPECT_EQ(At(4, 373), kRgbBack);
  EXPECT_EQ(At(4, 476), kRgbBack);
  EXPECT_EQ(CountDrawn(), 102 * 102);
}

TEST_F(DrawDeviceTest, FrameRectEdgesDoNotOverlapUnderBlending) {
  // A translucent border would show doubled corners if edges overlapped.
  ASSERT_EQ(device_.FrameRect(Rect{10, 10, 20, 20}, 0x80FFFFFFu, 0x00000000u, 5), 0);
  Snap();
  const Color corner = At(10, 10);
  for (Point p : {Point{19, 10}, Point{19, 19}, Point{10, 19}, Point{15, 10}, Point{10, 15}}) {
    EXPECT_EQ(At(p.x, p.y), corner) << p.x << "," << p.y;
  }
  EXPECT_EQ(At(15, 15), kRgbBack);  // fill of alpha 0 under effect 5
}

TEST_F(DrawDeviceTest, ThinFramesDrawOnlyTheBorder) {
  struct Case {
    int w, h, drawn;
  } cases[] = {{2, 6, 12}, {6, 2, 12}, {1, 5, 5}, {5, 1, 5}, {2, 2, 4}, {3, 3, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    ASSERT_EQ(device_.Clear(kBackground), 0);
    ASSERT_EQ(device_.FrameRect(50, 50, c.w, c.h, kWhite, kRed, 0), 0);
    Snap();
    EXPECT_EQ(CountDrawn(), c.drawn);
    int red = 0;
    for (int y = 45; y < 60; ++y) {
      for (int x = 45; x < 60; ++x) red += At(x, y) == kRgbRed ? 1 : 0;
    }
    EXPECT_EQ(red, c.w > 2 && c.h > 2 ? (c.w - 2) * (c.h - 2) : 0);
  }
}

TEST_F(DrawDeviceTest, ClipRectLimitsLaterDrawingAndPersists) {
  ASSERT_EQ(device_.SetClipRect(Rect{320, 0, 640, 480}), 0);
  ASSERT_EQ(device_.FillRect(300, 10, 40, 10, kRed, 0), 0);
  Snap();
  EXPECT_EQ(At(319, 10), kRgbBack);
  EXPECT_EQ(At(320, 10), kRgbRed);
  EXPECT_EQ(At(339, 19), kRgbRed);
  EXPECT_EQ(CountDrawn(), 20 * 10);
  // Clear ignores the clip; the clip still holds in the next frame.
  ASSERT_EQ(device_.Clear(kRed), 0);
  Snap();
  EXPECT_EQ(At(0, 0), kRgbRed);
  EXPECT_EQ(At(639, 479), kRgbRed);
  ASSERT_EQ(device_.Clear(kBackground), 0);
  ASSERT_EQ(device_.PutPixel(10, 10, kWhite, 0), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 0);
  // An inverted rectangle clips everything away.
  ASSERT_EQ(device_.SetClipRect(Rect{100, 100, 50, 50}), 0);
  ASSERT_EQ(device_.FillRect(0, 0, 640, 480, kRed, 0), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 0);
  ASSERT_EQ(device_.SetClipRect(Rect{0, 0, 640, 480}), 0);
  ASSERT_EQ(device_.FillRect(0, 0, 640, 480, kRed, 0), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 640 * 480);
}

TEST_F(DrawDeviceTest, ClipRectSendsWhatWasQueuedUnderTheOldClip) {
  ASSERT_EQ(device_.SetClipRect(Rect{0, 0, 320, 480}), 0);
  ASSERT_EQ(device_.FillRect(300, 0, 40, 1, kRed, 0), 0);
  ASSERT_EQ(device_.SetClipRect(Rect{320, 0, 640, 480}), 0);
  ASSERT_EQ(device_.FillRect(300, 1, 40, 1, kRed, 0), 0);
  Snap();
  EXPECT_EQ(At(319, 0), kRgbRed);
  EXPECT_EQ(At(320, 0), kRgbBack);
  EXPECT_EQ(At(319, 1), kRgbBack);
  EXPECT_EQ(At(320, 1), kRgbRed);
}

TEST_F(DrawDeviceTest, PointsAreExactAndOffScreenOnesLeaveNoMark) {
  ASSERT_EQ(device_.PutPixel(-1, -1, kWhite, 5), 0);
  ASSERT_EQ(device_.PutPixel(640, 480, kWhite, 0), 0);
  ASSERT_EQ(device_.PutPixel(0, 0, kWhite, 0), 0);
  ASSERT_EQ(device_.PutPixel(639, 479, kRed, 0), 0);
  ASSERT_EQ(device_.PutPixel(7, 9, kGreen, 5), 0);
  Snap();
  EXPECT_EQ(CountDrawn(), 3);
  EXPECT_EQ(At(0, 0), kRgbWhite);
  EXPECT_EQ(At(639, 479), kRgbRed);
  EXPECT_EQ(At(7, 9), kRgbGreen);
}

TEST_F(DrawDeviceTest, UntexturedEffectsZeroFourAndFive) {
  // Half-transparent red over the background in each effect.
  const Color half_red = 0x800000FFu;
  ASSERT_EQ(device_.FillRect(0, 0, 10, 10, half_red, 0), 0);
  ASSERT_EQ(device_.FillRect(10, 0, 10, 10, half_red, 4), 0);
  ASSERT_EQ(device_.FillRect(20, 0, 10, 10, half_red, 5), 0);
  ASSERT_EQ(device_.FillRect(30, 0, 10, 10, 0x000000FFu, 4), 0);  // alpha 0, still opaque
  ASSERT_EQ(device_.FillRect(40, 0, 10, 10, 0x000000FFu, 5), 0);  // alpha 0: invisible
  ASSERT_EQ(device_.PutPixel(50, 0, half_red, 5), 0);
  ASSERT_EQ(device_.DrawLine(Point{60, 0}, Point{65, 0}, half_red, half_red, 5), 0);
  Snap();
  EXPECT_EQ(At(5, 5), kRgbRed);
  EXPECT_EQ(At(15, 5), kRgbRed);
  EXPECT_TRUE(Near(At(25, 5), 0x88, 0x10, 0x18)) << std::hex << At(25, 5);
  EXPECT_EQ(At(35, 5), kRgbRed);
  EXPECT_EQ(At(45, 5), kRgbBack);
  EXPECT_TRUE(Near(At(50, 0), 0x88, 0x10, 0x18)) << std::hex << At(50, 0);
  EXPECT_TRUE(Near(At(62, 0), 0x88, 0x10, 0x18)) << std::hex << At(62, 0);
}

TEST_F(DrawDeviceTest, BlendValuesOutsideTheTableKeepTheModeBefore) {
  const Color half_red = 0x800000FFu;
  ASSERT_EQ(device_.FillRect(0, 0, 10, 10, half_red, 5), 0);
  ASSERT_EQ(device_.FillRect(10, 0, 10, 10, half_red, 13), 0);  // 12: no row, still BLEND
  ASSERT_EQ(device_.FillRect(20, 0, 10, 10, half_red, 1), 0);   // back to NONE
  ASSERT_EQ(device_.FillRect(30, 0, 10, 10, half_red, 13), 0);  // stays NONE
  Snap();
  EXPECT_EQ(At(15, 5), At(5, 5));
  EXPECT_NE(At(15, 5), kRgbRed);
  EXPECT_EQ(At(25, 5), kRgbRed);
  EXPECT_EQ(At(35, 5), kRgbRed);
}

TEST_F(DrawDeviceTest, AlphaAddAndMultiplyAreExactEverywhere) {
  EXPECT_EQ(device_.custom_blend_modes(), OnOpenGl());
  // Alpha-add (source alpha, one) and multiply (zero, source colour) are exact.
  ASSERT_EQ(device_.FillRect(0, 0, 4, 4, 0x80000080u, 7), 0);
  ASSERT_EQ(device_.FillRect(4, 0, 4, 4, 0xFF008080u, 16), 0);
  Snap();
  EXPECT_TRUE(Near(At(1, 1), 0x10 + 0x40, 0x20, 0x30)) << std::hex << At(1, 1);
  EXPECT_TRUE(Near(At(5, 1), 0x08, 0x10, 0x00)) << std::hex << At(5, 1);
}

TEST_F(DrawDeviceTest, RowsWithoutAStandardModeAreComposedWhereTheRendererCan) {
  // Mask (zero, source alpha) with a colour alpha of 128 halves the target.
  ASSERT_EQ(device_.FillRect(0, 0, 4, 4, 0x80FFFFFFu, render::kBlendMask | 1), 0);
  // Add (one, one) of a colour with alpha 0 still adds it all.
  ASSERT_EQ(device_.FillRect(4, 0, 4, 4, 0x00000040u, render::kBlendAdd | 1), 0);
  Snap();
  if (device_.custom_blend_modes()) {
    EXPECT_TRUE(Near(At(1, 1), 0x08, 0x10, 0x18)) << std::hex << At(1, 1);
    EXPECT_TRUE(Near(At(5, 1), 0x50, 0x20, 0x30)) << std::hex << At(5, 1);
  } else {
    // The nearest standard modes: multiply by the colour, add by alpha.
    EXPECT_EQ(At(1, 1), kRgbBack);
    EXPECT_EQ(At(5, 1), kRgbBack);
  }
}

TEST_F(DrawDeviceTest, LinesIncludeBothEnds) {
  ASSERT_EQ(device_.DrawLine(Point{10, 10}, Point{29, 10}, kWhite, kWhite, 0), 0);
  ASSERT_EQ(device_.DrawLine(Point{5, 100}, Point{5, 80}, kRed, kRed, 0), 0);
  Snap();
  EXPECT_EQ(At(10, 10), kRgbWhite);
  EXPECT_EQ(At(29, 10), kRgbWhite);
  EXPECT_EQ(At(30, 10), kRgbBack);
  EXPECT_EQ(At(5, 80), kRgbRed);
  EXPECT_EQ(At(5, 100), kRgbRed);
  EXPECT_EQ(CountDrawn(), 20 + 21);
}

TEST_F(DrawDeviceTest, TwoColourLinesCoverTheSamePixelsAsOneColourLines) {
  const Point ends[][2] = {{{100, 100}, {137, 111}},
                           {{300, 200}, {291, 250}},
                           {{50, 400}, {10, 395}},
                           {{20, 20}, {20, 20}}};
  for (const auto& e : ends) {
    SCOPED_TRACE(testing::Message() << e[1].x << "," << e[1].y);
    ASSERT_EQ(device_.Clear(kBackground), 0);
    ASSERT_EQ(device_.DrawLine(e[0], e[1], kWhite, kWhite, 0), 0);
    Snap();
    std::vector<Color> plain = pixels();
    ASSERT_EQ(device_.Clear(kBackground), 0);
    ASSERT_EQ(device_.DrawLine(e[0], e[1], kRed, kGreen, 0), 0);
    Snap();
    for (size_t i = 0; i < pixels().size(); ++i) {
      ASSERT_EQ((plain[i] & 0xFFFFFFu) != kRgbBack, (pixels()[i] & 0xFFFFFFu) != kRgbBack) << i;
    }
    if (e[0].x != e[1].x || e[0].y != e[1].y) {
      EXPECT_EQ(At(e[0].x, e[0].y), kRgbRed);
      EXPECT_EQ(At(e[1].x, e[1].y), kRgbGreen);
    }
  }
}

TEST(LineRasterTest, ColourRunsEvenlyFromEndToEnd) {
  std::vector<SDL_Color> seen;
  render::RasterLine(0, 0, 4, 0, SDL_Color{0, 0, 0, 255}, SDL_Color{200, 100, 0, 255},
                     [&](int, int, SDL_Color c) { seen.push_back(c); });
  ASSERT_EQ(seen.size(), 5u);
  const int reds[] = {0, 50, 100, 150, 200};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(seen[i].r, reds[i]);
  EXPECT_EQ(seen[2].g, 50);
  EXPECT_EQ(render::Interpolate(200, 0, 1, 3), 133);
  EXPECT_FALSE(render::ShortEnoughToShade(0, 0, 1 << 30, 0));
  EXPECT_FALSE(render::ShortEnoughToShade(INT32_MIN, 0, INT32_MAX, 0));
}

TEST_F(DrawDeviceTest, BeginSceneWithQueuedVerticesFailsAndDrawsNothingNew) {
  ASSERT_EQ(device_.BeginScene(), 0);
  ASSERT_EQ(device_.FillRect(0, 0, 10, 10, kRed, 0), 0);
  EXPECT_EQ(device_.queued_vertices(), 6u);
  EXPECT_EQ(device_.BeginScene(), media::kErrVertexArray);
  EXPECT_EQ(device_.queued_vertices(), 6u);
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.queued_vertices(), 0u);
  EXPECT_EQ(device_.counters().batches, 1);
  ASSERT_EQ(device_.BeginScene(), 0);
  EXPECT_EQ(device_.counters().batches, 0);
  EXPECT_EQ(device_.BeginScene(), media::kErrDevice);  // already in a frame
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.EndScene(), media::kErrDevice);  // no frame to end
  Snap();
  EXPECT_EQ(At(5, 5), kRgbRed);
  ASSERT_EQ(device_.Present(), 0);
}

TEST_F(DrawDeviceTest, CountersOfVerticesPrimitivesAndBatches) {
  ASSERT_EQ(device_.BeginScene(), 0);
  for (int i = 0; i < 10; ++i) ASSERT_EQ(device_.FillRect(i * 3, 0, 2, 2, kRed, 0), 0);
  for (int i = 0; i < 4; ++i) ASSERT_EQ(device_.PutPixel(i, 10, kWhite, 5), 0);
  ASSERT_EQ(device_.DrawLine(Point{0, 20}, Point{9, 20}, kWhite, kRed, 0), 0);
  ASSERT_EQ(device_.FillRect(0, 30, 2, 2, kRed, 5), 0);
  ASSERT_EQ(device_.EndScene(), 0);
  const render::FrameCounters& c = device_.counters();
  EXPECT_EQ(c.vertices, 60 + 4 + 2 + 6);
  EXPECT_EQ(c.primitives, 20 + 4 + 1 + 2);
  EXPECT_EQ(c.batches, 4);  // shapes, points, line, shapes in another effect
}

TEST_F(DrawDeviceTest, AFullQueueIsSentBeforeTheNextPrimitive) {
  ASSERT_EQ(device_.BeginScene(), 0);
  const int fit = static_cast<int>(render::VertexQueue::kMaxCapacity / 6);  // 5461 quads
  for (int i = 0; i < fit; ++i) ASSERT_EQ(device_.FillRect(i % 640, 0, 1, 1, kRed, 0), 0);
  EXPECT_EQ(device_.counters().batches, 0);
  ASSERT_EQ(device_.FillRect(0, 1, 1, 1, kRed, 0), 0);
  EXPECT_EQ(device_.counters().batches, 1);
  EXPECT_EQ(device_.counters().vertices, fit * 6);
  EXPECT_EQ(device_.queued_vertices(), 6u);
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().batches, 2);
}

TEST(DrawDeviceStateTest, EveryOperationNeedsAnInitialisedDevice) {
  render::DrawDevice d;
  render::PatternImage image(d);
  const Point corners[4] = {};
  const Color colors[4] = {};
  const std::function<int32_t()> calls[] = {
      [&] { return d.Clear(0); },
      [&] { return d.BeginScene(); },
      [&] { return d.EndScene(); },
      [&] { return d.Present(); },
      [&] {
        return d.SetClipRect(Rect{0, 0, 1, 1});
      },
      [&] {
        return d.FillRect(Rect{0, 0, 1, 1}, 0, 0);
      },
      [&] { return d.FillRect(0, 0, 1, 1, 0, 0); },
      [&] {
        return d.FrameRect(Rect{0, 0, 5, 5}, 0, 0, 0);
      },
      [&] { return d.FrameRect(0, 0, 5, 5, 0, 0, 0); },
      [&] {
        return d.DrawLine(Point{}, Point{1, 1}, 0, 0, 0);
      },
      [&] { return d.PutPixel(0, 0, 0, 0); },
      [&] { return d.DrawQuad(image, corners, colors, render::PatternSelection{}, 0); },
      [&] { return d.DrawImage(image, 0, 0, 0, 0); },
      [&] { return d.DrawImageTinted(image, 0, 0, 0, 0, 0); },
      [&] { return d.Flush(); },
      [&] { return image.LoadFromBitmap(Strip(1, 1, {0u}), 0, 0, 1, 1, media::kFormatA8R8G8B8); },
  };
  for (const auto& call : calls) EXPECT_EQ(call(), media::kErrInvalidCall);
}

TEST(DrawDeviceStateTest, CreationFailuresAndRepeatedShutdown) {
  render::DrawDevice d;
  EXPECT_EQ(d.CreateForSurface(nullptr), media::kErrInvalidCall);
  EXPECT_EQ(d.CreateForWindow(nullptr), media::kErrInvalidCall);
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 64, 64, 32, SDL_PIXELFORMAT_ARGB8888);
  ASSERT_EQ(d.CreateForSurface(s), 0);
  EXPECT_EQ(d.driver_name(), "software");
  EXPECT_EQ(d.CreateForSurface(s), media::kErrInvalidCall);  // one device at a time
  d.Shutdown();
  d.Shutdown();
  EXPECT_FALSE(d.initialized());
  EXPECT_EQ(d.Start(), 0);
  EXPECT_EQ(d.Start(), media::kErrInvalidCall);
  ASSERT_EQ(d.CreateForSurface(s), 0);
  d.Shutdown();
  SDL_FreeSurface(s);
}

TEST(DrawDeviceStateTest, AWindowGetsARendererEvenWithoutAcceleration) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  SDL_Window* w = SDL_CreateWindow("t", 0, 0, 640, 480, SDL_WINDOW_HIDDEN);
  ASSERT_NE(w, nullptr) << SDL_GetError();
  {
    render::DrawDevice d;
    ASSERT_EQ(d.CreateForWindow(w), 0);
    EXPECT_FALSE(d.driver_name().empty());
    EXPECT_EQ(d.Clear(0xFF000000u), 0);
    EXPECT_EQ(d.BeginScene(), 0);
    EXPECT_EQ(d.FillRect(1, 1, 5, 5, kRed, 0), 0);
    EXPECT_EQ(d.EndScene(), 0);
    EXPECT_EQ(d.Present(), 0);
  }
  SDL_DestroyWindow(w);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

TEST_F(DrawDeviceTest, SwitchesAreStoredAndDitheringSetsNothingElse) {
  EXPECT_TRUE(device_.antialias());
  EXPECT_TRUE(device_.dithering());
  ASSERT_EQ(device_.FillRect(0, 0, 2, 2, kRed, 0), 0);
  device_.SetDithering(false);
  EXPECT_FALSE(device_.dithering());
  EXPECT_EQ(device_.queued_vertices(), 0u);  // the queue was sent
  device_.SetAntialias(false);
  EXPECT_FALSE(device_.antialias());
}

}  // namespace
}  // namespace bv::test

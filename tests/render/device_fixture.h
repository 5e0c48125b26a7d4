#pragma once

// A drawing device on SDL's software renderer over a 640 by 480 surface,
// with pixel reads in the game's colour layout (red in the low byte).

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "media/pixel_format.h"
#include "render/color.h"
#include "render/draw_device.h"
#include "render/pattern_image.h"
#include "render/picture_strip.h"
#include "render/pixel_snapshot.h"

namespace bv::test {

using render::Color;

constexpr Color kBackground = 0xFF302010u;  // r 0x10, g 0x20, b 0x30
constexpr Color kRgbBack = kBackground & 0xFFFFFFu;
constexpr Color kOpaque = 0xFFFFFFFFu;
constexpr Color kRed = 0xFF0000FFu;
constexpr Color kGreen = 0xFF00FF00u;
constexpr Color kWhite = 0xFFFFFFFFu;
constexpr Color kRgbRed = 0x0000FFu;
constexpr Color kRgbGreen = 0x00FF00u;
constexpr Color kRgbWhite = 0xFFFFFFu;

// BV_RENDER_BACKEND=opengl runs the same checks on an OpenGL renderer of a
// hidden window (needs a display, e.g. under xvfb-run with
// SDL_VIDEODRIVER=x11); by default they run on a surface.
class DeviceTest : public ::testing::Test {
 protected:
  static bool OnOpenGl() {
    const char* b = std::getenv("BV_RENDER_BACKEND");
    return b != nullptr && std::string(b) == "opengl";
  }

  void SetUp() override {
    if (OnOpenGl()) {
      ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
      window_ = SDL_CreateWindow("render test", 0, 0, 640, 480, SDL_WINDOW_HIDDEN);
      ASSERT_NE(window_, nullptr) << SDL_GetError();
      ASSERT_EQ(device_.CreateForWindow(window_, "opengl"), 0);
      ASSERT_EQ(device_.driver_name(), "opengl");
    } else {
      surface_ = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
      ASSERT_NE(surface_, nullptr);
      ASSERT_EQ(device_.CreateForSurface(surface_), 0);
    }
    ASSERT_EQ(device_.Clear(kBackground), 0);
  }
  void TearDown() override {
    images_.clear();
    device_.Shutdown();
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
    if (window_ != nullptr) {
      SDL_DestroyWindow(window_);
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
  }

  // Makes the device again on the same target.
  int32_t Recreate() {
    return window_ != nullptr ? device_.CreateForWindow(window_, "opengl")
                              : device_.CreateForSurface(surface_);
  }

  // Sends the queue and takes a copy of the target.
  void Snap() { snapshot_.Take(device_); }
  // The pixel of the last Snap(), alpha dropped; 0xFFFFFFFF outside.
  Color At(int x, int y) const { return snapshot_.At(x, y); }
  const std::vector<Color>& pixels() const { return snapshot_.pixels(); }
  // Count of pixels in the last Snap() that are not the background.
  int CountDrawn() const {
    int n = 0;
    for (Color c : pixels()) n += (c & 0xFFFFFFu) != (kBackground & 0xFFFFFFu) ? 1 : 0;
    return n;
  }

  // A picture of patterns of one colour each (0xAARRGGBB, one per
  // pattern), laid side by side, loaded as pw x ph patterns into textures of
  // tw x th.
  render::PatternImage& MakeImage(int pw, int ph, int tw, int th,
                                  const std::vector<uint32_t>& pattern_argb) {
    images_.push_back(std::make_unique<render::PatternImage>(device_));
    EXPECT_EQ(images_.back()->LoadFromBitmap(Strip(pw, ph, pattern_argb), pw, ph, tw, th,
                                             media::kFormatA8R8G8B8),
              0);
    return *images_.back();
  }

  SDL_Surface* surface_ = nullptr;
  SDL_Window* window_ = nullptr;
  render::DrawDevice device_;
  std::vector<std::unique_ptr<render::PatternImage>> images_;
  PixelSnapshot snapshot_;
};

}  // namespace bv::test

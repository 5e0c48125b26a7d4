#pragma once

// A world drawn by the frame renderer into SDL's software renderer, with
// small crafted images of plain colours in the world's handles and a crafted
// font, and pixel reads in the game's colour layout (red in the low byte).

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/world.h"
#include "media/pixel_format.h"
#include "render/bitmap_font.h"
#include "render/color.h"
#include "render/draw_device.h"
#include "render/font_archive.h"
#include "render/frame_renderer.h"
#include "render/pattern_image.h"
#include "render/picture_strip.h"
#include "render/pixel_snapshot.h"
#include "settings/live_options.h"
#include "support/temp_dir.h"

namespace bv::test {

using render::Color;

// Plain colours of the crafted images, as 0xAARRGGBB pictures and as the
// RGB the frame shows them in (red in the low byte).
constexpr uint32_t kWhitePicture = 0xFFFFFFFFu;
constexpr uint32_t kLeftShutter = 0xFF0000C0u;   // blue
constexpr uint32_t kRightShutter = 0xFF00C000u;  // green
constexpr uint32_t kLogoLeft = 0xFFC00000u;      // red
constexpr uint32_t kLogoRight = 0xFFC0C000u;     // yellow
constexpr uint32_t kDivider = 0xFFFF00FFu;       // magenta
constexpr uint32_t kBarPicture = 0xFFFF8000u;    // orange

struct Rgb {
  int r, g, b;
};

inline Rgb RgbOf(Color c) {
  return {render::RedOf(c), render::GreenOf(c), render::BlueOf(c)};
}

// Picture colour 0xAARRGGBB to the frame's layout, alpha dropped.
constexpr Color Shown(uint32_t argb) {
  return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(surface_, nullptr);
    ASSERT_EQ(device_.CreateForSurface(surface_), 0);
    world_ = std::make_unique<game::World>();
    game::World& w = *world_;
    w.ambient_color = game::kPowerOn;
    w.transition = game::kPlaySteady;
    w.cycle100 = 50;  // sprite alpha 225
    w.hud_alpha = 255;
    w.minimap_alpha = 255;
    for (int x = 0; x < game::kGridWidth; ++x) {
      for (int y = 0; y < game::kGridHeight; ++y) w.grid[x][y] = game::kResetCell;
    }
    for (auto& p : w.players) {
      p.target_actor = -1;
      p.target_player = -1;
    }
  }

  void TearDown() override {
    world_.reset();
    font_.UnloadFont();
    images_.clear();
    device_.Shutdown();
    SDL_FreeSurface(surface_);
  }

  game::World& world() { return *world_; }
  // The handles the renderer draws with, and its mini map lists after Draw.
  render::FrameImages& images() { return frame_images_; }
  const render::MinimapLists& minimap() const { return minimap_; }

  // A picture of patterns of one colour each (0xAARRGGBB), side by side.
  render::PatternImage* MakeImage(int pw, int ph, int tw, int th,
                                  const std::vector<uint32_t>& pattern_argb) {
    images_.push_back(std::make_unique<render::PatternImage>(device_));
    EXPECT_EQ(images_.back()->LoadFromBitmap(Strip(pw, ph, pattern_argb), pw, ph, tw, th,
                                             media::kFormatA8R8G8B8),
              0);
    return images_.back().get();
  }

  // Texture n: an opaque white tile (so the cell colour shows as it is).
  void WhiteTexture(int n) { images().textures[n] = MakeImage(50, 50, 64, 64, {kWhitePicture}); }
  void Sprite() { images().anim_image = MakeImage(60, 60, 64, 64, {kWhitePicture}); }

  void AllImages() {
    render::FrameImages& r = images();
    WhiteTexture(1);
    Sprite();
    r.load_images[0] = MakeImage(448, 480, 512, 512, {kLeftShutter});
    r.load_images[1] = MakeImage(448, 480, 512, 512, {kRightShutter});
    r.logo_image = MakeImage(320, 210, 512, 256, {kLogoLeft, kLogoRight});
    r.split_image = MakeImage(2, 480, 2, 512, {kDivider});
    r.bar_image = MakeImage(100, 4, 128, 4, {kBarPicture});
    r.hud_image = MakeImage(310, 85, 512, 128, {kWhitePicture});
  }

  // Glyph g: its first column opaque white, 6 pixels of advance, 10 high.
  void LoadFont() {
    FontSpec f;
    f.first_char = 32;
    f.widths.assign(96, 6);
    f.heights.assign(96, 10);
    const std::string path = dir_.File("font.fnt");
    ASSERT_TRUE(WriteFontArchive(path, f));
    ASSERT_EQ(font_.LoadFont(path, media::kFormatA8R8G8B8), 0);
  }

  // Level cells get texture 1 and a colour that names them: red 2*x,
  // green 2*y, blue 77.
  void NamedCells() {
    if (images().textures[1] == nullptr) WhiteTexture(1);
    for (int x = game::kLevelLeft; x < game::kLevelLeft + game::kLevelSize; ++x) {
      for (int y = game::kLevelTop; y < game::kLevelTop + game::kLevelSize; ++y) {
        game::MapCell& c = world().grid[x][y];
        c.texture = 1;
        c.object = 0;
        c.tint_r = static_cast<uint8_t>(2 * x);
        c.tint_g = static_cast<uint8_t>(2 * y);
        c.tint_b = 77;
      }
    }
  }
  static Color NamedColor(int x, int y) { return render::ColorRGB(2 * x, 2 * y, 77); }

  void Place(int player, float x, float y) {
    world().players[player].x = x;
    world().players[player].y = y;
  }

  // Draws one frame and takes a copy of the target.
  void Draw(bool show_fps = false, int frame_rate = 0) {
    render::FrameRenderer renderer(device_, font_.loaded() ? &font_ : nullptr, images());
    settings::LiveOptions options;
    options.set_show_fps(show_fps);
    renderer.set_overlay(overlay_);
    ASSERT_TRUE(renderer.Render(world(), true, options, frame_rate));
    minimap_ = renderer.minimap();
    Snap();
  }
  void Snap() { snapshot_.Take(device_); }

  // The pixel of the last frame, alpha dropped; 0xFFFFFFFF outside the screen.
  Color At(int x, int y) const { return snapshot_.At(x, y); }

  bool Near(int x, int y, int r, int g, int b, int tolerance = 2) const {
    return test::Near(At(x, y), r, g, b, tolerance);
  }

  SDL_Surface* surface_ = nullptr;
  render::DrawDevice device_;
  render::BitmapFont font_{&device_};
  TempDir dir_;
  std::vector<std::unique_ptr<render::PatternImage>> images_;
  std::unique_ptr<game::World> world_;
  render::FrameImages frame_images_;
  render::MinimapLists minimap_;
  PixelSnapshot snapshot_;
  const render::FrameOverlay* overlay_ = nullptr;  // what Draw lays over the frame
};

// Prints a pixel as r,g,b in failure messages.
inline std::string RgbText(Color c) {
  return std::to_string(render::RedOf(c)) + "," + std::to_string(render::GreenOf(c)) + "," +
         std::to_string(render::BlueOf(c));
}

}  // namespace bv::test

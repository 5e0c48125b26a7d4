// brimvale-drawdemo OUT.png [FONT.fnt]
//
// Draws a sample game-like screen (tiles, translucent objects, a tinted
// sprite, framed rectangles, the mini map box, a gauge and text with a colour
// tag) through the drawing layer into SDL's software renderer and writes it
// as a PNG, so a person can look at what the layer does. Without a font file
// it writes and uses a small built-in one. Prints the frame's counters.

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "demo_font.h"
#include "media/bitmap.h"
#include "media/error_codes.h"
#include "media/pixel_format.h"
#include "render/bitmap_font.h"
#include "render/color.h"
#include "render/draw_device.h"
#include "render/pattern_image.h"
#include "render/screenshot.h"

namespace {

using bv::media::Bitmap;
using bv::render::ColorARGB;
using bv::render::ColorRGB;
using bv::render::WithAlpha;

uint32_t Argb(int a, int r, int g, int b) {
  return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 |
         static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

template <typename Pixel>
Bitmap Picture(int w, int h, Pixel pixel) {
  Bitmap b;
  b.width = w;
  b.height = h;
  b.has_alpha = true;
  b.pixels.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.pixels[static_cast<size_t>(y) * w + x] = pixel(x, y);
  }
  return b;
}

// Light grey floor tiles, to be tinted per cell.
Bitmap Floor() {
  return Picture(50, 50, [](int x, int y) {
    const int v = ((x / 10 + y / 10) % 2 == 0 ? 200 : 170) + ((x * 7 + y * 13) % 11);
    const bool seam = x == 0 || y == 0;
    return seam ? Argb(255, 120, 120, 120) : Argb(255, v, v, v);
  });
}

Bitmap Bricks() {
  return Picture(50, 50, [](int x, int y) {
    const int row = y / 10;
    const int shift = row % 2 == 0 ? 0 : 12;
    const bool mortar = y % 10 == 0 || (x + shift) % 25 == 0;
    return mortar ? Argb(255, 90, 90, 90) : Argb(255, 230, 230, 230);
  });
}

// A translucent gem: alpha falls off from the middle.
Bitmap Gem() {
  return Picture(50, 50, [](int x, int y) {
    const int d = std::abs(x - 25) + std::abs(y - 25);
    if (d > 18) return Argb(0, 0, 0, 0);
    const int a = 255 - d * 8;
    return Argb(a, 120 + d * 5, 230, 255);
  });
}

// The actor sprite: a white disc with a soft edge and a dark ring.
Bitmap Sprite() {
  return Picture(60, 60, [](int x, int y) {
    const double r = std::hypot(x - 29.5, y - 29.5);
    if (r > 24) return Argb(0, 0, 0, 0);
    const int a = r > 20 ? static_cast<int>(255 * (24 - r) / 4) : 255;
    const int v = (r > 14 && r < 17) ? 60 : 255;
    return Argb(a, v, v, v);
  });
}

Bitmap Bar() {
  return Picture(100, 4, [](int x, int) { return Argb(255, 255, 40 + x * 2, 0); });
}

int Run(const std::string& out, std::string font_path) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) {
    std::fprintf(stderr, "drawdemo: %s\n", SDL_GetError());
    return 1;
  }
  bv::render::DrawDevice device;
  int32_t code = device.CreateForSurface(surface);
  if (code != 0) {
    std::fprintf(stderr, "drawdemo: %s\n", bv::media::ErrorText(code).c_str());
    return 1;
  }
  using bv::render::PatternImage;
  PatternImage floor(device), bricks(device), gem(device), sprite(device), bar(device);
  floor.LoadFromBitmap(Floor(), 50, 50, 64, 64, bv::media::kFormatA8R8G8B8);
  bricks.LoadFromBitmap(Bricks(), 50, 50, 64, 64, bv::media::kFormatA8R8G8B8);
  gem.LoadFromBitmap(Gem(), 50, 50, 64, 64, bv::media::kFormatA8R8G8B8);
  sprite.LoadFromBitmap(Sprite(), 60, 60, 64, 64, bv::media::kFormatA8R8G8B8);
  bar.LoadFromBitmap(Bar(), 100, 4, 128, 4, bv::media::kFormatA8R8G8B8);

  if (font_path.empty()) {
    font_path = (std::filesystem::temp_directory_path() / "brimvale-drawdemo-font.fnt").string();
    if (!bv::tools::WriteDemoFont(font_path)) {
      std::fprintf(stderr, "drawdemo: cannot write the built-in font\n");
      return 1;
    }
  }
  bv::render::BitmapFont font(&device);
  code = font.LoadFont(font_path, bv::media::kFormatA8R8G8B8);
  if (code != 0) {
    std::fprintf(stderr, "drawdemo: font: %s\n", bv::media::ErrorText(code).c_str());
  }

  device.Clear(0xFF000000u);
  device.BeginScene();
  device.SetClipRect({0, 0, 640, 480});

  // The map: 15 by 11 cells, walls round a tinted floor, a few gems.
  for (int c = 0; c < 15; ++c) {
    for (int r = 0; r < 11; ++r) {
      const int sx = c * 50 - 55;
      const int sy = r * 50 - 35;
      const bool wall = c == 1 || r == 1 || c == 13 || r == 9 || (c == 7 && r > 3 && r < 7);
      const bv::render::Color tint =
          wall ? ColorRGB(200, 190, 170) : ColorRGB(150 + c * 7, 170 + r * 6, 255 - c * 8);
      if (c == 0 || r == 0 || c == 14 || r == 10) continue;  // the black margin
      device.DrawImageTinted(wall ? bricks : floor, sx, sy, WithAlpha(255, tint), 0, 0);
      if (!wall && (c * 3 + r) % 7 == 0) {
        device.DrawImageTinted(gem, sx, sy, WithAlpha(255, 0xFFFFFF), 0, 5);
      }
    }
  }

  // The player's sprite, tinted red and translucent, and an enemy with a target marker.
  device.DrawImageTinted(sprite, 290, 210, WithAlpha(170, ColorRGB(255, 70, 70)), 0, 5);
  const int left = 420, top = 120;
  device.DrawImageTinted(sprite, left, top, WithAlpha(225, ColorRGB(90, 255, 90)), 0, 5);
  device.FrameRect(left, top, 60, 60, 0x660000FFu, 0x330000FFu, 5);
  device.FrameRect(left, top + 65, 60, 8, 0x00FFFFFFu, 0x00000000u, 0);
  device.FillRect(left + 2, top + 67, 38, 4, 0x000000FFu, 0);

  // A two-colour pointer line.
  device.DrawLine({320 - 35, 240 + 10}, {320 - 55, 240 + 20}, 0xFF00FFFFu, 0xFFFF00FFu, 0);

  // The mini map box with a few marks.
  device.FrameRect(4, 374, 102, 102, ColorARGB(200, 255, 255, 255), ColorARGB(140, 0, 0, 0), 5);
  for (int i = 0; i < 40; ++i) device.PutPixel(20 + i, 400, ColorARGB(200, 255, 255, 255), 5);
  for (int i = 0; i < 30; ++i) device.PutPixel(20, 400 + i, ColorARGB(200, 255, 255, 255), 5);
  device.PutPixel(60, 420, ColorARGB(255, 0, 255, 0), 5);
  device.PutPixel(70, 410, ColorARGB(255, 255, 0, 0), 5);
  device.FillRect(50 - 3, 440, 3, 3, 0xFF0000FFu, 0);

  // The health gauge above 255: the frame grows and a negative width shows the surplus.
  const int over = 118;  // round(300 / 2.55)
  device.FrameRect(100, 12, over + 4, 8, ColorRGB(255, 255, 255), ColorRGB(0, 0, 0), 0);
  device.DrawImage(bar, 102, 14, 0, 0);
  device.FillRect(102 + over, 14, 100 - over, 4, ColorRGB(6, 254, 0), 0);

  // Text: shadows, a colour tag, a message band (lower than the game's, to leave
  // the sprite in sight).
  const bv::render::Color yellow = 0x0000FFFFu;
  const char* lines[] = {"ZDROWIE:", "BRON:", "CEL MISJI:", "PUNKTY:", "CZAS:"};
  for (int i = 0; i < 5; ++i) {
    font.TextOut(lines[i], 11, 11 + i * 10, 0);
    font.TextOut(lines[i], 10, 10 + i * 10, yellow);
  }
  font.TextOut("DESERT EAGLE / 48", 101, 21, 0);
  font.TextOut("DESERT EAGLE / 48", 100, 20, yellow);
  font.TextOut("3 / 10 #$FF8080FFCD", 100, 30, yellow);
  device.FrameRect(170, 285, 300, 30, ColorARGB(255, 255, 255, 0), ColorARGB(127, 255, 255, 0), 5);
  const std::string centre = "DRAWING LAYER #$FF0000FFSAMPLE!";
  const int w = font.TextWidth(centre), h = font.TextHeight(centre);
  font.TextOut(centre, 321 - w / 2, 301 - h / 2, ColorARGB(255, 0, 0, 0), 5);
  font.TextOut(centre, 320 - w / 2, 300 - h / 2, ColorARGB(255, 255, 255, 255), 5);
  font.TextOut("FPS: 90", 551, 461, 0);
  font.TextOut("FPS: 90", 550, 460, yellow);

  device.EndScene();
  const bv::render::FrameCounters counters = device.counters();
  device.Present();
  code = bv::render::SavePng(device, out);
  if (code != 0) {
    std::fprintf(stderr, "drawdemo: %s: %s\n", out.c_str(), bv::media::ErrorText(code).c_str());
    return 1;
  }
  std::printf("{\"png\": \"%s\", \"vertices\": %lld, \"primitives\": %lld, \"batches\": %lld}\n",
              out.c_str(), static_cast<long long>(counters.vertices),
              static_cast<long long>(counters.primitives),
              static_cast<long long>(counters.batches));
  font.UnloadFont();
  device.Shutdown();
  SDL_FreeSurface(surface);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: brimvale-drawdemo OUT.png [FONT.fnt]\n");
    return 2;
  }
  return Run(argv[1], argc == 3 ? argv[2] : "");
}

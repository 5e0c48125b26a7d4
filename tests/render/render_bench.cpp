// Frames through the drawing layer on SDL's software renderer: a frame like
// the game's one-view play screen, and the cost of the queue per quad.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "media/pixel_format.h"
#include "render/bitmap_font.h"
#include "render/draw_device.h"
#include "render/font_archive.h"
#include "render/pattern_image.h"
#include "render/picture_strip.h"
#include "support/temp_dir.h"

namespace {

using bv::render::DrawDevice;
using bv::render::PatternImage;

struct Scene {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
  DrawDevice device;
  std::vector<std::unique_ptr<PatternImage>> tiles;
  std::vector<std::unique_ptr<PatternImage>> objects;
  std::unique_ptr<PatternImage> sprite;
  bv::test::TempDir dir;
  bv::render::BitmapFont font{&device};

  Scene() {
    device.CreateForSurface(surface);
    // Each cell texture is an image of its own, as the game's 256 are.
    for (int i = 0; i < 64; ++i) {
      tiles.push_back(std::make_unique<PatternImage>(device));
      tiles.back()->LoadFromBitmap(bv::test::Strip(50, 50, {0xFF808080u + i}), 50, 50, 64, 64,
                                   bv::media::kFormatA8R8G8B8);
    }
    for (int i = 0; i < 8; ++i) {
      objects.push_back(std::make_unique<PatternImage>(device));
      objects.back()->LoadFromBitmap(bv::test::Strip(50, 50, {0x80FFFFFFu}), 50, 50, 64, 64,
                                     bv::media::kFormatA8R8G8B8);
    }
    sprite = std::make_unique<PatternImage>(device);
    sprite->LoadFromBitmap(bv::test::Strip(60, 60, {0xC0FFFFFFu}), 60, 60, 64, 64,
                           bv::media::kFormatA8R8G8B8);
    bv::test::FontSpec f;
    f.widths.assign(64, 6);
    f.heights.assign(64, 8);
    const std::string path = dir.File("font.fnt");
    bv::test::WriteFontArchive(path, f);
    font.LoadFont(path, bv::media::kFormatA8R8G8B8);
  }
  ~Scene() {
    font.UnloadFont();
    tiles.clear();
    objects.clear();
    sprite.reset();
    device.Shutdown();
    SDL_FreeSurface(surface);
  }

  // 165 cells with a tile each and an object on every third, two sprites, a
  // target marker, the mini map's 363 points and frame, twenty text lines.
  void Frame() {
    device.Clear(0xFF000000u);
    device.BeginScene();
    device.SetClipRect({0, 0, 640, 480});
    for (int c = 0; c < 15; ++c) {
      for (int r = 0; r < 11; ++r) {
        const int k = c * 11 + r;
        device.DrawImageTinted(*tiles[k % tiles.size()], c * 50 - 55, r * 50 - 35, 0xFFC0C0C0u, 0,
                               0);
        if (k % 3 == 0) {
          device.DrawImageTinted(*objects[k % objects.size()], c * 50 - 55, r * 50 - 35,
                                 0xFFFFFFFFu, 0, 5);
        }
      }
    }
    device.DrawImageTinted(*sprite, 290, 210, 0xA00000FFu, 0, 5);
    device.DrawImageTinted(*sprite, 400, 100, 0xA000FF00u, 0, 5);
    device.FrameRect(400, 100, 60, 60, 0x660000FFu, 0x330000FFu, 5);
    device.FrameRect(400, 165, 60, 8, 0x00FFFFFFu, 0, 0);
    device.FillRect(402, 167, 40, 4, 0x000000FFu, 0);
    device.FrameRect(4, 374, 102, 102, 0x80FFFFFFu, 0x80000000u, 5);
    for (int i = 0; i < 363; ++i)
      device.PutPixel(i < 121 ? 5 + i % 11 : -1, 380 + i % 11, 0x80FFFFFFu, 5);
    for (int i = 0; i < 10; ++i) {
      font.TextOut("HUD LINE 12345", 11, 11 + i * 10, 0);
      font.TextOut("HUD LINE 12345", 10, 10 + i * 10, 0x0000FFFFu);
    }
    device.EndScene();
    device.Present();
  }
};

void BM_PlayFrameSoftware(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) scene.Frame();
  const auto& c = scene.device.counters();
  state.counters["batches"] = static_cast<double>(c.batches);
  state.counters["vertices"] = static_cast<double>(c.vertices);
  state.counters["frames_per_s"] =
      benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PlayFrameSoftware)->Unit(benchmark::kMillisecond);

// The queue's own cost: quads of one texture that the clip removes, so that
// the renderer has next to nothing to fill.
void BM_QueuedQuads(benchmark::State& state) {
  Scene scene;
  scene.device.SetClipRect({0, 0, 1, 1});
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    scene.device.BeginScene();
    for (int i = 0; i < n; ++i) scene.device.DrawImage(*scene.tiles[0], 100, 100, 0, 0);
    scene.device.EndScene();
  }
  state.SetItemsProcessed(state.iterations() * n);
  state.counters["batches"] = static_cast<double>(scene.device.counters().batches);
}
BENCHMARK(BM_QueuedQuads)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

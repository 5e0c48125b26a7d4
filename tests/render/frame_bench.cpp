// The game's frame on SDL's software renderer: frames per second, batches
// and allocations per frame for a menu frame, a crowded two-player frame and
// the level change's shutters.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "game/world.h"
#include "media/pixel_format.h"
#include "render/bitmap_font.h"
#include "render/draw_device.h"
#include "render/font_archive.h"
#include "render/frame_renderer.h"
#include "render/pattern_image.h"
#include "render/picture_strip.h"
#include "settings/live_options.h"
#include "support/temp_dir.h"

// Every allocation of the program is counted, so a frame's can be told.
// GCC takes the malloc inside the replaced operator new for a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<int64_t> g_allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using bv::game::World;
using bv::render::DrawDevice;
using bv::render::PatternImage;

class Bench {
 public:
  Bench() {
    device_.CreateForSurface(surface_);
    world_ = std::make_unique<World>();
    World& w = *world_;
    w.ambient_color = bv::game::kPowerOn;
    // Each texture an image of its own, as the game's are; a few animated.
    for (int i = 1; i < 40; ++i) {
      const int patterns = i % 8 == 0 ? 4 : 1;
      std::vector<uint32_t> colours(static_cast<size_t>(patterns), 0xFF808080u + i);
      images_set_.textures[i] = Make(50, 50, 64, 64, colours);
    }
    for (int i = 2; i < 49; ++i) images_set_.object_images[i] = Make(50, 50, 64, 64, {0xC0FFFFFFu});
    images_set_.anim_image = Make(60, 60, 64, 64, {0xC0FFFFFFu});
    images_set_.bar_image = Make(100, 4, 128, 4, {0xFFFF8000u});
    images_set_.hud_image = Make(310, 85, 512, 128, {0x80FFFFFFu});
    images_set_.split_image = Make(2, 480, 2, 512, {0xFF404040u});
    images_set_.load_images[0] = Make(448, 480, 512, 512, {0xFF202040u});
    images_set_.load_images[1] = Make(448, 480, 512, 512, {0xFF204020u});
    images_set_.logo_image = Make(320, 210, 512, 256, {0xFFC00000u, 0xFFC0C000u});
    bv::test::FontSpec f;
    f.first_char = 32;
    f.widths.assign(224, 6);
    f.heights.assign(224, 10);
    const std::string path = dir_.File("font.fnt");
    bv::test::WriteFontArchive(path, f);
    font_.LoadFont(path, bv::media::kFormatA8R8G8B8);
    options_.set_show_fps(true);
    BuildLevel();
  }
  ~Bench() {
    renderer_.reset();
    font_.UnloadFont();
    images_.clear();
    device_.Shutdown();
    SDL_FreeSurface(surface_);
  }

  World& world() { return *world_; }

  // A level of mixed floors and walls with objects on every fifth cell, a
  // few pulsing and animated cells, CDs and actor starts.
  void BuildLevel() {
    World& w = world();
    for (int x = bv::game::kLevelLeft; x < bv::game::kLevelLeft + bv::game::kLevelSize; ++x) {
      for (int y = bv::game::kLevelTop; y < bv::game::kLevelTop + bv::game::kLevelSize; ++y) {
        bv::game::MapCell& c = w.grid[x][y];
        c = bv::game::kResetCell;
        const int k = x * 7 + y * 13;
        c.texture = static_cast<uint8_t>(1 + k % 39);
        c.object =
            (x % 9 == 0 || y % 11 == 0) ? 1 : (k % 5 == 0 ? static_cast<uint8_t>(2 + k % 30) : 0);
        c.animated = c.texture % 8 == 0 ? 1 : 0;
        c.pulse_channel = k % 17 == 0 ? 2 : 0;
        c.tint_r = static_cast<uint8_t>(200 + k % 55);
        if (k % 23 == 0) c.object = 12;
        if (k % 29 == 0) c.entity = 5;
      }
    }
  }

  void Player(int p, float x, float y) {
    bv::game::PlayerState& pl = world().players[p];
    pl.x = x;
    pl.y = y;
    pl.health = 255;
    pl.weapon = 2;
    pl.weapons[2].name = "MP 5";
    pl.weapons[2].ammo = 120;
    pl.cards = {35, 36, 0, 38, 0};
    pl.target_actor = -1;
    pl.target_player = -1;
  }

  void Frame() {
    if (!renderer_)
      renderer_ = std::make_unique<bv::render::FrameRenderer>(device_, &font_, images_set_);
    renderer_->Render(world(), true, options_, 87);
  }

  const bv::render::FrameCounters& counters() const { return device_.counters(); }

 private:
  PatternImage* Make(int pw, int ph, int tw, int th, const std::vector<uint32_t>& colours) {
    images_.push_back(std::make_unique<PatternImage>(device_));
    images_.back()->LoadFromBitmap(bv::test::Strip(pw, ph, colours), pw, ph, tw, th,
                                   bv::media::kFormatA8R8G8B8);
    return images_.back().get();
  }

  SDL_Surface* surface_ = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
  DrawDevice device_;
  bv::render::BitmapFont font_{&device_};
  bv::test::TempDir dir_;
  std::vector<std::unique_ptr<PatternImage>> images_;
  std::unique_ptr<World> world_;
  bv::render::FrameImages images_set_;
  std::unique_ptr<bv::render::FrameRenderer> renderer_;
  bv::settings::LiveOptions options_;
};

void Run(benchmark::State& state, Bench& bench) {
  bench.Frame();  // the strings find their sizes
  const int64_t before = g_allocations.load();
  int64_t frames = 0;
  for (auto _ : state) {
    bench.Frame();
    ++frames;
  }
  const int64_t allocations = g_allocations.load() - before;
  const auto& c = bench.counters();
  state.counters["batches"] = static_cast<double>(c.batches);
  state.counters["vertices"] = static_cast<double>(c.vertices);
  state.counters["allocs_per_frame"] =
      frames > 0 ? static_cast<double>(allocations) / static_cast<double>(frames) : 0.0;
  state.counters["frames_per_s"] =
      benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

// The menu level in play: one view, the HUD, the frame rate shown.
void BM_MenuFrame(benchmark::State& state) {
  Bench bench;
  World& w = bench.world();
  w.transition = bv::game::kPlaySteady;
  w.mission_unit = "cd";
  bench.Player(0, 2525.0f, 2525.0f);
  Run(state, bench);
}
BENCHMARK(BM_MenuFrame)->Unit(benchmark::kMillisecond);

// Two views in a Deathmatch with 40 enemies around the players, targets,
// messages, the centre message and the pointer lines.
void BM_CrowdedTwoPlayerFrame(benchmark::State& state) {
  Bench bench;
  World& w = bench.world();
  w.transition = bv::game::kPlaySteady;
  w.second_player = 1;
  w.game_mode = bv::game::kDeathmatch;
  w.mission_unit = "morderstw";
  w.cycle100 = 30;
  bench.Player(0, 2525.0f, 2525.0f);
  bench.Player(1, 2825.0f, 2680.0f);
  for (int i = 0; i < 40; ++i) {
    bv::game::Actor& a = w.actors[static_cast<size_t>(i)];
    a.x = 2300 + (i % 10) * 70;
    a.y = 2350 + (i / 10) * 90;
    a.kind = 3 + i % 15;
    a.hp = 50 + i;
    a.max_hp = 100;
  }
  w.actor_count = 40;
  w.players[0].target_actor = 3;
  w.players[1].target_actor = 12;
  w.players[0].target_player = 1;
  w.players[0].message = "Znalazles apteczke...";
  w.players[0].message_timer = 200;
  w.players[1].message = "Znalazles amunicje...";
  w.players[1].message_timer = 100;
  w.center_message = "Gre wygral gracz: 1";
  w.center_message_timer = 700;
  Run(state, bench);
}
BENCHMARK(BM_CrowdedTwoPlayerFrame)->Unit(benchmark::kMillisecond);

// The shutters closing over the level (one view): two 448 by 480 images on top.
void BM_ShuttersFrame(benchmark::State& state) {
  Bench bench;
  World& w = bench.world();
  w.transition = 400;
  bench.Player(0, 2525.0f, 2525.0f);
  Run(state, bench);
}
BENCHMARK(BM_ShuttersFrame)->Unit(benchmark::kMillisecond);

}  // namespace

// The game's frame over the shipped levels, loaded as the game loads them:
// the build's data tree through GameResources, the level files through the
// tick's own level change, drawn by the FrameRenderer into a window's
// renderer (SDL picks it, so SDL_RENDER_DRIVER chooses, as in the game)
// with the game's 640 by 480 frame shown at scale 2 (the menu also at 1). Reports time per
// frame (Clear to Present), batches, vertices and allocations per frame.
//
// BRIMVALE_PROGRAM_DIR names another program folder (one holding data/);
// without a video driver that can make a window the frame is drawn into a
// surface by SDL's software renderer instead.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "game/game_mode.h"
#include "game/key_source.h"
#include "game/level_store.h"
#include "game/phases.h"
#include "game/places.h"
#include "game/settings_mirror.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "media/error_codes.h"
#include "render/draw_device.h"
#include "render/frame_renderer.h"
#include "render/game_resources.h"
#include "settings/config_record.h"
#include "settings/live_options.h"
#include "sim/play_clock.h"
#include "sim/tick.h"

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

std::string ProgramDir() {
  const char* dir = std::getenv("BRIMVALE_PROGRAM_DIR");
  return dir != nullptr && *dir != '\0' ? dir : BV_BUILD_DIR;
}

class NoHost final : public bv::sim::Host {
 public:
  void CloseProgram() override {}
  void OpenOptions() override {}
};

// What one level needs to look as in the game: the settings a fresh
// config.dat holds, a level choice, one or two players.
struct LevelChoice {
  int level = 0;
  int two_players = 0;
  uint8_t mode = bv::game::kCooperation;
  bv::settings::LevelSource source = bv::settings::LevelSource::kCampaign;
  const char* entry = "Kampania";
};

class ShippedFrame {
 public:
  explicit ShippedFrame(const LevelChoice& choice, int scale = 2)
      : places_(bv::game::PlacesOfProgram(ProgramDir())), levels_(places_.data_root) {
    if (!MakeDevice(scale)) return;
    resources_ = std::make_unique<bv::render::GameResources>(device_);
    resources_->LoadFont(places_);
    const bv::render::ImageLoadResult loaded = resources_->LoadImages(places_);
    if (!loaded.ok()) {
      error_ = "the images " + loaded.tag + " cannot be loaded from " + loaded.path;
      return;
    }
    renderer_ = std::make_unique<bv::render::FrameRenderer>(device_, &resources_->font(),
                                                            resources_->images());
    if (!SetUp(choice)) return;
    ready_ = true;
  }
  ~ShippedFrame() {
    renderer_.reset();
    if (resources_) resources_->Release();
    device_.Shutdown();
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
  }

  bool ready() const { return ready_; }
  const std::string& error() const { return error_; }
  World& world() { return *world_; }
  const bv::render::FrameCounters& counters() const { return device_.counters(); }
  const std::string& driver() const { return device_.driver_name(); }

  // One render event as the game window raises it.
  void Frame() { renderer_->Render(*world_, true, options_, 60); }

  // Runs the tick without keys, one pass a step.
  void Ticks(int n) {
    bv::game::KeyTable keys;
    bv::game::SilentSoundPlayer sounds;
    for (int i = 0; i < n; ++i) {
      bv::sim::AdvancePlayClock(*world_, 1.0);
      bv::sim::RunTick(*world_, bv::sim::TickServices{keys, sounds, options_, host_, levels_});
    }
  }

 private:
  bool MakeDevice(int scale) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
      window_ = SDL_CreateWindow("frame bench", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                 scale * bv::game::kScreenWidth, scale * bv::game::kScreenHeight,
                                 SDL_WINDOW_HIDDEN);
    }
    if (window_ != nullptr && device_.CreateForWindow(window_) == 0 &&
        device_.UseFrame(bv::game::kScreenWidth, bv::game::kScreenHeight) == 0) {
      return true;
    }
    device_.Shutdown();
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, bv::game::kScreenWidth, bv::game::kScreenHeight,
                                              32, SDL_PIXELFORMAT_ARGB8888);
    if (surface_ == nullptr || device_.CreateForSurface(surface_) != 0) {
      error_ = std::string("no renderer: ") + SDL_GetError();
      return false;
    }
    return true;
  }

  // Start values, the default settings mirrored as the options window's first
  // close does, then the level change run by the tick until play is steady,
  // and two seconds of play so the enemies are about.
  bool SetUp(const LevelChoice& choice) {
    bv::settings::ConfigRecord settings;
    settings.multi_tryb = choice.mode;
    device_.SetAntialias(settings.anti != 0);
    device_.SetDithering(settings.dirt != 0);
    options_.set_show_fps(settings.showfps != 0);
    options_.set_level_source(choice.source);
    options_.set_level_list({choice.entry});
    options_.set_selected(0);

    World& w = *world_;
    bv::game::SetStartValues(w);
    w.random.Seed(1);
    bv::game::MirrorSettings(settings, w);
    w.level_number = choice.level;
    w.two_players = choice.two_players;
    w.transition = bv::game::kLevelChangeStart;
    for (int i = 0; i < 400 && w.transition != bv::game::kPlaySteady; ++i) Ticks(1);
    if (w.transition != bv::game::kPlaySteady || w.level_number != choice.level) {
      error_ = "the level did not open";
      return false;
    }
    Ticks(180);
    return true;
  }

  SDL_Window* window_ = nullptr;
  SDL_Surface* surface_ = nullptr;
  bv::render::DrawDevice device_;
  bv::game::Places places_;
  bv::game::FileLevelStore levels_;
  std::unique_ptr<bv::render::GameResources> resources_;
  std::unique_ptr<bv::render::FrameRenderer> renderer_;
  std::unique_ptr<World> world_ = std::make_unique<World>();
  bv::settings::LiveOptions options_;
  NoHost host_;
  std::string error_;
  bool ready_ = false;
};

void Run(benchmark::State& state, ShippedFrame& frame) {
  if (!frame.ready()) {
    state.SkipWithError(frame.error().c_str());
    return;
  }
  frame.Frame();  // the strings find their sizes
  const int64_t before = g_allocations.load();
  int64_t frames = 0;
  for (auto _ : state) {
    frame.Frame();
    ++frames;
  }
  const int64_t allocations = g_allocations.load() - before;
  const auto& c = frame.counters();
  state.counters["batches"] = static_cast<double>(c.batches);
  state.counters["vertices"] = static_cast<double>(c.vertices);
  state.counters["allocs_per_frame"] =
      frames > 0 ? static_cast<double>(allocations) / static_cast<double>(frames) : 0.0;
  state.SetLabel(frame.driver());
}

// The menu level the game opens on, one player in it; the argument is the
// window's scale (1: the classic window, 2: the default on a 1080p desktop).
void BM_MenuLevel(benchmark::State& state) {
  ShippedFrame frame(LevelChoice{}, static_cast<int>(state.range(0)));
  Run(state, frame);
}
BENCHMARK(BM_MenuLevel)->Arg(1)->Arg(2)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The first level of the shipped campaign, one player, its enemies about.
void BM_CampaignLevel(benchmark::State& state) {
  LevelChoice choice;
  choice.level = 1;
  ShippedFrame frame(choice);
  Run(state, frame);
}
BENCHMARK(BM_CampaignLevel)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// Two players on a shipped arena in a Deathmatch: the split screen.
void BM_TwoPlayerArena(benchmark::State& state) {
  LevelChoice choice;
  choice.level = 1;
  choice.two_players = 1;
  choice.mode = bv::game::kDeathmatch;
  choice.source = bv::settings::LevelSource::kCustom;
  choice.entry = "Kotlownia";
  ShippedFrame frame(choice);
  Run(state, frame);
}
BENCHMARK(BM_TwoPlayerArena)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The shutters half closed over the menu level: two 448 by 480 images on top.
void BM_MenuShutters(benchmark::State& state) {
  ShippedFrame frame(LevelChoice{});
  if (frame.ready()) frame.world().transition = 400;
  Run(state, frame);
}
BENCHMARK(BM_MenuShutters)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

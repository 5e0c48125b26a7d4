#include "tools/sim/screenshots.h"

#include <SDL.h>

#include <algorithm>

#include "media/error_codes.h"
#include "render/draw_device.h"
#include "render/frame_renderer.h"
#include "render/frame_values.h"
#include "render/game_resources.h"
#include "render/screenshot.h"

namespace bv::sim {

struct ScreenshotTaker::Renderer {
  SDL_Surface* surface = nullptr;
  render::DrawDevice device;
  std::unique_ptr<render::GameResources> resources;
  std::unique_ptr<render::FrameRenderer> frame;

  ~Renderer() {
    frame.reset();
    resources.reset();
    device.Shutdown();
    if (surface != nullptr) SDL_FreeSurface(surface);
  }
};

ScreenshotTaker::ScreenshotTaker(const Scenario& scenario)
    : requests_(scenario.screenshots),
      places_(game::PlacesOfProgram(scenario.program_dir)),
      show_fps_(scenario.options.show_fps()) {
  std::stable_sort(
      requests_.begin(), requests_.end(),
      [](const ScreenshotRequest& a, const ScreenshotRequest& b) { return a.tick < b.tick; });
}

ScreenshotTaker::~ScreenshotTaker() = default;

bool ScreenshotTaker::Prepare() {
  prepared_ = true;
  auto r = std::make_unique<Renderer>();
  r->surface = SDL_CreateRGBSurfaceWithFormat(0, game::kScreenWidth, game::kScreenHeight, 32,
                                              SDL_PIXELFORMAT_ARGB8888);
  if (r->surface == nullptr) {
    failures_.push_back(std::string("screenshots: no picture to draw into: ") + SDL_GetError());
    return false;
  }
  const int32_t code = r->device.CreateForSurface(r->surface);
  if (code != 0) {
    failures_.push_back("screenshots: no software renderer: " + media::ErrorText(code));
    return false;
  }
  r->resources = std::make_unique<render::GameResources>(r->device);
  // As at start-up, a font that does not load leaves the texts out.
  r->resources->LoadFont(places_);
  const render::ImageLoadResult loaded = r->resources->LoadImages(places_);
  if (!loaded.ok()) {
    std::string why = loaded.status == render::ImageLoadResult::Status::kCode
                          ? media::ErrorText(loaded.code)
                          : loaded.file_error;
    failures_.push_back("screenshots: the images " + loaded.tag + " cannot be loaded from " +
                        loaded.path + ": " + why);
    return false;
  }
  r->frame = std::make_unique<render::FrameRenderer>(r->device, &r->resources->font(),
                                                     r->resources->images());
  renderer_ = std::move(r);
  return true;
}

void ScreenshotTaker::AfterTick(int64_t tick, const game::World& world) {
  while (next_ < requests_.size() && requests_[next_].tick < tick) ++next_;  // not reached
  while (next_ < requests_.size() && requests_[next_].tick == tick) {
    Take(next_, world);
    ++next_;
  }
}

void ScreenshotTaker::Take(size_t index, const game::World& world) {
  const ScreenshotRequest& shot = requests_[index];
  if (!prepared_) Prepare();
  if (renderer_ == nullptr) return;  // the reason is already among the failures
  renderer_->frame->DrawFrame(world, show_fps_, 0);
  const int32_t code = render::SavePng(renderer_->device, shot.path);
  if (code != 0) {
    failures_.push_back("screenshot at tick " + std::to_string(shot.tick) + ": cannot write " +
                        shot.path + ": " + media::ErrorText(code));
    return;
  }
  written_.push_back({{"tick", shot.tick}, {"path", shot.path}});
}

void ScreenshotTaker::Finish(int64_t ticks_run) {
  for (; next_ < requests_.size(); ++next_) {
    const ScreenshotRequest& shot = requests_[next_];
    failures_.push_back("screenshot at tick " + std::to_string(shot.tick) +
                        ": the run ended after " + std::to_string(ticks_run) + " ticks");
  }
}

}  // namespace bv::sim

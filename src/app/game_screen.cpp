#include "app/game_screen.h"

#include "media/sdl_keyboard.h"
#include "render/draw_device.h"
#include "render/frame_placement.h"

namespace bv::app {

using settings::Pacing;
using settings::ScreenSetting;
using settings::WindowChoice;

namespace {

// Never smaller than a quarter of the frame, so it stays something to grab.
constexpr int kMinWidth = GameScreen::kFrameWidth / 2;
constexpr int kMinHeight = GameScreen::kFrameHeight / 2;

bool IsEnter(SDL_Scancode s) {
  return s == SDL_SCANCODE_RETURN || s == SDL_SCANCODE_KP_ENTER;
}

}  // namespace

GameScreen::GameScreen(settings::ScreenSettings& settings, media::FramePacer& pacer)
    : settings_(settings), pacer_(pacer), applied_(settings) {}

int GameScreen::StartScale() const {
  SDL_Rect usable{0, 0, kFrameWidth, kFrameHeight};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  return render::WholeScaleWithin(usable.w, usable.h, kFrameWidth, kFrameHeight);
}

SDL_Window* GameScreen::MakeWindow(const char* title) {
  applied_ = settings_;
  const bool classic = settings_.window() == WindowChoice::kClassic;
  Uint32 flags = SDL_WINDOW_HIDDEN;
  int s = 1;
  if (classic) {
    flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP;
  } else {
    flags |= SDL_WINDOW_RESIZABLE;
    s = StartScale();
  }
  // Made for OpenGL from the start, so the drawing device's OpenGL renderer
  // need not make the window again; without OpenGL a plain window takes
  // SDL's software renderer.
  SDL_Window* w = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   kFrameWidth * s, kFrameHeight * s, flags | SDL_WINDOW_OPENGL);
  if (w == nullptr) {
    w = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kFrameWidth * s,
                         kFrameHeight * s, flags);
  }
  if (w != nullptr && !classic) SDL_SetWindowMinimumSize(w, kMinWidth, kMinHeight);
  if (w != nullptr && settings_.fullscreen()) {
    SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  window_ = w;
  return w;
}

void GameScreen::Attach(SDL_Window* window, render::DrawDevice* device,
                        media::SdlKeyboard* keyboard) {
  window_ = window;
  device_ = device;
  keyboard_ = keyboard;
  if (keyboard_ != nullptr) keyboard_->HideAlways(SDL_SCANCODE_F11);
  if (device_ != nullptr && device_->initialized()) {
    device_->UseFrame(kFrameWidth, kFrameHeight);
    device_->set_whole_scales(settings_.scaling() == settings::Scaling::kInteger);
  }
  ApplyPacing();
  applied_ = settings_;
}

bool GameScreen::HandleEvent(const SDL_Event& event) {
  if (event.type != SDL_KEYDOWN || window_ == nullptr ||
      event.key.windowID != SDL_GetWindowID(window_)) {
    return false;
  }
  const SDL_Scancode code = event.key.keysym.scancode;
  const bool alt_enter = IsEnter(code) && (event.key.keysym.mod & KMOD_ALT) != 0;
  if (!alt_enter && code != SDL_SCANCODE_F11) return false;
  if (alt_enter && keyboard_ != nullptr) keyboard_->HideUntilReleased(code);
  if (event.key.repeat == 0) ToggleFullscreen();
  return true;
}

void GameScreen::ToggleFullscreen() {
  settings_.set(ScreenSetting::kFullscreen, settings_.fullscreen() ? 0 : 1);
  Update();
}

void GameScreen::Update() {
  if (settings_ == applied_ || window_ == nullptr) return;
  const settings::ScreenSettings was = applied_;
  applied_ = settings_;
  if (was.window() != settings_.window() || was.fullscreen() != settings_.fullscreen()) {
    ApplyWindow();
  }
  if (device_ != nullptr) {
    device_->set_whole_scales(settings_.scaling() == settings::Scaling::kInteger);
  }
  if (was.pacing() != settings_.pacing() || was.frame_cap() != settings_.frame_cap()) {
    ApplyPacing();
  }
}

void GameScreen::ApplyWindow() {
  const bool classic = settings_.window() == WindowChoice::kClassic;
  if (!settings_.fullscreen()) SDL_SetWindowFullscreen(window_, 0);
  SDL_SetWindowBordered(window_, classic ? SDL_FALSE : SDL_TRUE);
  SDL_SetWindowResizable(window_, classic ? SDL_FALSE : SDL_TRUE);
  SDL_SetWindowAlwaysOnTop(window_, classic ? SDL_TRUE : SDL_FALSE);
  SDL_SetWindowMinimumSize(window_, classic ? kFrameWidth : kMinWidth,
                           classic ? kFrameHeight : kMinHeight);
  if (settings_.fullscreen()) {
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    return;
  }
  const int s = classic ? 1 : StartScale();
  SDL_SetWindowSize(window_, kFrameWidth * s, kFrameHeight * s);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

int GameScreen::RefreshRate() const {
  SDL_DisplayMode mode{};
  const int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
  if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) == 0 && mode.refresh_rate > 0) {
    return mode.refresh_rate;
  }
  return settings::kFallbackRefreshRate;
}

void GameScreen::ApplyPacing() {
  const Pacing pacing = settings_.pacing();
  const bool want_vsync = pacing == Pacing::kVsync;
  if (device_ != nullptr && device_->initialized() && device_->vsync() != want_vsync) {
    device_->SetVsync(want_vsync);
  }
  const int cap =
      settings_.frame_cap() == settings::kFrameCapDisplay ? RefreshRate() : settings_.frame_cap();
  if (pacing == Pacing::kUnlimited) {
    pacer_.set_rate(0);
  } else if (want_vsync && device_ != nullptr && device_->vsync()) {
    // The display paces the passes; the cap, a little above it, holds only
    // where presenting does not really wait (a virtual display) and while
    // nothing is drawn.
    pacer_.set_rate(cap + cap / 10);
  } else {
    pacer_.set_rate(cap);
  }
}

int GameScreen::scale() const {
  if (device_ == nullptr) return 1;
  const SDL_Rect& p = device_->frame_placement();
  if (p.w > 0) return p.w / kFrameWidth > 0 ? p.w / kFrameWidth : 1;
  int w = kFrameWidth, h = kFrameHeight;
  if (window_ != nullptr) SDL_GetWindowSize(window_, &w, &h);
  return render::WholeScaleWithin(w, h, kFrameWidth, kFrameHeight);
}

}  // namespace bv::app

#pragma once

#include <SDL.h>

#include "media/frame_pacer.h"
#include "settings/screen_settings.h"

namespace bv::render {
class DrawDevice;
}
namespace bv::media {
class SdlKeyboard;
}

namespace bv::app {

// The game window as the screen settings ask: its size, frame and
// fullscreen, how the frame is scaled into it, and how the loop is paced.
// The frame itself is always 640 by 480; only its showing changes.
//
// - "scaled": a normal, resizable window titled "Brimvale", at the largest
//   whole-number scale of the frame that fits the usable desktop, centred.
// - "classic": the old window, 640 by 480, borderless, always on top.
// - Alt+Enter and F11 switch between the window and desktop fullscreen at
//   any time; the game's key table never sees them.
// - Pacing: "vsync" waits for the display when presenting and caps the
//   loop where it cannot; "cap" sleeps to the frame cap; "unlimited" never
//   sleeps.
class GameScreen {
 public:
  static constexpr int kFrameWidth = 640;
  static constexpr int kFrameHeight = 480;

  GameScreen(settings::ScreenSettings& settings, media::FramePacer& pacer);

  // Makes the window, still hidden; null on failure (SDL's error is set).
  SDL_Window* MakeWindow(const char* title);
  // Once the drawing device runs on the window: the frame, its scaling,
  // vsync and the loop's pace.
  void Attach(SDL_Window* window, render::DrawDevice* device, media::SdlKeyboard* keyboard);

  // The fullscreen keys in the game window; true when taken.
  bool HandleEvent(const SDL_Event& event);
  // Once per pass: applies settings changed since (the options page).
  void Update();
  void ToggleFullscreen();

  // The whole-number scale the frame is shown at (1 while it is shrunk),
  // for the options window to follow.
  int scale() const;
  // The loop's pace now: passes a second, 0 for unlimited.
  int pace() const { return pacer_.rate(); }
  // The display's refresh rate (60 where unknown).
  int RefreshRate() const;

 private:
  void ApplyWindow();
  void ApplyPacing();
  int StartScale() const;

  settings::ScreenSettings& settings_;
  media::FramePacer& pacer_;
  SDL_Window* window_ = nullptr;
  render::DrawDevice* device_ = nullptr;
  media::SdlKeyboard* keyboard_ = nullptr;
  settings::ScreenSettings applied_;
};

}  // namespace bv::app

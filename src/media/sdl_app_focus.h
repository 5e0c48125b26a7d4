#pragma once

#include <functional>

#include "media/frame_timer.h"

union SDL_Event;

namespace bv::media {

// The application's focus from SDL's per-window focus events: the program is
// active while any of its windows has the keyboard focus, so moving the focus
// between the game window and the options window is no change. The program
// starts active.
class SdlAppFocus {
 public:
  // any_window_focused defaults to asking SDL for its keyboard-focus window.
  explicit SdlAppFocus(FrameTimer& timer, std::function<bool()> any_window_focused = {});

  // Call for every event the host polls.
  void Observe(const SDL_Event& event);
  // Call once the event queue is drained: tells the timer when the
  // application gained or lost the focus.
  void Settle();
  bool active() const { return active_; }

 private:
  FrameTimer& timer_;
  std::function<bool()> any_window_focused_;
  bool focus_moved_ = false;
  bool active_ = true;
};

}  // namespace bv::media

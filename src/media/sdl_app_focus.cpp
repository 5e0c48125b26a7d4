#include "media/sdl_app_focus.h"

#include <SDL.h>

namespace bv::media {

SdlAppFocus::SdlAppFocus(FrameTimer& timer, std::function<bool()> any_window_focused)
    : timer_(timer), any_window_focused_(std::move(any_window_focused)) {
  if (!any_window_focused_) {
    any_window_focused_ = [] { return SDL_GetKeyboardFocus() != nullptr; };
  }
}

void SdlAppFocus::Observe(const SDL_Event& event) {
  if (event.type != SDL_WINDOWEVENT) return;
  if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
      event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
    focus_moved_ = true;
  }
}

void SdlAppFocus::Settle() {
  if (!focus_moved_) return;
  focus_moved_ = false;
  // The loss from one window and the gain of the other come in one batch.
  bool now_active = any_window_focused_();
  if (now_active == active_) return;
  active_ = now_active;
  if (active_) {
    timer_.AppActivate();
  } else {
    timer_.AppDeactivate();
  }
}

}  // namespace bv::media

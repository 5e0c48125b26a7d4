#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include "media/error_codes.h"
#include "media/sdl_app_focus.h"
#include "media/sdl_clock.h"
#include "media/sdl_keyboard.h"

namespace bv::media {
namespace {

SDL_Event FocusEvent(Uint8 what) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = what;
  return e;
}

TEST(SdlAppFocus, FollowsTheProgramsWindowsNotEachWindow) {
  SdlClock clock;
  FrameTimer timer(clock);
  timer.set_may_render(true);
  int activations = 0, deactivations = 0;
  timer.set_on_app_activate([&] { ++activations; });
  timer.set_on_app_deactivate([&] { ++deactivations; });
  bool any_focused = true;
  int queries = 0;
  SdlAppFocus focus(timer, [&] {
    ++queries;
    return any_focused;
  });

  // Other events never ask.
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  focus.Observe(key);
  focus.Observe(FocusEvent(SDL_WINDOWEVENT_MOVED));
  focus.Settle();
  EXPECT_EQ(queries, 0);

  // The focus moves from the game window to the options window.
  focus.Observe(FocusEvent(SDL_WINDOWEVENT_FOCUS_LOST));
  focus.Observe(FocusEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
  focus.Settle();
  EXPECT_EQ(queries, 1);
  EXPECT_EQ(deactivations, 0);
  EXPECT_TRUE(timer.may_render());

  // Another program takes it.
  any_focused = false;
  focus.Observe(FocusEvent(SDL_WINDOWEVENT_FOCUS_LOST));
  focus.Settle();
  EXPECT_FALSE(focus.active());
  EXPECT_EQ(deactivations, 1);
  EXPECT_FALSE(timer.may_render());
  focus.Observe(FocusEvent(SDL_WINDOWEVENT_FOCUS_LOST));
  focus.Settle();
  EXPECT_EQ(deactivations, 1);

  any_focused = true;
  focus.Observe(FocusEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
  focus.Settle();
  EXPECT_EQ(activations, 1);
  EXPECT_TRUE(timer.may_render());
}

TEST(SdlClock, RunsForward) {
  SdlClock clock;
  EXPECT_GT(clock.CounterFrequency(), 0);
  int64_t c0 = clock.Counter();
  uint32_t t0 = clock.Ticks();
  SDL_Delay(2);
  EXPECT_GT(clock.Counter(), c0);
  EXPECT_GE(clock.Ticks(), t0 + 1);
}

TEST(SdlKeyboard, NeedsAWindowAndSdlVideo) {
  ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
  EXPECT_EQ(MakeSdlInputReader(nullptr)->Initialize(), kErrInvalidCall);
  auto* not_a_window = reinterpret_cast<SDL_Window*>(0x1);  // never touched without video
  EXPECT_EQ(MakeSdlInputReader(not_a_window)->Initialize(), kErrInputInterface);
}

TEST(SdlKeyboard, AWindowWithoutFocusReadsEveryKeyUp) {
  ::setenv("SDL_VIDEODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  SDL_Window* window = SDL_CreateWindow("test", 0, 0, 64, 64, SDL_WINDOW_HIDDEN);
  ASSERT_NE(window, nullptr) << SDL_GetError();
  auto reader = MakeSdlInputReader(window);
  EXPECT_EQ(reader->Initialize(), kOk);
  EXPECT_NE(SDL_GetKeyboardFocus(), window);
  EXPECT_EQ(reader->Update(), kErrKeyboardAcquire);
  for (int c = 0; c < 256; ++c) EXPECT_FALSE(reader->KeyDown(static_cast<uint8_t>(c)));
  reader->Finalize();
  SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
}  // namespace bv::media

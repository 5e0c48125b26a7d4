#include "media/sdl_clock.h"

#include <SDL_timer.h>

#include <limits>

namespace bv::media {

namespace {
constexpr uint64_t kInt64Max = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
}

int64_t SdlClock::CounterFrequency() {
  uint64_t f = SDL_GetPerformanceFrequency();
  return f > kInt64Max ? 0 : static_cast<int64_t>(f);
}

int64_t SdlClock::Counter() {
  return static_cast<int64_t>(SDL_GetPerformanceCounter() & kInt64Max);
}

uint32_t SdlClock::Ticks() {
  return SDL_GetTicks();
}

}  // namespace bv::media

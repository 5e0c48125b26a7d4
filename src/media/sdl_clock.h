#pragma once

#include "media/clock.h"

namespace bv::media {

// The frame timer's clock on SDL: the performance counter and SDL_GetTicks.
class SdlClock final : public Clock {
 public:
  int64_t CounterFrequency() override;
  int64_t Counter() override;
  uint32_t Ticks() override;
};

}  // namespace bv::media

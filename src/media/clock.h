#pragma once

#include <cstdint>

namespace bv::media {

// The time readings the frame timer needs. Production reads SDL; tests feed durations.
class Clock {
 public:
  virtual ~Clock() = default;
  // Counts per second of the high-resolution counter; 0 when there is none.
  virtual int64_t CounterFrequency() = 0;
  virtual int64_t Counter() = 0;
  // Milliseconds since some fixed start; wraps at 2^32.
  virtual uint32_t Ticks() = 0;
};

}  // namespace bv::media

#pragma once

#include <chrono>

#include "net/transport.h"

namespace bv::net {

// Milliseconds of the machine's monotonic clock.
class SteadyTime final : public TimeSource {
 public:
  int64_t Millis() const override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
};

}  // namespace bv::net

#pragma once

#include <cstdint>

#include "media/clock.h"

namespace bv::media {

// A clock the test moves by hand. frequency 0 makes the timer use the
// millisecond tick alone.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(int64_t frequency = 1000000) : frequency_(frequency) {}
  int64_t CounterFrequency() override { return frequency_; }
  int64_t Counter() override { return counter_; }
  uint32_t Ticks() override { return ticks_; }

  // Moves both readings on by the same span of time.
  void AdvanceMicros(int64_t us) {
    micros_ += us;
    counter_ = micros_ * frequency_ / 1000000;
    ticks_ = static_cast<uint32_t>(base_ticks_ + micros_ / 1000);
  }
  void set_ticks(uint32_t t) {
    base_ticks_ = t;
    micros_ = 0;
    ticks_ = t;
  }

 private:
  int64_t frequency_;
  int64_t micros_ = 0;
  int64_t counter_ = 0;
  uint32_t base_ticks_ = 0;
  uint32_t ticks_ = 0;
};

}  // namespace bv::media

#pragma once

#include <cstdint>

#include "media/clock.h"

namespace bv::media {

// Waiting, for the frame pacer. Production sleeps the thread; tests note it.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(double seconds) = 0;
};

// Holds the loop's passes to a rate by sleeping at the end of each pass,
// so a loop that would spin (no vsync, or nothing drawn while the window
// has no focus) takes a small share of a core. The frame timer measures the
// passes as always, so the logic keeps its own fixed rate.
class FramePacer {
 public:
  FramePacer(Clock& clock, Sleeper& sleeper);

  // Passes a second; 0 never waits (the loop runs as fast as it can).
  void set_rate(int passes_per_second);
  int rate() const { return rate_; }

  // At the end of each pass: sleeps until the pass's slot is over. A loop
  // that falls behind by more than a slot starts afresh from now instead of
  // hurrying to catch up.
  void Wait();

 private:
  double Now();

  Clock& clock_;
  Sleeper& sleeper_;
  int rate_ = 0;
  double next_ = -1.0;  // when the next pass may start, in seconds; < 0: unset
};

// Sleeps the calling thread.
class ThreadSleeper final : public Sleeper {
 public:
  void Sleep(double seconds) override;
};

}  // namespace bv::media

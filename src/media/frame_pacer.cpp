#include "media/frame_pacer.h"

#include <chrono>
#include <thread>

namespace bv::media {

FramePacer::FramePacer(Clock& clock, Sleeper& sleeper) : clock_(clock), sleeper_(sleeper) {}

void FramePacer::set_rate(int passes_per_second) {
  const int rate = passes_per_second > 0 ? passes_per_second : 0;
  if (rate != rate_) next_ = -1.0;
  rate_ = rate;
}

double FramePacer::Now() {
  const int64_t f = clock_.CounterFrequency();
  if (f > 0) return static_cast<double>(clock_.Counter()) / static_cast<double>(f);
  return clock_.Ticks() / 1000.0;
}

void FramePacer::Wait() {
  if (rate_ <= 0) return;
  const double slot = 1.0 / rate_;
  const double now = Now();
  if (next_ < 0.0 || now > next_ + slot || now < next_ - 2 * slot) {
    // First pass, a stall, or a clock that went back: no debt either way.
    next_ = now + slot;
    return;
  }
  if (now < next_) sleeper_.Sleep(next_ - now);
  next_ += slot;
}

void ThreadSleeper::Sleep(double seconds) {
  if (seconds <= 0.0) return;
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace bv::media

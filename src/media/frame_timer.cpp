#include "media/frame_timer.h"

#include <cmath>
#include <limits>

namespace bv::media {

namespace {

constexpr int32_t kRateUnmeasurable = std::numeric_limits<int32_t>::max();

// Halves to even: a pass of exactly two seconds gives rate 0, the stall mark.
int32_t RoundRate(double v) {
  if (v >= static_cast<double>(kRateUnmeasurable)) return kRateUnmeasurable;
  return static_cast<int32_t>(std::nearbyint(v));
}

int32_t NextWindow(int frame_rate) {
  if (frame_rate <= 20) return 19;
  if (frame_rate <= 44) return 29;
  if (frame_rate <= 65) return 59;
  if (frame_rate <= 100) return 74;
  if (frame_rate <= 250) return 200;
  return 500;
}

}  // namespace

FrameTimer::FrameTimer(Clock& clock) : clock_(clock) {
  frequency_ = clock_.CounterFrequency();
  use_counter_ = frequency_ > 0;
  if (use_counter_) {
    last_counter_ = clock_.Counter();
  } else {
    last_tick_ = clock_.Ticks();
  }
  measure_tick_ = clock_.Ticks();
}

void FrameTimer::set_fps(int fps) {
  if (fps >= 1 && fps <= kMaxFps) fps_ = fps;
}

void FrameTimer::set_may_render(bool v) {
  if (v && !may_render_ && render_suspended_) return;
  may_render_ = v;
  render_suspended_ = false;
}

int32_t FrameTimer::MeasureRate() {
  uint64_t elapsed;
  double units_per_second;
  if (use_counter_) {
    int64_t now = clock_.Counter();
    elapsed = now >= last_counter_
                  ? static_cast<uint64_t>(now) - static_cast<uint64_t>(last_counter_)
                  : static_cast<uint64_t>(last_counter_) - static_cast<uint64_t>(now);
    last_counter_ = now;
    units_per_second = static_cast<double>(frequency_);
  } else {
    uint32_t now = clock_.Ticks();
    // Modular difference, so the tick's wrap after 49 days reads as a short pass.
    int32_t d = static_cast<int32_t>(now - last_tick_);
    elapsed = d < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(d)) : static_cast<uint64_t>(d);
    last_tick_ = now;
    units_per_second = 1000.0;
  }
  if (elapsed == 0) return kRateUnmeasurable;
  return RoundRate(units_per_second / static_cast<double>(elapsed));
}

void FrameTimer::MeasureFrameRate() {
  ++pass_count_;
  if (pass_count_ <= window_) return;
  uint32_t now = clock_.Ticks();
  uint32_t ms = now - measure_tick_;
  frame_rate_ = ms > 0 ? static_cast<int>(std::nearbyint(pass_count_ * 1000.0 / ms)) : 0;
  measure_tick_ = now;
  pass_count_ = 0;
  window_ = NextWindow(frame_rate_);
}

void FrameTimer::Pass() {
  if (!may_render_ && !may_process_ && !may_real_time_) return;

  rate_ = MeasureRate();
  MeasureFrameRate();

  // Rate 0: the previous pass took two seconds or more. Run one step, owe nothing.
  if (rate_ != 0) {
    steps_owed_ += static_cast<double>(fps_) / rate_;
  } else {
    steps_owed_ = 1.0;
  }
  // Time beyond eight steps is lost: below fps/8 passes per second the game slows down.
  if (steps_owed_ > kMaxStepsPerPass) steps_owed_ = kMaxStepsPerPass;

  if (may_render_ && on_render_) on_render_();
  if (may_real_time_ && rate_ != 0 && on_real_time_) {
    on_real_time_(static_cast<double>(fps_) / rate_);
  }
  int steps = static_cast<int>(steps_owed_);
  if (may_process_ && on_process_) {
    for (int i = 0; i < steps; ++i) on_process_();
  }
  steps_owed_ -= steps;

  if (on_app_idle_) on_app_idle_();
}

void FrameTimer::AppActivate() {
  if (render_suspended_) {
    may_render_ = true;
    render_suspended_ = false;
  }
  if (on_app_activate_) on_app_activate_();
}

void FrameTimer::AppDeactivate() {
  if (may_render_) {
    may_render_ = false;
    render_suspended_ = true;
  }
  if (on_app_deactivate_) on_app_deactivate_();
}

}  // namespace bv::media

#pragma once

#include <cstdint>
#include <functional>

#include "media/clock.h"

namespace bv::media {

// The game loop. The host calls Pass whenever it has no event to handle and
// never sleeps: each pass measures the previous one, draws a frame, reports
// the elapsed time and runs the fixed-rate logic steps that time calls for
// (at most 8). Rendering runs as fast as it can; logic runs at fps().
class FrameTimer {
 public:
  static constexpr int kDefaultFps = 60;
  static constexpr int kMaxFps = 240;
  static constexpr int kMaxStepsPerPass = 8;
  static constexpr int kFirstWindow = 30;

  // Reads the time source now. The clock must outlive the timer.
  explicit FrameTimer(Clock& clock);

  // Logic steps per second; values outside 1..240 are ignored.
  int fps() const { return fps_; }
  void set_fps(int fps);

  bool may_process() const { return may_process_; }
  void set_may_process(bool v) { may_process_ = v; }
  bool may_real_time() const { return may_real_time_; }
  void set_may_real_time(bool v) { may_real_time_ = v; }
  bool may_render() const { return may_render_; }
  // Switching rendering on while it is suspended by a focus loss is ignored
  // (it resumes at activation); any other assignment also drops the suspension.
  void set_may_render(bool v);

  // Passes per second over the last measuring window; 0 until the first one.
  int frame_rate() const { return frame_rate_; }
  // Passes the current measuring window waits for (plus one).
  int measuring_window() const { return window_; }

  void set_on_render(std::function<void()> f) { on_render_ = std::move(f); }
  void set_on_process(std::function<void()> f) { on_process_ = std::move(f); }
  // delta: the previous pass's duration in logic steps (fps / instantaneous rate).
  void set_on_real_time(std::function<void(double delta)> f) { on_real_time_ = std::move(f); }
  void set_on_app_idle(std::function<void()> f) { on_app_idle_ = std::move(f); }
  void set_on_app_activate(std::function<void()> f) { on_app_activate_ = std::move(f); }
  void set_on_app_deactivate(std::function<void()> f) { on_app_deactivate_ = std::move(f); }

  // One pass of the loop. The host calls it again at once, for as long as no
  // event is waiting.
  void Pass();

  // The application gained or lost the focus (any of its windows, not one).
  // Losing it stops drawing only; logic and elapsed time go on.
  void AppActivate();
  void AppDeactivate();

 private:
  int32_t MeasureRate();
  void MeasureFrameRate();

  Clock& clock_;
  bool use_counter_ = false;
  int64_t frequency_ = 0;
  int64_t last_counter_ = 0;
  uint32_t last_tick_ = 0;
  uint32_t measure_tick_ = 0;
  int32_t rate_ = 0;
  int32_t pass_count_ = 0;
  int32_t window_ = kFirstWindow;
  int frame_rate_ = 0;
  double steps_owed_ = 0.0;

  int fps_ = kDefaultFps;
  bool may_process_ = false;
  bool may_render_ = false;
  bool may_real_time_ = false;
  bool render_suspended_ = false;

  std::function<void()> on_render_;
  std::function<void()> on_process_;
  std::function<void(double)> on_real_time_;
  std::function<void()> on_app_idle_;
  std::function<void()> on_app_activate_;
  std::function<void()> on_app_deactivate_;
};

}  // namespace bv::media

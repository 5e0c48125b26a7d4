#include "render/frame_values.h"

#include <cmath>
#include <limits>

namespace bv::render {

int32_t RoundEven(long double v) {
  if (!(v == v)) return 0;
  if (v >= static_cast<long double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  if (v <= static_cast<long double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  // Done by hand so that no rounding mode set elsewhere can change a frame.
  const long double f = std::floor(v);
  const long double rest = v - f;  // exact in this range
  int64_t n = static_cast<int64_t>(f);
  if (rest > 0.5L || (rest == 0.5L && n % 2 != 0)) ++n;
  return Saturate(n);
}

FrameValues ComputeFrameValues(const game::World& world) {
  FrameValues f;
  f.view_count = world.second_player == 1 ? 2 : 1;
  for (int p = 0; p < f.view_count; ++p) {
    View& v = f.views[p];
    v.player = p;
    if (f.view_count == 1) {
      v.clip = kWholeScreen;
      v.left = 0;
      v.centre_x = 320;
      v.columns = game::kViewColumns;
    } else {
      // Player index 0 plays on the right half.
      v.left = p == 0 ? 320 : 0;
      v.clip = Rect{v.left, 0, v.left + 320, game::kScreenHeight};
      v.centre_x = v.left + 160;
      v.columns = game::kSplitViewColumns;
    }
    const game::PlayerState& pl = world.players[p];
    v.cx = game::CellByte(pl.x);
    v.cy = game::CellByte(pl.y);
    v.round_x = RoundEven(pl.x);
    v.round_y = RoundEven(pl.y);
  }
  const int32_t phase = world.pulse_phase;
  f.light = phase <= 155 ? phase : 310 - phase;
  const int32_t c = world.cycle100;
  f.glow_alpha = c <= 50 ? 4 * c + 25 : 4 * (100 - c) + 25;
  f.anim_frame = world.anim_phase / 8;
  return f;
}

}  // namespace bv::render

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

int32_t Saturate(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

uint8_t ViewCell(float position) {
  const long double c = std::floor(static_cast<long double>(position) / game::kCellSize);
  if (!(c > -1e6L)) return static_cast<uint8_t>(-1000000);  // also NaN
  if (c > 1e6L) return static_cast<uint8_t>(1000000);
  return static_cast<uint8_t>(static_cast<int32_t>(c));
}

int32_t ActorCell(int32_t v) {
  const int32_t q = v / game::kCellSize;
  return (v % game::kCellSize != 0 && v < 0) ? q - 1 : q;
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
      v.columns = 7;
    } else {
      // Player index 0 plays on the right half.
      v.left = p == 0 ? 320 : 0;
      v.clip = Rect{v.left, 0, v.left + 320, kScreenHeight};
      v.centre_x = v.left + 160;
      v.columns = 4;
    }
    const game::PlayerState& pl = world.players[p];
    v.cx = ViewCell(pl.x);
    v.cy = ViewCell(pl.y);
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

#include "sim/sight.h"

#include <cmath>

#include "sim/tick_context.h"

namespace bv::sim {

bool LineOfSight(const game::World& world, int exempt, float reach, float from_x, float from_y,
                 float to_x, float to_y) {
  const long double dx = static_cast<long double>(from_x) - to_x;
  const long double dy = static_cast<long double>(from_y) - to_y;
  const float dist = static_cast<float>(std::sqrt(dx * dx + dy * dy));
  if (dist > reach) return false;
  if (!(dist >= 0.0f)) return false;  // NaN positions see nothing
  const int n = static_cast<int>(std::floor(dist / 40.0f));
  for (int h = 0; h <= n; ++h) {
    // The first sample is the from point itself (also when dist is 0).
    long double sx = from_x;
    long double sy = from_y;
    if (h > 0) {
      sx = from_x - dx * 40 * h / dist;
      sy = from_y - dy * 40 * h / dist;
    }
    const game::MapCell& c = world.cell(CellOf(sx), CellOf(sy));
    if (c.object == game::obj::kSolid && (exempt == -1 || c.actor_index != exempt)) return false;
  }
  return true;
}

uint8_t PathStep(const game::World& world, int actor_col, int actor_row, int player_col,
                 int player_row) {
  if (actor_col == player_col && actor_row == player_row) return kStepNone;
  // The 13 by 13 window W[i][j] sits at [i + 1][j + 1] inside a frame of 255:
  // a frame cell is never 0, so it is never written and never spreads.
  constexpr int kSide = 13;
  constexpr uint8_t kFrame = 255;
  constexpr uint8_t kWall = 1;
  uint8_t win[kSide + 2][kSide + 2];
  for (int i = 0; i < kSide + 2; ++i) {
    for (int j = 0; j < kSide + 2; ++j) {
      const bool frame = i == 0 || j == 0 || i == kSide + 1 || j == kSide + 1;
      win[i][j] =
          frame ? kFrame
                : (world.cell(actor_col - 7 + i, actor_row - 7 + j).object == game::obj::kSolid
                       ? kWall
                       : 0);
    }
  }
  const int ti = player_col - actor_col + 7;
  const int tj = player_row - actor_row + 7;
  auto spread = [&](int i, int j, uint8_t value) {
    if (win[i - 1][j] == 0) win[i - 1][j] = value;
    if (win[i + 1][j] == 0) win[i + 1][j] = value;
    if (win[i][j - 1] == 0) win[i][j - 1] = value;
    if (win[i][j + 1] == 0) win[i][j + 1] = value;
  };

  // Kept: the flood runs in place, so a value can run several cells along the
  // scan within one pass and the numbers are not exact distances.
  int pass = 0;
  bool done = false;
  while (!done) {
    ++pass;
    for (int i = 1; i <= kSide; ++i) {
      for (int j = 1; j <= kSide; ++j) {
        const uint8_t v = win[i][j];
        if (i == ti && j == tj) {
          spread(i, j, 2);
        } else if (v >= 2) {
          spread(i, j, static_cast<uint8_t>(v + 1));
          if (i == 7 && j == 7) done = true;
        } else if (pass >= 12) {
          done = true;
        }
      }
    }
  }

  const uint8_t c = win[7][7];
  if (win[6][7] > 1 && win[6][7] < c) return kStepLeft;
  if (win[8][7] > 1 && win[8][7] < c) return kStepRight;
  if (win[7][6] > 1 && win[7][6] < c) return kStepUp;
  if (win[7][8] > 1 && win[7][8] < c) return kStepDown;
  return kStepNone;
}

}  // namespace bv::sim

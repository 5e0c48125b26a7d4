#pragma once

#include <SDL.h>

#include <cstdlib>

namespace bv::render {

// Channel value i steps of n from a towards b, rounded to nearest.
inline Uint8 Interpolate(Uint8 a, Uint8 b, int i, int n) {
  if (n == 0) return a;
  const int d = (static_cast<int>(b) - static_cast<int>(a)) * i;
  const int q = d >= 0 ? (2 * d + n) / (2 * n) : -((-2 * d + n) / (2 * n));
  return static_cast<Uint8>(a + q);
}

// Lines this long or longer on their major axis are not shaded pixel by pixel.
constexpr long long kMaxShadedLine = 4096;

inline bool ShortEnoughToShade(int x1, int y1, int x2, int y2) {
  return std::llabs(static_cast<long long>(x2) - x1) < kMaxShadedLine &&
         std::llabs(static_cast<long long>(y2) - y1) < kMaxShadedLine;
}

// Visits the pixels of the line from (x1, y1) to (x2, y2), both ends
// included, in the order SDL's line drawing covers them (Bresenham), with
// the colour interpolated from c1 to c2 along the longer axis. The line must
// be ShortEnoughToShade.
template <typename Plot>
void RasterLine(int x1, int y1, int x2, int y2, SDL_Color c1, SDL_Color c2, Plot plot) {
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  const int n = dx > -dy ? dx : -dy;
  int err = dx + dy;
  int x = x1, y = y1;
  for (int i = 0;; ++i) {
    plot(x, y,
         SDL_Color{Interpolate(c1.r, c2.r, i, n), Interpolate(c1.g, c2.g, i, n),
                   Interpolate(c1.b, c2.b, i, n), Interpolate(c1.a, c2.a, i, n)});
    if (x == x2 && y == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

}  // namespace bv::render

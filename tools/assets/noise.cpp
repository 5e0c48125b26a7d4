#include "noise.h"

#include <cmath>
#include <initializer_list>

namespace bv::assets {

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  uint32_t h = 0x811c9dc5u;
  for (uint32_t v : {a, b, c, d}) {
    h ^= v;
    h *= 0x01000193u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
  }
  h ^= h >> 16;
  h *= 0x7feb352du;
  h ^= h >> 15;
  return h;
}

float Hash01(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  return (Hash(a, b, c, d) >> 8) * (1.0f / 16777216.0f);
}

uint32_t Rng::Next() {
  s_ ^= s_ << 13;
  s_ ^= s_ >> 17;
  s_ ^= s_ << 5;
  return s_;
}

namespace {

int Wrap(int i, int n) {
  int r = i % n;
  return r < 0 ? r + n : r;
}

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// 64 unit directions, so a gradient costs a table look-up rather than cos and sin.
struct Directions {
  float x[64], y[64];
  Directions() {
    for (int i = 0; i < 64; ++i) {
      x[i] = std::cos(i * 6.2831853f / 64 + 0.05f);
      y[i] = std::sin(i * 6.2831853f / 64 + 0.05f);
    }
  }
};
const Directions kDirs;

// A cheap mix for lattice points (the full Hash is too slow for the inner loop).
inline uint32_t LatticeHash(uint32_t x, uint32_t y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u ^ x * 0x85EBCA77u ^ y * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

float Grad2(int ix, int iy, int nx, int ny, uint32_t seed, float dx, float dy) {
  uint32_t i = LatticeHash(Wrap(ix, nx), Wrap(iy, ny), seed) >> 26;
  return kDirs.x[i] * dx + kDirs.y[i] * dy;
}

float Grad3(int ix, int iy, int it, int n, int nt, uint32_t seed, float dx, float dy,
            float dt) {
  uint32_t h = Hash(Wrap(ix, n), Wrap(iy, n), Wrap(it, nt), seed);
  float z = (h & 0xffff) / 32767.5f - 1.0f;
  float a = (h >> 16) / 65536.0f * 6.2831853f;
  float r = std::sqrt(1 - z * z);
  return r * std::cos(a) * dx + r * std::sin(a) * dy + z * dt;
}

}  // namespace

float Noise(float x, float y, int cells, uint32_t seed) { return Noise2(x, y, cells, cells, seed); }

float Noise2(float x, float y, int cx, int cy, uint32_t seed) {
  float fx = x * cx / kTile, fy = y * cy / kTile;
  int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  float dx = fx - ix, dy = fy - iy;
  float u = Fade(dx), v = Fade(dy);
  float a = Grad2(ix, iy, cx, cy, seed, dx, dy);
  float b = Grad2(ix + 1, iy, cx, cy, seed, dx - 1, dy);
  float c = Grad2(ix, iy + 1, cx, cy, seed, dx, dy - 1);
  float d = Grad2(ix + 1, iy + 1, cx, cy, seed, dx - 1, dy - 1);
  return 1.4f * (a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v);
}

float Noise3(float x, float y, float t, int cells, uint32_t seed) {
  const int nt = 2;
  float fx = x * cells / kTile, fy = y * cells / kTile, ft = t * nt;
  int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
  int it = static_cast<int>(std::floor(ft));
  float dx = fx - ix, dy = fy - iy, dt = ft - it;
  float u = Fade(dx), v = Fade(dy), w = Fade(dt);
  float r[2];
  for (int k = 0; k < 2; ++k) {
    float a = Grad3(ix, iy, it + k, cells, nt, seed, dx, dy, dt - k);
    float b = Grad3(ix + 1, iy, it + k, cells, nt, seed, dx - 1, dy, dt - k);
    float c = Grad3(ix, iy + 1, it + k, cells, nt, seed, dx, dy - 1, dt - k);
    float d = Grad3(ix + 1, iy + 1, it + k, cells, nt, seed, dx - 1, dy - 1, dt - k);
    r[k] = a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v;
  }
  return 1.3f * (r[0] + (r[1] - r[0]) * w);
}

float Fbm(float x, float y, int cells, int octaves, uint32_t seed, float gain) {
  float sum = 0, amp = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Noise(x, y, cells << o, seed + o * 7919u);
    norm += amp;
    amp *= gain;
  }
  return sum / norm * 1.3f;
}

float Fbm3(float x, float y, float t, int cells, int octaves, uint32_t seed) {
  float sum = 0, amp = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Noise3(x, y, t, cells << o, seed + o * 7919u);
    norm += amp;
    amp *= 0.5f;
  }
  return sum / norm * 1.3f;
}

float Ridged(float x, float y, int cells, int octaves, uint32_t seed) {
  float sum = 0, amp = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    float n = 1 - std::fabs(Noise(x, y, cells << o, seed + o * 104729u));
    sum += amp * n * n;
    norm += amp;
    amp *= 0.5f;
  }
  return sum / norm;
}

Cell Voronoi(float x, float y, int cells, uint32_t seed, float jitter) {
  float size = kTile / cells;
  int ix = static_cast<int>(std::floor(x / size)), iy = static_cast<int>(std::floor(y / size));
  Cell best{1e9f, 1e9f, 0, 0, 0};
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      int cx = ix + i, cy = iy + j;
      int wx = Wrap(cx, cells), wy = Wrap(cy, cells);
      uint32_t h = LatticeHash(wx, wy, seed);
      float px = (cx + 0.5f + ((h & 0xffff) / 65536.0f - 0.5f) * jitter) * size;
      float py = (cy + 0.5f + ((h >> 16) / 65536.0f - 0.5f) * jitter) * size;
      float d = std::hypot(px - x, py - y);
      if (d < best.f1) {
        best.f2 = best.f1;
        best.f1 = d;
        best.id = LatticeHash(wx, wy, seed ^ 0x5bd1e995u);
        best.cx = px;
        best.cy = py;
      } else if (d < best.f2) {
        best.f2 = d;
      }
    }
  return best;
}

}  // namespace bv::assets

#pragma once

#include <cstdint>

namespace bv::assets {

// Deterministic hashing and noise. Every pattern repeats over a 50-pixel
// square so floors tile without seams.
constexpr float kTile = 50.0f;

uint32_t Hash(uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0);
// Uniform 0..1 from a hash.
float Hash01(uint32_t a, uint32_t b = 0, uint32_t c = 0, uint32_t d = 0);

// A small deterministic sequence (xorshift), same numbers on every platform.
class Rng {
 public:
  explicit Rng(uint32_t seed) : s_(Hash(seed, 0x9e3779b9u) | 1u) {}
  uint32_t Next();
  float Uniform() { return (Next() >> 8) * (1.0f / 16777216.0f); }
  float Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1)); }

 private:
  uint32_t s_;
};

// Gradient noise in -1..1 over pixel coordinates, `cells` lattice cells per
// 50 pixels, so it repeats every 50 pixels.
float Noise(float x, float y, int cells, uint32_t seed);
// Stretched noise: separate lattice counts across and down.
float Noise2(float x, float y, int cells_x, int cells_y, uint32_t seed);
// The same with a third, looping coordinate t (period 1) for animations.
float Noise3(float x, float y, float t, int cells, uint32_t seed);
// Fractal sum of Noise, roughly -1..1.
float Fbm(float x, float y, int cells, int octaves, uint32_t seed, float gain = 0.5f);
float Fbm3(float x, float y, float t, int cells, int octaves, uint32_t seed);
// Ridged fractal (sharp crests), 0..1.
float Ridged(float x, float y, int cells, int octaves, uint32_t seed);

// Cellular pattern with `cells` x `cells` jittered points per 50 pixels.
struct Cell {
  float f1;      // distance to the nearest point
  float f2;      // distance to the second nearest
  uint32_t id;   // id of the nearest point
  float cx, cy;  // nearest point position (may lie outside 0..50)
};
Cell Voronoi(float x, float y, int cells, uint32_t seed, float jitter = 0.8f);

}  // namespace bv::assets

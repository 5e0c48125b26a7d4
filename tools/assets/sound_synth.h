#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "noise.h"

namespace bv::assets {

// Small synthesis kit for the game's sound effects (mono, 22050 Hz, floats).
namespace synth {

constexpr float kRate = 22050.0f;
constexpr float kTau = 6.2831853f;

using Wave = std::vector<float>;

inline Wave Silence(float seconds) { return Wave(static_cast<size_t>(seconds * kRate), 0.0f); }
inline float Time(size_t i) { return i / kRate; }

// Band-limited oscillators driven by a running phase in cycles.
class Osc {
 public:
  enum Shape { kSine, kSaw, kSquare, kTriangle };
  explicit Osc(Shape s, float pw = 0.5f) : shape_(s), pw_(pw) {}
  float Next(float freq);

 private:
  Shape shape_;
  float pw_;
  float phase_ = 0;
};

// Resonant filter (RBJ biquad); cutoff and Q may change every sample.
class Filter {
 public:
  enum Type { kLowPass, kHighPass, kBandPass };
  explicit Filter(Type t) : type_(t) {}
  float Next(float x, float cutoff, float q = 0.707f);

 private:
  Type type_;
  float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// White noise in -1..1, same numbers on every run.
class NoiseGen {
 public:
  explicit NoiseGen(uint32_t seed) : rng_(seed) {}
  float Next() { return rng_.Uniform() * 2 - 1; }

 private:
  Rng rng_;
};

// Envelopes: attack then exponential decay with time constant tau.
inline float Hit(float t, float attack, float tau) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / tau);
}
// Linear attack, hold, linear release over a note of `len` seconds.
inline float Note(float t, float len, float attack = 0.01f, float release = 0.05f) {
  if (t < 0 || t > len) return 0;
  float a = attack > 0 ? std::min(1.0f, t / attack) : 1;
  float r = release > 0 ? std::min(1.0f, (len - t) / release) : 1;
  return std::min(a, r);
}

// Adds src into dst starting at `at` seconds, scaled by gain; grows dst as needed.
void MixInto(Wave& dst, const Wave& src, float at, float gain = 1.0f);
// Soft clipping.
inline float Drive(float x, float amount) { return std::tanh(x * amount) / std::tanh(amount); }
// A small room: a few feedback delays, mixed in at `wet`.
Wave Reverb(const Wave& in, float wet, float size = 1.0f, float tail = 0.6f);
// Scales to a peak level and fades the last few milliseconds to zero.
void Finish(Wave& w, float peak = 0.9f);
std::vector<int16_t> ToPcm16(const Wave& w);

// A voice: a buzzing glottal source shaped by three formants that move from
// vowel `a` to vowel `b` over the sound; pitch follows `pitch(t)`.
struct Vowel {
  float f1, f2, f3;
};
constexpr Vowel kA{800, 1200, 2500}, kO{500, 850, 2500}, kU{350, 700, 2400}, kE{500, 1750, 2500},
    kI{300, 2200, 2900};
template <class Pitch>
Wave Voice(float seconds, Vowel a, Vowel b, Pitch pitch, float rasp, uint32_t seed) {
  Wave w = Silence(seconds);
  Osc src(Osc::kSaw);
  NoiseGen noise(seed);
  Filter f1(Filter::kBandPass), f2(Filter::kBandPass), f3(Filter::kBandPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i), k = t / seconds;
    float jitter = 1 + 0.02f * std::sin(t * 37) + 0.015f * noise.Next() * rasp;
    float s = src.Next(pitch(t) * jitter) + rasp * 0.6f * noise.Next();
    Vowel v{a.f1 + (b.f1 - a.f1) * k, a.f2 + (b.f2 - a.f2) * k, a.f3 + (b.f3 - a.f3) * k};
    w[i] = 1.0f * f1.Next(s, v.f1, 6) + 0.6f * f2.Next(s, v.f2, 8) + 0.25f * f3.Next(s, v.f3, 10);
  }
  return w;
}

}  // namespace synth

}  // namespace bv::assets

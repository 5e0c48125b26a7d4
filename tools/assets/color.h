#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace bv::assets {

// Colours are floats 0..1 in display space; alpha is straight (not premultiplied).
struct Rgb {
  float r = 0, g = 0, b = 0;
};

struct Rgba {
  float r = 0, g = 0, b = 0, a = 0;
};

inline float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
inline float Smooth(float e0, float e1, float x) {
  float t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

inline Rgb Hex(uint32_t rgb) {
  return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f};
}
inline Rgb Grey(float v) { return {v, v, v}; }
inline Rgb Mix(Rgb a, Rgb b, float t) {
  return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t)};
}
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgba WithA(Rgb c, float a) { return {c.r, c.g, c.b, a}; }
inline Rgb ToRgb(Rgba c) { return {c.r, c.g, c.b}; }
inline float Luma(Rgb c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }
inline Rgb Saturate(Rgb c, float s) {
  float l = Luma(c);
  return Mix(Grey(l), c, s);
}

inline uint8_t ToByte(float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); }

}  // namespace bv::assets

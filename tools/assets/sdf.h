#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace bv::assets {

// Signed distance helpers in pixel units: negative inside a shape.
struct V2 {
  float x = 0, y = 0;
};
inline V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
inline V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
inline V2 operator*(V2 a, float k) { return {a.x * k, a.y * k}; }
inline float Dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
inline float Len(V2 a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline V2 Rotate(V2 p, float a) {
  float c = std::cos(a), s = std::sin(a);
  return {c * p.x - s * p.y, s * p.x + c * p.y};
}

inline float SdCircle(V2 p, V2 c, float r) { return Len(p - c) - r; }

// Box with centre c, half size h and corner radius r.
inline float SdBox(V2 p, V2 c, V2 h, float r = 0) {
  V2 d{std::fabs(p.x - c.x) - h.x + r, std::fabs(p.y - c.y) - h.y + r};
  V2 m{std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
  return Len(m) + std::min(std::max(d.x, d.y), 0.0f) - r;
}

// Box given by its left, top, width and height.
inline float SdRect(V2 p, float x, float y, float w, float h, float r = 0) {
  return SdBox(p, {x + w / 2, y + h / 2}, {w / 2, h / 2}, r);
}

// Rotated box around its centre.
inline float SdBoxRot(V2 p, V2 c, V2 h, float angle, float r = 0) {
  V2 q = Rotate(p - c, -angle);
  return SdBox(q, {0, 0}, h, r);
}

// Capsule from a to b with radius r.
inline float SdSegment(V2 p, V2 a, V2 b, float r) {
  V2 pa = p - a, ba = b - a;
  float h = std::clamp(Dot(pa, ba) / std::max(Dot(ba, ba), 1e-6f), 0.0f, 1.0f);
  return Len(pa - ba * h) - r;
}

inline float SdEllipse(V2 p, V2 c, V2 r) {
  // Approximation, good enough for drawing.
  V2 q{(p.x - c.x) / r.x, (p.y - c.y) / r.y};
  float k = Len(q);
  return (k - 1) * std::min(r.x, r.y);
}

inline float SdRing(V2 p, V2 c, float r, float w) { return std::fabs(Len(p - c) - r) - w / 2; }

// Any simple polygon.
inline float SdPolygon(V2 p, const std::vector<V2>& v) {
  float d = Dot(p - v[0], p - v[0]);
  float s = 1;
  size_t n = v.size();
  for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
    V2 e = v[j] - v[i], w = p - v[i];
    V2 b = w - e * std::clamp(Dot(w, e) / Dot(e, e), 0.0f, 1.0f);
    d = std::min(d, Dot(b, b));
    bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
  }
  return s * std::sqrt(d);
}

inline float Union(float a, float b) { return std::min(a, b); }
inline float Subtract(float a, float b) { return std::max(a, -b); }
inline float Intersect(float a, float b) { return std::max(a, b); }
inline float SmoothUnion(float a, float b, float k) {
  float h = std::clamp(0.5f + 0.5f * (b - a) / k, 0.0f, 1.0f);
  return b + (a - b) * h - k * h * (1 - h);
}

// Coverage of a shape at a sample whose footprint is `px` pixels wide.
inline float Cover(float d, float px) { return std::clamp(0.5f - d / px, 0.0f, 1.0f); }

}  // namespace bv::assets

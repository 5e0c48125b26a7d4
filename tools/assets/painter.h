#pragma once

#include <cmath>
#include <string>

#include "color.h"
#include "image.h"
#include "sdf.h"
#include "text.h"

namespace bv::assets {

// Vector painting for sprites and object images: shapes given by signed
// distance functions in pixel units, antialiased by supersampling.
class Painter {
 public:
  static constexpr int kSS = 4;
  Painter(int w, int h) : w_(w), h_(h), img_(w * kSS, h * kSS) {}

  int width() const { return w_; }
  int height() const { return h_; }

  // color(x, y, depth) for samples inside sd; depth is the distance from the edge.
  template <class S, class C>
  void Fill(S sd, C color) {
    for (int j = 0; j < h_ * kSS; ++j)
      for (int i = 0; i < w_ * kSS; ++i) {
        float x = (i + 0.5f) / kSS, y = (j + 0.5f) / kSS;
        float d = sd(V2{x, y});
        float k = Cover(d, 1.0f / kSS);
        if (k <= 0) continue;
        img_.Blend(i, j, color(x, y, -d), k);
      }
  }
  template <class S>
  void Fill(S sd, Rgba c) {
    Fill(sd, [c](float, float, float) { return c; });
  }
  // Soft shadow of a shape, offset and blurred.
  template <class S>
  void Shadow(S sd, float dx, float dy, float blur, float alpha) {
    for (int j = 0; j < h_ * kSS; ++j)
      for (int i = 0; i < w_ * kSS; ++i) {
        float x = (i + 0.5f) / kSS - dx, y = (j + 0.5f) / kSS - dy;
        float d = sd(V2{x, y});
        float k = Smooth(blur, -blur, d);
        if (k > 0) img_.Blend(i, j, {0, 0, 0, alpha}, k);
      }
  }
  // Outline of width w around a shape, then the shape.
  template <class S, class C>
  void Outlined(S sd, float w, Rgba edge, C color) {
    Fill([&](V2 p) { return sd(p) - w; }, edge);
    Fill(sd, color);
  }
  // UTF-8 text centred at (cx, cy) (cy is the middle of the capitals).
  void Text(const Fonts& fonts, const std::string& face, const std::string& utf8, float cx, float cy, float px,
            Rgba color, Rgba outline = {}, int outline_px = 0);
  // Width of a text in pixels at px.
  static float TextWidth(const Fonts& fonts, const std::string& face, const std::string& utf8, float px);

  Image Finish() const { return img_.Downsample(kSS); }

 private:
  int w_, h_;
  Image img_;
};

// Colour of a rounded, lit-from-the-upper-left body: brighter towards the
// light and darker at the rim.
inline Rgba LitColor(Rgb base, V2 c, float radius, float x, float y, float depth, float rim = 2.0f) {
  float lx = (c.x - x) / radius, ly = (c.y - y) / radius;
  float k = 1 + 0.25f * (lx + ly) * 0.7f;
  float edge = Smooth(0, rim, depth);
  Rgb col = base * (k * (0.7f + 0.3f * edge));
  return {Clamp01(col.r), Clamp01(col.g), Clamp01(col.b), 1};
}

}  // namespace bv::assets

#pragma once

#include <vector>

#include "color.h"
#include "image.h"
#include "sdf.h"

namespace bv::assets {

// One sample of a texture before lighting.
struct Mat {
  Rgb albedo{0.8f, 0.8f, 0.8f};
  float height = 0;  // pixels above the floor plane
  Rgb emit{};        // light of its own, not shaded
  float gloss = 0;   // 0 matte .. 1 shiny
};

struct ShadeOptions {
  float ambient = 0.45f;
  float bump = 1.0f;       // height exaggeration
  float occlusion = 0.08f; // darkening of hollows per pixel of depth
  float spec_power = 24;
};

// A texture painted in supersampled material layers and lit from the upper
// left, so relief (grout, rivets, bevels) reads the same on every texture.
class Surface {
 public:
  static constexpr int kSS = 2;
  Surface(int w = 50, int h = 50, bool wrap = true)
      : w_(w), h_(h), wrap_(wrap), s_(static_cast<size_t>(w * kSS) * h * kSS) {}

  int width() const { return w_; }
  int height() const { return h_; }

  // f(x, y, Mat&) for every sample; x, y in pixels.
  template <class F>
  void Paint(F f) {
    for (int j = 0; j < h_ * kSS; ++j)
      for (int i = 0; i < w_ * kSS; ++i)
        f((i + 0.5f) / kSS, (j + 0.5f) / kSS, s_[static_cast<size_t>(j) * w_ * kSS + i]);
  }

  // Lays material m(x, y, d) over the samples inside shape sd(x, y) (signed
  // distance), antialiased at the edge. d is the distance into the shape.
  template <class S, class M>
  void Over(S sd, M m) {
    Paint([&](float x, float y, Mat& s) {
      float d = sd(V2{x, y});
      float k = Cover(d, 1.0f / kSS);
      if (k <= 0) return;
      Mat t = m(x, y, -d);
      s.albedo = Mix(s.albedo, t.albedo, k);
      s.height = Lerp(s.height, t.height, k);
      s.emit = Mix(s.emit, t.emit, k);
      s.gloss = Lerp(s.gloss, t.gloss, k);
    });
  }

  Image Shade(const ShadeOptions& o = {}) const;

 private:
  int w_, h_;
  bool wrap_;
  std::vector<Mat> s_;
};

// What stands up in the last picture this thread shaded: per pixel, the share
// of samples raised above the ground. The texture table reads it to light a
// wall's raised parts and leave its ground like the floors around it.
struct RaisedMask {
  int w = 0, h = 0;
  std::vector<float> raised;
  unsigned serial = 0;  // counts the pictures shaded
};
const RaisedMask& LastRaisedMask();

// Height profile of a bevel: 0 at the edge rising to `h` over `width` pixels.
inline float Bevel(float inside, float width, float h) { return h * Smooth(0, width, inside); }

}  // namespace bv::assets

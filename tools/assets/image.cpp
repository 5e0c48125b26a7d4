#include "image.h"

#include <algorithm>

namespace bv::assets {

void Image::Blend(int x, int y, Rgba c, float k) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  float a = Clamp01(c.a * k);
  if (a <= 0) return;
  Rgba& d = at(x, y);
  float out_a = a + d.a * (1 - a);
  if (out_a <= 0) {
    d = {};
    return;
  }
  float wd = d.a * (1 - a);
  d.r = (c.r * a + d.r * wd) / out_a;
  d.g = (c.g * a + d.g * wd) / out_a;
  d.b = (c.b * a + d.b * wd) / out_a;
  d.a = out_a;
}

void Image::Draw(const Image& src, int x, int y) {
  for (int j = 0; j < src.h_; ++j)
    for (int i = 0; i < src.w_; ++i) Blend(x + i, y + j, src.at(i, j));
}

void Image::Copy(const Image& src, int x, int y) {
  for (int j = 0; j < src.h_; ++j)
    for (int i = 0; i < src.w_; ++i)
      if (x + i >= 0 && y + j >= 0 && x + i < w_ && y + j < h_) at(x + i, y + j) = src.at(i, j);
}

Image Image::Downsample(int f) const {
  Image out(w_ / f, h_ / f);
  float n = static_cast<float>(f * f);
  for (int y = 0; y < out.h_; ++y)
    for (int x = 0; x < out.w_; ++x) {
      // Average premultiplied so transparent samples do not darken edges.
      float r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < f; ++j)
        for (int i = 0; i < f; ++i) {
          const Rgba& p = at(x * f + i, y * f + j);
          r += p.r * p.a;
          g += p.g * p.a;
          b += p.b * p.a;
          a += p.a;
        }
      Rgba& o = out.at(x, y);
      if (a > 0) o = {r / a, g / a, b / a, a / n};
    }
  return out;
}

Image Image::Crop(int x, int y, int w, int h) const {
  Image out(w, h);
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (x + i >= 0 && y + j >= 0 && x + i < w_ && y + j < h_) out.at(i, j) = at(x + i, y + j);
  return out;
}

}  // namespace bv::assets

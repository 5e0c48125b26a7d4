#pragma once

#include <cstdint>
#include <vector>

#include "color.h"

namespace bv::assets {

// A picture in straight-alpha float RGBA, row 0 at the top.
class Image {
 public:
  Image() = default;
  Image(int w, int h, Rgba fill = {}) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, fill) {}

  int width() const { return w_; }
  int height() const { return h_; }
  Rgba& at(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }
  const Rgba& at(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }

  // Source-over blend of colour c with coverage k at (x, y).
  void Blend(int x, int y, Rgba c, float k = 1.0f);
  // Pastes src with its top-left at (x, y), blending by alpha; clipped.
  void Draw(const Image& src, int x, int y);
  // Copies src pixels unchanged; clipped.
  void Copy(const Image& src, int x, int y);
  // Box filter by an integer factor.
  Image Downsample(int factor) const;
  Image Crop(int x, int y, int w, int h) const;

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgba> px_;
};

}  // namespace bv::assets

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "image.h"

namespace bv::assets {

// Coverage mask of rendered text; `baseline` is the row of the baseline.
struct Mask {
  int w = 0, h = 0;
  int baseline = 0;
  std::vector<float> a;
  float at(int x, int y) const {
    return x < 0 || y < 0 || x >= w || y >= h ? 0.0f : a[static_cast<size_t>(y) * w + x];
  }
};

// One rasterised glyph: bitmap placed `left` right of the pen and `top` above the baseline.
struct Glyph {
  int w = 0, h = 0, left = 0, top = 0;
  int advance = 0;  // whole pixels
  std::vector<uint8_t> a;
};

// DejaVu faces through FreeType. Faces are named by file ("DejaVuSans-Bold.ttf").
class Fonts {
 public:
  explicit Fonts(std::string dir);
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // A line of UTF-8 text; the mask is as wide as the advance and as tall as the face's line.
  Mask Text(const std::string& face, const std::string& utf8, float px) const;
  // Font metrics at a pixel size: ascent and descent in whole pixels (descent positive).
  void Metrics(const std::string& face, float px, int* ascent, int* descent) const;
  // One character with hinting (for the game's bitmap font), or nullptr-equivalent
  // empty glyph when the face lacks it.
  Glyph Render(const std::string& face, char32_t code, float px, bool* present) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

std::u32string DecodeUtf8(const std::string& s);

// Draws a mask with its top-left at (x, y) in colour c (mask scaled by `scale`
// samples per mask pixel is not supported: render the text at the target size).
void DrawMask(Image& img, const Mask& m, int x, int y, Rgba c);
// The same with an outline of `radius` pixels in colour `edge` under it.
void DrawMaskOutlined(Image& img, const Mask& m, int x, int y, Rgba c, Rgba edge, int radius);

}  // namespace bv::assets

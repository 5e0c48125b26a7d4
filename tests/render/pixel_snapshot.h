#pragma once

// The 640 by 480 target read back after the queue is sent, in the game's
// colour layout (red in the low byte) with the alpha dropped.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "render/color.h"
#include "render/draw_device.h"

namespace bv::test {

class PixelSnapshot {
 public:
  void Take(render::DrawDevice& device) {
    int w = 0, h = 0;
    ASSERT_EQ(device.ReadPixels(pixels_, w, h), 0);
    ASSERT_EQ(w, 640);
    ASSERT_EQ(h, 480);
  }
  // 0xFFFFFFFF outside the screen.
  render::Color At(int x, int y) const {
    if (x < 0 || y < 0 || x >= 640 || y >= 480) return 0xFFFFFFFFu;
    return pixels_[static_cast<size_t>(y) * 640 + static_cast<size_t>(x)] & 0xFFFFFFu;
  }
  const std::vector<render::Color>& pixels() const { return pixels_; }

 private:
  std::vector<render::Color> pixels_;
};

// Blending rounds a little differently between renderers.
inline bool Near(render::Color got, int r, int g, int b, int tolerance = 2) {
  return std::abs(static_cast<int>(render::RedOf(got)) - r) <= tolerance &&
         std::abs(static_cast<int>(render::GreenOf(got)) - g) <= tolerance &&
         std::abs(static_cast<int>(render::BlueOf(got)) - b) <= tolerance;
}

}  // namespace bv::test

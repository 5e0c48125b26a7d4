#pragma once

#include <cstdint>
#include <vector>

#include "media/bitmap.h"

namespace bv::test {

// A picture of patterns of one colour each, side by side.
inline media::Bitmap Strip(int pw, int ph, const std::vector<uint32_t>& pattern_argb) {
  media::Bitmap b;
  b.width = pw * static_cast<int>(pattern_argb.size());
  b.height = ph;
  b.has_alpha = true;
  b.pixels.resize(static_cast<size_t>(b.width) * static_cast<size_t>(ph));
  for (int y = 0; y < ph; ++y) {
    for (int x = 0; x < b.width; ++x) {
      b.pixels[static_cast<size_t>(y) * b.width + x] = pattern_argb[static_cast<size_t>(x / pw)];
    }
  }
  return b;
}

}  // namespace bv::test

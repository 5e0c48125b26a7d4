#pragma once

#include <cstdint>

namespace bv::render {

// Screen pixels.
struct Point {
  int32_t x = 0;
  int32_t y = 0;
};

// Left, top, right, bottom: the right column and bottom row lie outside.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

}  // namespace bv::render

#pragma once

#include <array>
#include <cstdint>

namespace bv::render {

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
};

// The 11 by 11 cells around a view's player, scanned column by column.
constexpr int kMinimapPoints = 121;

// The mini map's scratch lists: the points of one view's walls, CDs and
// actor starts, or (-1, -1) where there is nothing to plot. The renderer
// fills them for each view; nothing carries over between frames.
struct MinimapLists {
  std::array<ScreenPoint, kMinimapPoints> walls{};
  std::array<ScreenPoint, kMinimapPoints> cds{};
  std::array<ScreenPoint, kMinimapPoints> actors{};
};

}  // namespace bv::render

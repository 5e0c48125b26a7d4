#pragma once

// Where things are: map cells, the grid with its margin, the screen and the
// views drawn around each player.

#include <cmath>
#include <cstdint>

namespace bv::game {

// Map cells are 50 pixels square.
constexpr int kCellSize = 50;
constexpr int kCellCentre = kCellSize / 2;

// Grid: 114 columns by 110 rows; a level's 100 by 100 cells sit at columns
// 7..106 and rows 5..104 inside a solid, undrawn margin.
constexpr int kGridWidth = 114;
constexpr int kGridHeight = 110;
constexpr int kLevelSize = 100;
constexpr int kLevelLeft = 7;
constexpr int kLevelTop = 5;
constexpr int kLevelRight = kLevelLeft + kLevelSize - 1;  // 106
constexpr int kLevelBottom = kLevelTop + kLevelSize - 1;  // 104

constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;

// Cells drawn left and right of the player's cell (one view, or each half of
// the split screen) and above and below it. The margin is as wide as the
// widest view, so every cell drawn around a level cell exists.
constexpr int kViewColumns = 7;
constexpr int kSplitViewColumns = 4;
constexpr int kViewRows = 5;
static_assert(kLevelLeft == kViewColumns && kLevelTop == kViewRows);
static_assert(kGridWidth == kLevelSize + 2 * kLevelLeft &&
              kGridHeight == kLevelSize + 2 * kLevelTop);

// The pixel at the centre of a cell.
constexpr int32_t CellCentre(int cell) {
  return cell * kCellSize + kCellCentre;
}

// floor(v / 50) as an int, kept in range for any position (NaN gives the
// far negative end).
inline int CellOf(long double v) {
  long double c = std::floor(v / kCellSize);
  if (!(c > -1e6L)) return -1000000;
  if (c > 1e6L) return 1000000;
  return static_cast<int>(c);
}

// floor(v / 50) for the whole-pixel actor positions.
constexpr int32_t ActorCell(int32_t v) {
  const int32_t q = v / kCellSize;
  return (v % kCellSize != 0 && v < 0) ? q - 1 : q;
}

// The cell as the byte the tick and the views hold: -1 becomes 255, which
// lies outside the grid and reads as the solid reset cell.
inline uint8_t CellByte(long double v) {
  return static_cast<uint8_t>(CellOf(v));
}

}  // namespace bv::game

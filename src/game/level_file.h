#pragma once

// The level file: 100 columns of 100 cells of six bytes, column first, no
// header. Cell (a, b) starts at byte a * 600 + b * 6; column a is grid x
// a + 7, row b grid y b + 5.

#include <array>
#include <cstddef>
#include <cstdint>

#include "game/geometry.h"
#include "game/object_codes.h"

namespace bv::game {

constexpr int kLevelCellBytes = 6;
constexpr int kLevelColumnBytes = kLevelSize * kLevelCellBytes;  // 600
constexpr int kLevelFileSize = kLevelSize * kLevelColumnBytes;   // 60000

using LevelBytes = std::array<uint8_t, kLevelFileSize>;

// The six bytes of a cell, in file order.
struct LevelCell {
  uint8_t texture = 0;  // 0 draws nothing
  uint8_t r = 255, g = 255, b = 255;
  uint8_t object = obj::kFloor;
  uint8_t entity = 0;
};

bool operator==(const LevelCell& x, const LevelCell& y);
inline bool operator!=(const LevelCell& x, const LevelCell& y) {
  return !(x == y);
}
// Byte order, so cells can key a map.
bool operator<(const LevelCell& x, const LevelCell& y);

constexpr bool InLevel(int a, int b) {
  return a >= 0 && a < kLevelSize && b >= 0 && b < kLevelSize;
}

constexpr size_t LevelCellOffset(int a, int b) {
  return static_cast<size_t>(a) * kLevelColumnBytes + static_cast<size_t>(b) * kLevelCellBytes;
}

// Level cell (a, b) of an image; a cell outside the level reads as the
// default cell and writing one does nothing.
LevelCell GetLevelCell(const LevelBytes& image, int a, int b);
void PutLevelCell(LevelBytes& image, int a, int b, const LevelCell& cell);

// The game's reading of a level file over `image`: at most 60000 bytes from
// the start are copied. Returns the count copied.
size_t LoadLevelBytes(const uint8_t* data, size_t size, LevelBytes& image);

}  // namespace bv::game

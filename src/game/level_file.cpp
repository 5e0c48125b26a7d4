#include "game/level_file.h"

#include <algorithm>

namespace bv::game {

namespace {

// The six bytes as one number in file order: a comparison is one step
// (the level tool keys maps with tens of thousands of cells).
uint64_t Key(const LevelCell& c) {
  return uint64_t{c.texture} << 40 | uint64_t{c.r} << 32 | uint64_t{c.g} << 24 |
         uint64_t{c.b} << 16 | uint64_t{c.object} << 8 | uint64_t{c.entity};
}

}  // namespace

bool operator==(const LevelCell& x, const LevelCell& y) {
  return Key(x) == Key(y);
}

bool operator<(const LevelCell& x, const LevelCell& y) {
  return Key(x) < Key(y);
}

LevelCell GetLevelCell(const LevelBytes& image, int a, int b) {
  if (!InLevel(a, b)) return LevelCell{};
  const uint8_t* p = image.data() + LevelCellOffset(a, b);
  return LevelCell{p[0], p[1], p[2], p[3], p[4], p[5]};
}

void PutLevelCell(LevelBytes& image, int a, int b, const LevelCell& cell) {
  if (!InLevel(a, b)) return;
  uint8_t* p = image.data() + LevelCellOffset(a, b);
  p[0] = cell.texture;
  p[1] = cell.r;
  p[2] = cell.g;
  p[3] = cell.b;
  p[4] = cell.object;
  p[5] = cell.entity;
}

size_t LoadLevelBytes(const uint8_t* data, size_t size, LevelBytes& image) {
  // Kept: a short file is no error; the tail keeps the previous level's bytes.
  const size_t n = std::min(size, image.size());
  if (n > 0) std::copy(data, data + n, image.begin());
  return n;
}

}  // namespace bv::game

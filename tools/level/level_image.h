#pragma once

// A level file held as its 100 by 100 cells. The file is column-major: cell
// (x, y) starts at byte x * 600 + y * 6, with x the column and y the row.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bv::level {

constexpr int kMapSize = 100;
constexpr int kCellBytes = 6;
constexpr int kFileSize = kMapSize * kMapSize * kCellBytes;  // 60000

struct Cell {
  uint8_t texture = 0;
  uint8_t r = 255, g = 255, b = 255;
  uint8_t object = 0;
  uint8_t entity = 0;

  bool operator==(const Cell& o) const {
    return texture == o.texture && r == o.r && g == o.g && b == o.b && object == o.object &&
           entity == o.entity;
  }
  bool operator!=(const Cell& o) const { return !(*this == o); }
  bool operator<(const Cell& o) const;
};

// What a map leaves at cells it does not cover: solid and undrawn.
constexpr Cell kPadCell{0, 255, 255, 255, 1, 0};

class LevelImage {
 public:
  LevelImage() { cells_.fill(kPadCell); }

  static bool InMap(int x, int y) { return x >= 0 && x < kMapSize && y >= 0 && y < kMapSize; }

  Cell& at(int x, int y) { return cells_[static_cast<size_t>(x * kMapSize + y)]; }
  const Cell& at(int x, int y) const { return cells_[static_cast<size_t>(x * kMapSize + y)]; }

  std::vector<uint8_t> ToBytes() const;
  // `bytes` must hold exactly kFileSize bytes.
  static LevelImage FromBytes(const std::vector<uint8_t>& bytes);

 private:
  std::array<Cell, kMapSize * kMapSize> cells_;
};

// Reads a whole level file. Returns false with `error` set when it cannot be
// read or is not exactly 60000 bytes long.
bool ReadLevelFile(const std::string& path, LevelImage& image, std::string& error);
bool WriteLevelFile(const std::string& path, const LevelImage& image, std::string& error);

}  // namespace bv::level

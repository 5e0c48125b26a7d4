#pragma once

// A level file held as its 100 by 100 cells, for the tool to edit; the bytes
// are the game's level codec (game/level_file.h).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/level_file.h"

namespace bv::level {

constexpr int kMapSize = game::kLevelSize;
constexpr int kCellBytes = game::kLevelCellBytes;
constexpr int kFileSize = game::kLevelFileSize;  // 60000

using Cell = game::LevelCell;

// What a map leaves at cells it does not cover: solid and undrawn.
constexpr Cell kPadCell{0, 255, 255, 255, game::obj::kSolid, 0};

class LevelImage {
 public:
  LevelImage() { cells_.fill(kPadCell); }

  static bool InMap(int x, int y) { return game::InLevel(x, y); }

  Cell& at(int x, int y) { return cells_[static_cast<size_t>(x * kMapSize + y)]; }
  const Cell& at(int x, int y) const { return cells_[static_cast<size_t>(x * kMapSize + y)]; }

  std::vector<uint8_t> ToBytes() const;
  // The bytes read as the game reads a level file over this image: a short
  // file leaves the rest of the cells as they were, bytes past 60000 are not
  // read.
  void Load(const std::vector<uint8_t>& bytes);
  // Load over a padded image.
  static LevelImage FromBytes(const std::vector<uint8_t>& bytes);

 private:
  std::array<Cell, kMapSize * kMapSize> cells_;
};

// Reads a whole level file. Returns false with `error` set when it cannot be
// read or is not exactly 60000 bytes long.
bool ReadLevelFile(const std::string& path, LevelImage& image, std::string& error);
bool WriteLevelFile(const std::string& path, const LevelImage& image, std::string& error);

}  // namespace bv::level

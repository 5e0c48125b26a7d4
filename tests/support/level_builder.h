#pragma once

// Crafted level files for tests: a 60000-byte image addressed by grid cell,
// written through the game's level codec.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "game/level_file.h"
#include "game/level_store.h"
#include "game/world.h"

namespace bv::test {

using FileCell = game::LevelCell;

// Drawn, white, empty floor: what a builder's cells start as.
constexpr FileCell kOpenFloor{1, 255, 255, 255, game::obj::kFloor, 0};

class LevelBuilder {
 public:
  LevelBuilder() { Fill(kOpenFloor); }

  void Fill(const FileCell& c) {
    for (int a = 0; a < game::kLevelSize; ++a)
      for (int b = 0; b < game::kLevelSize; ++b) game::PutLevelCell(bytes_, a, b, c);
  }

  // Grid coordinates (level cells are x 7..106, y 5..104).
  void Set(int gx, int gy, const FileCell& c) {
    game::PutLevelCell(bytes_, gx - game::kLevelLeft, gy - game::kLevelTop, c);
  }
  void Object(int gx, int gy, uint8_t object) { Byte(gx, gy, 4) = object; }
  void Entity(int gx, int gy, uint8_t entity) { Byte(gx, gy, 5) = entity; }
  void Texture(int gx, int gy, uint8_t texture) { Byte(gx, gy, 0) = texture; }
  void Wall(int gx, int gy) { Object(gx, gy, game::obj::kSolid); }

  uint8_t& Byte(int gx, int gy, int k) {
    return bytes_[game::LevelCellOffset(gx - game::kLevelLeft, gy - game::kLevelTop) + k];
  }

  const game::LevelBytes& bytes() const { return bytes_; }

  // The first `size` bytes, as a short file holds them.
  std::vector<uint8_t> File(size_t size = game::kLevelFileSize) const {
    return std::vector<uint8_t>(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(size));
  }

  void Write(const std::string& path, size_t size = game::kLevelFileSize) const {
    const std::vector<uint8_t> file = File(size);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
  }

  // Into a memory store under a data path ("\data\levels\campaign\0.dmp").
  void Put(game::MemoryLevelStore& store, const std::string& data_path,
           size_t size = game::kLevelFileSize) const {
    store.Put(data_path, File(size));
  }

 private:
  game::LevelBytes bytes_{};
};

}  // namespace bv::test

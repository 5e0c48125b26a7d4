#pragma once

// Crafted level files for tests: a 60000-byte image addressed by grid cell.

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

#include "game/world.h"

namespace bv::test {

struct FileCell {
  uint8_t texture = 1;
  uint8_t r = 255, g = 255, b = 255;
  uint8_t object = 0;
  uint8_t entity = 0;
};

class LevelBuilder {
 public:
  // Every cell starts as drawn, white, empty floor.
  LevelBuilder() { Fill(FileCell{}); }

  void Fill(const FileCell& c) {
    for (int a = 0; a < game::kLevelSize; ++a)
      for (int b = 0; b < game::kLevelSize; ++b) Put(a, b, c);
  }

  // Grid coordinates (level cells are x 7..106, y 5..104).
  void Set(int gx, int gy, const FileCell& c) { Put(gx - game::kLevelLeft, gy - game::kLevelTop, c); }
  void Object(int gx, int gy, uint8_t object) { Byte(gx, gy, 4) = object; }
  void Entity(int gx, int gy, uint8_t entity) { Byte(gx, gy, 5) = entity; }
  void Texture(int gx, int gy, uint8_t texture) { Byte(gx, gy, 0) = texture; }
  void Wall(int gx, int gy) { Object(gx, gy, 1); }

  uint8_t& Byte(int gx, int gy, int k) {
    return bytes_[(gx - game::kLevelLeft) * 600 + (gy - game::kLevelTop) * 6 + k];
  }

  const std::array<uint8_t, game::kLevelFileSize>& bytes() const { return bytes_; }

  void Write(const std::string& path, size_t size = game::kLevelFileSize) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(size));
  }

 private:
  void Put(int a, int b, const FileCell& c) {
    uint8_t* p = &bytes_[a * 600 + b * 6];
    p[0] = c.texture;
    p[1] = c.r;
    p[2] = c.g;
    p[3] = c.b;
    p[4] = c.object;
    p[5] = c.entity;
  }

  std::array<uint8_t, game::kLevelFileSize> bytes_{};
};

}  // namespace bv::test

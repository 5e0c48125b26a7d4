#include "level/level_image.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <tuple>

namespace bv::level {

bool Cell::operator<(const Cell& o) const {
  return std::tie(texture, r, g, b, object, entity) <
         std::tie(o.texture, o.r, o.g, o.b, o.object, o.entity);
}

std::vector<uint8_t> LevelImage::ToBytes() const {
  std::vector<uint8_t> out(kFileSize);
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) {
      const Cell& c = at(x, y);
      uint8_t* p = &out[static_cast<size_t>(x * kMapSize * kCellBytes + y * kCellBytes)];
      p[0] = c.texture;
      p[1] = c.r;
      p[2] = c.g;
      p[3] = c.b;
      p[4] = c.object;
      p[5] = c.entity;
    }
  }
  return out;
}

LevelImage LevelImage::FromBytes(const std::vector<uint8_t>& bytes) {
  LevelImage image;
  if (bytes.size() != static_cast<size_t>(kFileSize)) return image;
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) {
      const uint8_t* p = &bytes[static_cast<size_t>(x * kMapSize * kCellBytes + y * kCellBytes)];
      image.at(x, y) = Cell{p[0], p[1], p[2], p[3], p[4], p[5]};
    }
  }
  return image;
}

bool ReadLevelFile(const std::string& path, LevelImage& image, std::string& error) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    error = path + ": cannot open: " + std::strerror(errno);
    return false;
  }
  // One byte more than a level, to tell a longer file from a full one.
  std::vector<uint8_t> bytes(kFileSize + 1);
  size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
  bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) {
    error = path + ": read error";
    return false;
  }
  if (got != static_cast<size_t>(kFileSize)) {
    error = path + ": a level file is exactly " + std::to_string(kFileSize) + " bytes, this one " +
            (got > static_cast<size_t>(kFileSize) ? "is longer" : "has " + std::to_string(got));
    return false;
  }
  bytes.resize(kFileSize);
  image = LevelImage::FromBytes(bytes);
  return true;
}

bool WriteLevelFile(const std::string& path, const LevelImage& image, std::string& error) {
  std::vector<uint8_t> bytes = image.ToBytes();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    error = path + ": cannot create: " + std::strerror(errno);
    return false;
  }
  size_t put = std::fwrite(bytes.data(), 1, bytes.size(), f);
  bool failed = put != bytes.size();
  if (std::fclose(f) != 0) failed = true;
  if (failed) {
    error = path + ": write error";
    std::remove(path.c_str());
    return false;
  }
  return true;
}

}  // namespace bv::level

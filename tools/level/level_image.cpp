#include "level/level_image.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace bv::level {

namespace {

game::LevelBytes Encode(const LevelImage& image) {
  game::LevelBytes bytes{};
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) game::PutLevelCell(bytes, x, y, image.at(x, y));
  }
  return bytes;
}

}  // namespace

std::vector<uint8_t> LevelImage::ToBytes() const {
  const game::LevelBytes bytes = Encode(*this);
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void LevelImage::Load(const std::vector<uint8_t>& bytes) {
  game::LevelBytes raw = Encode(*this);
  game::LoadLevelBytes(bytes.data(), bytes.size(), raw);
  for (int x = 0; x < kMapSize; ++x) {
    for (int y = 0; y < kMapSize; ++y) at(x, y) = game::GetLevelCell(raw, x, y);
  }
}

LevelImage LevelImage::FromBytes(const std::vector<uint8_t>& bytes) {
  LevelImage image;
  image.Load(bytes);
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

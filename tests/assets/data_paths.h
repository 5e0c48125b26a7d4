#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace bv::assets::test {

inline std::string DataFile(const std::string& rel) { return std::string(BV_BUILD_DIR) + "/data/" + rel; }

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline uint8_t Alpha(uint32_t argb) { return argb >> 24; }
inline float Luma(uint32_t argb) {
  return (0.3f * ((argb >> 16) & 255) + 0.59f * ((argb >> 8) & 255) + 0.11f * (argb & 255)) / 255.0f;
}

}  // namespace bv::assets::test

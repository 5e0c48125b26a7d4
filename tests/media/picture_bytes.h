#pragma once

// Crafted picture files for the reader tests and the fuzzers' seeds: TGA and
// Windows bitmap bytes built field by field.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "media/le_bytes.h"

namespace bv::test {

inline void PutU16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  media::WriteU16(b.data() + at, static_cast<uint16_t>(v));
}
inline void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  media::WriteU32(b.data() + at, v);
}
inline void AddU32(std::vector<uint8_t>& b, uint32_t v) {
  b.resize(b.size() + 4);
  PutU32(b, b.size() - 4, v);
}

struct TgaHeader {
  uint8_t id_length = 0;
  uint8_t color_map_type = 0;
  uint8_t image_type = 2;
  uint16_t width = 0;
  uint16_t height = 0;
  uint8_t depth = 24;
  uint8_t descriptor = 0;
};

inline std::vector<uint8_t> TgaHeaderBytes(const TgaHeader& h) {
  std::vector<uint8_t> b(18, 0);
  b[0] = h.id_length;
  b[1] = h.color_map_type;
  b[2] = h.image_type;
  PutU16(b, 12, h.width);
  PutU16(b, 14, h.height);
  b[16] = h.depth;
  b[17] = h.descriptor;
  b.insert(b.end(), h.id_length, 'i');
  return b;
}

// One stored pixel (blue, green, red and, at depth 32, alpha) of 0xAARRGGBB.
inline void AddTgaPixel(std::vector<uint8_t>& b, uint32_t argb, int depth) {
  b.push_back(static_cast<uint8_t>(argb));
  b.push_back(static_cast<uint8_t>(argb >> 8));
  b.push_back(static_cast<uint8_t>(argb >> 16));
  if (depth == 32) b.push_back(static_cast<uint8_t>(argb >> 24));
}

// An uncompressed TGA; `stored` holds the pixels in file order.
inline std::vector<uint8_t> Tga(TgaHeader h, const std::vector<uint32_t>& stored) {
  std::vector<uint8_t> b = TgaHeaderBytes(h);
  for (uint32_t p : stored) AddTgaPixel(b, p, h.depth);
  return b;
}

// A Windows bitmap, bottom-up as usual, 24 or 32 bits; `top_down` lists the
// pixels top row first as 0xAARRGGBB.
inline std::vector<uint8_t> Bmp(int width, int height, int depth,
                                const std::vector<uint32_t>& top_down) {
  const size_t row = ((static_cast<size_t>(width) * depth / 8) + 3) & ~size_t{3};
  std::vector<uint8_t> b(54, 0);
  b[0] = 'B';
  b[1] = 'M';
  PutU32(b, 2, static_cast<uint32_t>(54 + row * height));
  PutU32(b, 10, 54);
  PutU32(b, 14, 40);
  PutU32(b, 18, static_cast<uint32_t>(width));
  PutU32(b, 22, static_cast<uint32_t>(height));
  PutU16(b, 26, 1);
  PutU16(b, 28, static_cast<uint32_t>(depth));
  PutU32(b, 34, static_cast<uint32_t>(row * height));
  for (int y = height - 1; y >= 0; --y) {
    size_t start = b.size();
    for (int x = 0; x < width; ++x) AddTgaPixel(b, top_down[y * width + x], depth);
    b.resize(start + row, 0);
  }
  return b;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace bv::test

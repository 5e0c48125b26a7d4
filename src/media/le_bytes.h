#pragma once

// Little-endian fields of the binary file formats (media files, the settings
// record, sound files, the tools' outputs), read and written byte by byte.
// Header only, so any library may use it without linking the media library.

#include <cstdint>
#include <cstring>
#include <vector>

namespace bv::media {

// Four characters as the little-endian 32-bit value they make in a file.
constexpr uint32_t FourCc(const char (&s)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(s[0])) |
         static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[3])) << 24;
}

inline uint16_t ReadU16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline int32_t ReadI32(const uint8_t* p) {
  return static_cast<int32_t>(ReadU32(p));
}

inline float ReadF32(const uint8_t* p) {
  uint32_t bits = ReadU32(p);
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

inline void WriteU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

inline void WriteU32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

inline void WriteI32(uint8_t* p, int32_t v) {
  WriteU32(p, static_cast<uint32_t>(v));
}

inline void WriteF32(uint8_t* p, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  WriteU32(p, bits);
}

inline void AppendU16(std::vector<uint8_t>& out, uint16_t v) {
  uint8_t b[2];
  WriteU16(b, v);
  out.insert(out.end(), b, b + 2);
}

inline void AppendU32(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t b[4];
  WriteU32(b, v);
  out.insert(out.end(), b, b + 4);
}

inline void AppendI32(std::vector<uint8_t>& out, int32_t v) {
  AppendU32(out, static_cast<uint32_t>(v));
}

}  // namespace bv::media

#pragma once

#include <cstdint>

namespace bv::render {

// A colour as the game stores it: red in bits 0..7, green 8..15, blue 16..23,
// alpha 24..31. Settings colours carry alpha 0.
using Color = uint32_t;

constexpr Color kOpaqueWhite = 0xFFFFFFFFu;

// Each argument counts by its low 8 bits only.
constexpr Color ColorRGB(int r, int g, int b) {
  return (static_cast<uint32_t>(r) & 0xFFu) | ((static_cast<uint32_t>(g) & 0xFFu) << 8) |
         ((static_cast<uint32_t>(b) & 0xFFu) << 16);
}

constexpr Color ColorARGB(int a, int r, int g, int b) {
  return ColorRGB(r, g, b) | ((static_cast<uint32_t>(a) & 0xFFu) << 24);
}

// ORs the alpha in: alpha bits already set in rgb stay set.
constexpr Color WithAlpha(int a, Color rgb) {
  return ((static_cast<uint32_t>(a) & 0xFFu) << 24) | rgb;
}

constexpr uint8_t RedOf(Color c) {
  return static_cast<uint8_t>(c);
}
constexpr uint8_t GreenOf(Color c) {
  return static_cast<uint8_t>(c >> 8);
}
constexpr uint8_t BlueOf(Color c) {
  return static_cast<uint8_t>(c >> 16);
}
constexpr uint8_t AlphaOf(Color c) {
  return static_cast<uint8_t>(c >> 24);
}

}  // namespace bv::render

#pragma once

// Texture pixel formats, numbered as the drawing layer has always numbered them.

#include <cstdint>

namespace bv::media {

enum PixelFormat : int32_t {
  kFormatA8R8G8B8 = 21,  // the only one the game itself uses
  kFormatX8R8G8B8 = 22,
  kFormatR5G6B5 = 23,
  kFormatX1R5G5B5 = 24,
  kFormatA1R5G5B5 = 25,
  kFormatA4R4G4B4 = 26,
  kFormatR3G3B2 = 27,
  kFormatA8 = 28,  // known but refused
  kFormatA8R3G3B2 = 29,
  kFormatX4R4G4B4 = 30,
};

// True for the formats an image may be loaded into (21..30 except 28).
bool IsAcceptedFormat(int32_t format);

// Bytes per pixel of an accepted format; 0 for any other value.
int BytesPerPixel(int32_t format);

}  // namespace bv::media

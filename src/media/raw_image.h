#pragma once

// The raw image record ("PIMG"): textures already packed with patterns, as
// stored inside archives (the font's glyph image is one).
//
//   0  "PIMG"   4 texture width   8 texture height   12 pattern width (0: texture width)
//   16 pattern height (0: texture height)   20 texture count (at least 1)
//   24 the textures one after another: rows top first, each pixel a little-endian
//      32-bit A8R8G8B8 value.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "media/le_bytes.h"

namespace bv::media {

class PatternPages;

constexpr uint32_t kRawImageMagic = FourCc("PIMG");
constexpr size_t kRawImageHeaderSize = 24;

struct RawImageHeader {
  int32_t texture_width = 0;
  int32_t texture_height = 0;
  int32_t pattern_width = 0;
  int32_t pattern_height = 0;
  int32_t texture_count = 0;
};

// Reads the header fields as stored: 0, or -13 when the record is shorter than
// its header or lacks the magic. The values are not checked here.
int32_t ReadRawImageHeader(const uint8_t* record, size_t size, RawImageHeader* header);

// Writes loaded pages as a raw image record (converted to A8R8G8B8 when held
// in another format). Returns 0, or -1 when nothing is loaded.
int32_t BuildRawImage(const PatternPages& pages, std::vector<uint8_t>* record);

}  // namespace bv::media

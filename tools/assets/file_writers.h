#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace bv::assets {

using Bytes = std::vector<uint8_t>;

// Windows bitmap, bottom-up, BI_RGB: 24 bits (opaque) or 32 bits (alpha in the fourth byte).
Bytes EncodeBmp(const Image& img, bool with_alpha);
// Truevision TGA, 32 bits with alpha, top row first; run-length encoded (type 10)
// when `rle`, else uncompressed (type 2).
Bytes EncodeTga(const Image& img, bool rle);
// RIFF WAVE, 16-bit PCM mono.
Bytes EncodeWav(const std::vector<int16_t>& samples, int rate);

void WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace bv::assets

#pragma once

// Truevision TGA pictures: uncompressed (type 2) and run-length coded (type
// 10) true colour, 24 or 32 bits. Failures raise ImageReadError with one of
// the four texts below, or ImageFileError for file trouble.

#include <cstddef>
#include <cstdint>
#include <string>

#include "media/bitmap.h"

namespace bv::media {

inline constexpr char kTgaNotTrueColor[] = "TGA graphics is not in True-Color";
inline constexpr char kTgaColorMapped[] = "Color-mapped TGA is not supported";
inline constexpr char kTgaBadDepth[] = "Invalid TGA Bit-depth!";
inline constexpr char kTgaMirrored[] = "Mirrored TGA is not supported!";

// `name` only labels file errors.
Bitmap DecodeTga(const uint8_t* data, size_t size, const std::string& name);
Bitmap ReadTgaFile(const std::string& path);

}  // namespace bv::media

#pragma once

// The game's picture reader: a name ending in ".tga" (any letter case) goes to
// the TGA reader, anything else is read as a Windows bitmap through SDL.
// Failures raise ImageReadError (ImageFileError for file trouble).

#include <cstddef>
#include <cstdint>
#include <string>

#include "media/bitmap.h"

namespace bv::media {

Bitmap ReadBitmapFile(const std::string& path);

// A Windows bitmap held in memory; 24-bit and palette pictures come out
// opaque, 32-bit ones keep their fourth byte as alpha. `name` labels errors.
Bitmap DecodeWindowsBitmap(const uint8_t* data, size_t size, const std::string& name);

bool HasTgaExtension(const std::string& path);

}  // namespace bv::media

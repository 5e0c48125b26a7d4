#pragma once

#include "file_writers.h"
#include "text.h"

namespace bv::assets {

// The game's bitmap font file: white glyphs with alpha for the Windows-1250
// codes 32..255, sized for text lines 10 pixels apart.
Bytes MakeFontFile(const Fonts& fonts);

}  // namespace bv::assets

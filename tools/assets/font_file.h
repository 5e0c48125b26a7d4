#pragma once

#include <cstdint>
#include <string>

#include "file_writers.h"
#include "text.h"

namespace bv::assets {

// The game's bitmap font: white glyphs with alpha coverage for the
// Windows-1250 codes 32..255, sized for text lines 10 pixels apart.
constexpr int32_t kFontFirstChar = 32;
constexpr int32_t kFontGlyphCount = 224;
constexpr uint32_t kFontSignature = 0x544E4642;  // "BFNT"
const char kFontFace[] = "DejaVuSansCondensed-Bold.ttf";
constexpr float kFontPixels = 9.0f;

// Writes the font archive ("font": the glyph image record, "sizedata": glyph
// count, first code, baseline, then width and height of every glyph) to `path`.
void WriteFontFile(const Fonts& fonts, const std::string& path);
// The same archive's bytes (written through a scratch file).
Bytes MakeFontFile(const Fonts& fonts);

}  // namespace bv::assets

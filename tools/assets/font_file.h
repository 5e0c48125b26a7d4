#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// The glyphs as the font file stores them: glyph g (code 32 + g) is a cell of
// cell_w x cell_h with its baseline `baseline` rows down; advance 0 = no character.
struct GameFont {
  int cell_w = 0, cell_h = 0, baseline = 0;
  std::vector<Glyph> glyphs;
  std::vector<int> advances;
};
GameFont BuildGameFont(const Fonts& fonts);

// Writes the font archive ("font": the glyph image record, "sizedata": glyph
// count, first code, baseline, then width and height of every glyph) to `path`.
void WriteFontFile(const Fonts& fonts, const std::string& path);
// The same archive's bytes (written through a scratch file).
Bytes MakeFontFile(const Fonts& fonts);

}  // namespace bv::assets

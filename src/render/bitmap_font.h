#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "render/color.h"

namespace bv::render {

class DrawDevice;
class PatternImage;

// The game's one bitmap font: a glyph image whose pattern g is the glyph of
// character first_char + g, and a table of advance widths and heights.
// Texts are Windows-1250 bytes; "#$AABBGGRR" inside a text (eight hex digits
// in the game's colour layout) switches the colour for what follows.
class BitmapFont {
 public:
  static constexpr uint32_t kSignature = 0x544E4642;  // "BFNT"
  enum Style : uint8_t { kBold = 1, kItalic = 2 };

  explicit BitmapFont(DrawDevice* device = nullptr);
  ~BitmapFont();
  BitmapFont(const BitmapFont&) = delete;
  BitmapFont& operator=(const BitmapFont&) = delete;

  void set_device(DrawDevice* device) { device_ = device; }
  DrawDevice* device() const { return device_; }

  // Reads the font archive: the "font" record as the glyph image, "sizedata"
  // as the sizes. 0, or -1 (a font is loaded or no device), the archive's
  // and the image's codes (-17, -20, -22, -23, -24, -27, -11, -12, -13, -10),
  // or -13 for a size table shorter than it says. Nothing stays loaded on failure.
  int32_t LoadFont(const std::string& path, int32_t format);
  // Releases the glyph image. Always 0.
  int32_t UnloadFont();

  // Draws the text with its first glyph's top-left at (x, y); effect 4 is
  // added when missing. 0, or -1 when no font is loaded.
  int32_t TextOut(const std::string& text, int32_t x, int32_t y, Color color, int effect);
  int32_t TextOut(const std::string& text, int32_t x, int32_t y, Color color) {
    return TextOut(text, x, y, color, 0);
  }
  // Total advance and tallest glyph in pixels; 0 without a font.
  int32_t TextWidth(const std::string& text) const;
  int32_t TextHeight(const std::string& text) const;

  bool loaded() const { return loaded_; }
  // Size factor in 1/256 (256 = natural size).
  int32_t scale() const { return scale_; }
  void set_scale(int32_t scale) { scale_ = scale; }
  uint8_t style() const { return style_; }
  void set_style(uint8_t style) { style_ = style; }
  // Pixels added after every glyph's advance.
  int32_t spacing() const { return spacing_; }
  void set_spacing(int32_t spacing) { spacing_ = spacing; }
  // Stored only: tags are recognised either way.
  bool text_tags() const { return text_tags_; }
  void set_text_tags(bool on) { text_tags_ = on; }

  int32_t glyph_count() const { return glyph_count_; }
  int32_t first_char() const { return first_char_; }
  const std::vector<int32_t>& glyph_widths() const { return glyph_widths_; }
  const std::vector<int32_t>& glyph_heights() const { return glyph_heights_; }
  // The glyph image, nullptr when none is held.
  const PatternImage* glyph_image() const { return image_.get(); }

 private:
  int32_t GlyphOf(uint8_t c) const;
  int32_t Scaled(int64_t v) const;

  DrawDevice* device_;
  std::unique_ptr<PatternImage> image_;
  bool loaded_ = false;
  int32_t scale_ = 256;
  uint8_t style_ = 0;
  int32_t spacing_ = 0;
  bool text_tags_ = false;
  int32_t glyph_count_ = 0;
  int32_t first_char_ = 0;
  int32_t size_extra_ = 0;  // the table's third value, kept but not used
  std::vector<int32_t> glyph_widths_;
  std::vector<int32_t> glyph_heights_;
};

// Where a colour tag starts at position i (0-based) of a text: "#$" followed
// by eight hex digits and at least one more character. Sets *color when the
// digits are valid; returns false when there is no tag at i.
bool ColorTagAt(const std::string& text, size_t i, Color* color);

}  // namespace bv::render

#include "render/bitmap_font.h"

#include <algorithm>
#include <cstdint>

#include "game/int32.h"
#include "media/error_codes.h"
#include "media/le_bytes.h"
#include "media/record_archive.h"
#include "render/draw_device.h"
#include "render/pattern_image.h"

namespace bv::render {

using media::kErrInvalidCall;
using media::kErrInvalidData;
using media::kOk;

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

constexpr size_t kTagLength = 10;  // "#$" and eight hex digits
constexpr int64_t kPenLimit = int64_t{1} << 30;

using game::Saturate;

}  // namespace

bool ColorTagAt(const std::string& text, size_t i, Color* color) {
  // Kept: a tag must leave two more characters after it; one in the last
  // eleven places is drawn as text.
  if (i + kTagLength + 1 >= text.size() || text[i] != '#' || text[i + 1] != '$') return false;
  Color value = 0;
  for (size_t k = i + 2; k < i + kTagLength; ++k) {
    const int d = HexDigit(text[k]);
    if (d < 0) return true;  // not a number: the colour stays
    value = (value << 4) | static_cast<Color>(d);
  }
  *color = value;
  return true;
}

BitmapFont::BitmapFont(DrawDevice* device) : device_(device) {}

BitmapFont::~BitmapFont() {
  UnloadFont();
}

int32_t BitmapFont::LoadFont(const std::string& path, int32_t format) {
  if (loaded_ || device_ == nullptr) return kErrInvalidCall;
  media::RecordArchive archive;
  archive.set_open_mode(media::OpenMode::kReadOnly);
  archive.set_file_name(path);
  archive.set_signature(kSignature);
  int32_t code = archive.Open();
  if (code != kOk) return code;

  auto image = std::make_unique<PatternImage>(*device_);
  code = image->LoadFromArchive(archive, "font", format);
  if (code != kOk) return code;

  media::ArchiveRecord sizes;
  code = archive.ReadRecord("sizedata", &sizes);
  if (code != kOk) return code;  // the image goes with its owner

  // Three values, then a width and a height per glyph; a table shorter than
  // its count says is refused rather than read past its end.
  const std::vector<uint8_t>& d = sizes.data;
  if (d.size() < 12) return kErrInvalidData;
  const int32_t count = media::ReadI32(d.data());
  if (count < 0 || static_cast<uint64_t>(count) > (d.size() - 12) / 8) return kErrInvalidData;
  glyph_count_ = count;
  first_char_ = media::ReadI32(d.data() + 4);
  size_extra_ = media::ReadI32(d.data() + 8);
  glyph_widths_.resize(static_cast<size_t>(count));
  glyph_heights_.resize(static_cast<size_t>(count));
  for (size_t g = 0; g < static_cast<size_t>(count); ++g) {
    glyph_widths_[g] = media::ReadI32(d.data() + 12 + g * 8);
    glyph_heights_[g] = media::ReadI32(d.data() + 16 + g * 8);
  }
  image_ = std::move(image);
  loaded_ = true;
  return kOk;
}

int32_t BitmapFont::UnloadFont() {
  image_.reset();
  loaded_ = false;
  return kOk;
}

int32_t BitmapFont::GlyphOf(uint8_t c) const {
  const int64_t g = static_cast<int64_t>(c) - first_char_;
  return g >= 0 && g < glyph_count_ ? static_cast<int32_t>(g) : -1;
}

int32_t BitmapFont::Scaled(int64_t v) const {
  // Truncates toward zero.
  return Saturate(v * scale_ / 256);
}

int32_t BitmapFont::TextOut(const std::string& text, int32_t x, int32_t y, Color color,
                            int effect) {
  if (!loaded_ || device_ == nullptr) return kErrInvalidCall;
  if (text.empty()) return kOk;
  if ((effect & 4) == 0) effect += 4;
  const PatternImage& image = *image_;
  const int32_t w = Scaled(image.pattern_width());
  const int32_t h = Scaled(image.pattern_height());
  // Italic: the top edge leans right by a quarter of the glyph cell's width.
  const int64_t slant = static_cast<int64_t>(image.pattern_width()) * scale_ / 1024;
  int64_t pen = x;
  for (size_t i = 0; i < text.size(); ++i) {
    // The character right after a tag is drawn, never read as another tag.
    if (ColorTagAt(text, i, &color)) i += kTagLength;
    const int32_t g = GlyphOf(static_cast<uint8_t>(text[i]));
    if (g < 0) continue;
    PatternSelection selection;
    selection.index = g;
    // Advances from a damaged size table may run the pen out of range.
    if (pen < -kPenLimit || pen > kPenLimit) break;
    const Color colors[4] = {color, color, color, color};
    auto quad = [&](int64_t qx) {
      const int64_t s = (style_ & kItalic) != 0 ? slant : 0;
      const int32_t bottom = Saturate(int64_t{y} + h);
      const Point corners[4] = {{Saturate(qx + s), y},
                                {Saturate(qx + w + s), y},
                                {Saturate(qx + w), bottom},
                                {Saturate(qx), bottom}};
      device_->DrawQuad(image, corners, colors, selection, effect);
    };
    const int64_t at = pen;
    if ((style_ & kBold) != 0) {
      quad(at - 1);
      quad(at + 1);
    }
    quad(at);
    pen += static_cast<int64_t>(Scaled(glyph_widths_[static_cast<size_t>(g)])) + spacing_;
  }
  return kOk;
}

int32_t BitmapFont::TextWidth(const std::string& text) const {
  if (!loaded_) return 0;
  int64_t width = 0;
  Color ignored = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (ColorTagAt(text, i, &ignored)) i += kTagLength;
    const int32_t g = GlyphOf(static_cast<uint8_t>(text[i]));
    if (g >= 0)
      width += static_cast<int64_t>(Scaled(glyph_widths_[static_cast<size_t>(g)])) + spacing_;
  }
  return Saturate(width);
}

int32_t BitmapFont::TextHeight(const std::string& text) const {
  if (!loaded_) return 0;
  int32_t height = 0;
  Color ignored = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (ColorTagAt(text, i, &ignored)) i += kTagLength;
    const int32_t g = GlyphOf(static_cast<uint8_t>(text[i]));
    if (g >= 0) height = std::max(height, Scaled(glyph_heights_[static_cast<size_t>(g)]));
  }
  return height;
}

}  // namespace bv::render

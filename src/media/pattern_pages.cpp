#include "media/pattern_pages.h"

#include "media/converter.h"
#include "media/error_codes.h"
#include "media/le_bytes.h"
#include "media/pixel_format.h"
#include "media/raw_image.h"
#include "media/record_archive.h"
#include "media/size_limits.h"

namespace bv::media {

// Bitmap pixels are handed to the row converter as little-endian 32-bit values.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "pixel rows assume a little-endian host");

int32_t PatternPages::Allocate(int32_t pw, int32_t ph, int32_t tw, int32_t th, int32_t count,
                               int32_t format) {
  uint64_t page_bytes = 0;
  uint64_t all_bytes = 0;
  if (!BoundedProduct(tw, th, BytesPerPixel(format), &page_bytes) ||
      !BoundedProduct(static_cast<int64_t>(page_bytes), count, 1, &all_bytes))
    return kErrCreateTexture;
  format_ = format;
  pattern_width_ = pw;
  pattern_height_ = ph;
  texture_width_ = tw;
  texture_height_ = th;
  patterns_per_row_ = tw / pw;
  patterns_per_column_ = th / ph;
  pages_.assign(static_cast<size_t>(count), std::vector<uint8_t>(static_cast<size_t>(page_bytes)));
  loaded_ = true;
  return kOk;
}

void PatternPages::Release() {
  pages_.clear();
  pages_.shrink_to_fit();
  loaded_ = false;
  pattern_count_ = 0;
}

size_t PatternPages::row_pitch() const {
  return static_cast<size_t>(texture_width_) * static_cast<size_t>(BytesPerPixel(format_));
}

PatternPlace PatternPages::PlaceOf(int32_t p) const {
  const int32_t per_texture = patterns_per_texture();
  if (per_texture <= 0 || p < 0) return {};
  const int32_t s = p % per_texture;
  return {p / per_texture, (s % patterns_per_row_) * pattern_width_,
          (s / patterns_per_row_) * pattern_height_};
}

uint32_t PatternPages::PixelAt(int32_t t, int32_t x, int32_t y) const {
  return ReadU32(page(t).data() + static_cast<size_t>(y) * row_pitch() +
                 static_cast<size_t>(x) * 4);
}

int32_t PatternPages::LoadFromFile(const std::string& path, int32_t pw, int32_t ph, int32_t tw,
                                   int32_t th, int32_t format, const BitmapFileReader& read) {
  if (loaded_) return kErrInvalidCall;
  if (!ConverterAvailable()) return kErrConverter;
  if (!IsAcceptedFormat(format)) return kErrFormat;
  const Bitmap picture = read(path);
  return LoadFromBitmap(picture, pw, ph, tw, th, format);
}

int32_t PatternPages::LoadFromBitmap(const Bitmap& picture, int32_t pw, int32_t ph, int32_t tw,
                                     int32_t th, int32_t format) {
  if (loaded_) return kErrInvalidCall;
  if (!ConverterAvailable()) return kErrConverter;
  if (!IsAcceptedFormat(format)) return kErrFormat;
  const int32_t width = picture.width;
  const int32_t height = picture.height;
  if (width < 0 || height < 0 ||
      picture.pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
    return kErrInvalidCall;
  const int32_t source_format = picture.has_alpha ? kFormatA8R8G8B8 : kFormatX8R8G8B8;

  if (pw == 0) pw = width;
  if (ph == 0) ph = height;
  // A zero-sized picture leaves a zero pattern: refused like any pattern it cannot hold.
  if (pw < 1 || ph < 1 || tw < pw || th < ph || width < pw || height < ph) return kErrInvalidCall;

  // Columns and rows left over at the right and bottom edges are not used.
  const int32_t across = width / pw;
  const int32_t down = height / ph;
  const int64_t count = static_cast<int64_t>(across) * down;
  const int64_t per_texture = static_cast<int64_t>(tw / pw) * (th / ph);
  const int64_t textures = (count + per_texture - 1) / per_texture;
  if (textures > INT32_MAX) return kErrCreateTexture;

  int32_t rc = Allocate(pw, ph, tw, th, static_cast<int32_t>(textures), format);
  if (rc != kOk) return rc;
  pattern_count_ = static_cast<int32_t>(count);

  const int bpp = BytesPerPixel(format);
  for (int32_t t = 0; t < texture_count(); ++t) {
    uint8_t* page = pages_[static_cast<size_t>(t)].data();
    for (int64_t s = 0; s < per_texture; ++s) {
      const int64_t n = t * per_texture + s;
      if (n >= count) break;  // this pattern would reach below the picture
      const PatternPlace to = PlaceOf(static_cast<int32_t>(n));
      const size_t sx = static_cast<size_t>(n % across) * pw;
      const size_t sy = static_cast<size_t>(n / across) * ph;
      for (int32_t r = 0; r < ph; ++r) {
        const uint32_t* src = picture.pixels.data() + (sy + r) * static_cast<size_t>(width) + sx;
        uint8_t* dst =
            page + static_cast<size_t>(to.y + r) * row_pitch() + static_cast<size_t>(to.x) * bpp;
        PcLineConv(src, dst, pw, source_format, format);
      }
    }
  }
  return kOk;
}

int32_t PatternPages::LoadFromMemory(const uint8_t* record, size_t size, int32_t format) {
  if (loaded_) return kErrInvalidCall;
  if (!IsAcceptedFormat(format)) return kErrFormat;
  RawImageHeader h;
  int32_t rc = ReadRawImageHeader(record, size, &h);
  if (rc != kOk) return rc;

  int32_t pw = h.pattern_width == 0 ? h.texture_width : h.pattern_width;
  int32_t ph = h.pattern_height == 0 ? h.texture_height : h.pattern_height;
  if (h.texture_count < 1 || pw < 1 || ph < 1 || pw > h.texture_width || ph > h.texture_height)
    return kErrInvalidCall;

  // The textures must be present in full, and within the bound, before we allocate.
  uint64_t texture_bytes = 0;
  uint64_t all_bytes = 0;
  if (!BoundedProduct(h.texture_width, h.texture_height, 4, &texture_bytes) ||
      !BoundedProduct(static_cast<int64_t>(texture_bytes), h.texture_count, 1, &all_bytes) ||
      size - kRawImageHeaderSize < all_bytes)
    return kErrInvalidData;

  rc = Allocate(pw, ph, h.texture_width, h.texture_height, h.texture_count, format);
  if (rc != kOk) return rc;
  pattern_count_ = h.texture_count * patterns_per_texture();

  const uint8_t* src = record + kRawImageHeaderSize;
  for (int32_t t = 0; t < h.texture_count; ++t) {
    if (!ConverterAvailable()) {
      Release();
      return kErrConverter;
    }
    uint8_t* dst = pages_[static_cast<size_t>(t)].data();
    for (int32_t r = 0; r < h.texture_height; ++r) {
      if (PcLineConv(src, dst, h.texture_width, kFormatA8R8G8B8, format) != kOk) {
        Release();
        return kErrFormat;
      }
      src += static_cast<size_t>(h.texture_width) * 4;
      dst += row_pitch();
    }
  }
  return kOk;
}

int32_t PatternPages::LoadFromArchive(const RecordArchive& archive, const std::string& name,
                                      int32_t format) {
  const std::string cut = name.substr(0, kMaxRecordName);
  if (loaded_) return kErrInvalidCall;
  ArchiveRecord record;
  int32_t rc = archive.ReadRecord(cut, &record);
  if (rc != kOk) return rc;
  // The font's glyph image passes by its name, whatever its type.
  if (archive.version() >= kArchiveVersion && record.type != kRecordTypeRawImage &&
      RecordKey(cut) != "FONT")
    return kErrNotPatternImage;
  return LoadFromMemory(record.data.data(), record.data.size(), format);
}

}  // namespace bv::media

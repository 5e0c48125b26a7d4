#pragma once

// A picture cut into equal patterns (frames, tiles, glyphs) and packed into
// texture pages, held in memory ready for upload by the drawing layer. All
// loads return a code (error_codes.h); picture files that cannot be read
// raise ImageReadError through LoadFromFile.
//
// Packing: pattern p lives in page p / patterns_per_texture; with
// s = p % patterns_per_texture its top-left pixel is
// ((s % patterns_per_row) * pattern_width, (s / patterns_per_row) * pattern_height).
// Page areas outside every pattern are transparent black.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "media/bitmap.h"
#include "media/pixel_format.h"

namespace bv::media {

class RecordArchive;

struct PatternPlace {
  int32_t texture = 0;
  int32_t x = 0;
  int32_t y = 0;
};

class PatternPages {
 public:
  // A picture cut into pw x ph patterns (0: the picture's width or height)
  // into pages of tw x th pixels in `format`. Returns 0, -1 (already loaded;
  // pattern larger than the texture or the picture, or empty), -10 (pages
  // beyond 64 MiB), -11 (format not accepted), -12 (no converter).
  int32_t LoadFromBitmap(const Bitmap& picture, int32_t pw, int32_t ph, int32_t tw, int32_t th,
                         int32_t format);

  // The same from a picture file read with `read` (the game passes
  // ReadBitmapFile). The reader's ImageReadError passes through unchanged;
  // -1, -12 and -11 are checked before the file is read.
  int32_t LoadFromFile(const std::string& path, int32_t pw, int32_t ph, int32_t tw, int32_t th,
                       int32_t format, const BitmapFileReader& read);

  // From a raw image record of `size` bytes. Returns 0, -1 (already loaded;
  // texture count below 1, a pattern larger than the texture, a negative or
  // empty size), -11 (format), -12 (no converter), -13 (no "PIMG" magic,
  // record shorter than its textures, or textures beyond 64 MiB).
  int32_t LoadFromMemory(const uint8_t* record, size_t size, int32_t format);

  // Reads the named record (cut to 31 characters) and loads it as above. A
  // record of a 1.1 archive must be a raw image record (type 1) unless it is
  // named "FONT" (-15). Archive codes pass through unchanged.
  int32_t LoadFromArchive(const RecordArchive& archive, const std::string& name, int32_t format);

  // Drops the pages; the image is no longer loaded.
  void Release();

  bool loaded() const { return loaded_; }
  int32_t format() const { return format_; }
  int32_t pattern_width() const { return pattern_width_; }
  int32_t pattern_height() const { return pattern_height_; }
  int32_t texture_width() const { return texture_width_; }
  int32_t texture_height() const { return texture_height_; }
  int32_t pattern_count() const { return pattern_count_; }
  int32_t patterns_per_row() const { return patterns_per_row_; }
  int32_t patterns_per_column() const { return patterns_per_column_; }
  int32_t patterns_per_texture() const { return patterns_per_row_ * patterns_per_column_; }
  int32_t texture_count() const { return static_cast<int32_t>(pages_.size()); }

  // Page t: texture_height rows of texture_width pixels, top row first, in
  // the image's format (A8R8G8B8: little-endian 32-bit 0xAARRGGBB values).
  const std::vector<uint8_t>& page(int32_t t) const { return pages_[static_cast<size_t>(t)]; }
  const std::vector<std::vector<uint8_t>>& pages() const { return pages_; }
  size_t row_pitch() const;

  // Where pattern p lies by the packing rule (p need not be below pattern_count).
  PatternPlace PlaceOf(int32_t p) const;

  // A8R8G8B8 value at (x, y) of page t; only for images held in format 21.
  uint32_t PixelAt(int32_t t, int32_t x, int32_t y) const;

 private:
  // Sets the geometry and allocates `count` cleared pages: 0, or -10 beyond the bound.
  int32_t Allocate(int32_t pw, int32_t ph, int32_t tw, int32_t th, int32_t count, int32_t format);

  bool loaded_ = false;
  int32_t format_ = 0;
  int32_t pattern_width_ = 0;
  int32_t pattern_height_ = 0;
  int32_t texture_width_ = 0;
  int32_t texture_height_ = 0;
  int32_t pattern_count_ = 0;
  int32_t patterns_per_row_ = 0;
  int32_t patterns_per_column_ = 0;
  std::vector<std::vector<uint8_t>> pages_;
};

}  // namespace bv::media

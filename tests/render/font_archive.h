#pragma once

// Crafted font archives: a glyph picture packed into a raw image record and a
// size table, written with the game's archive writer.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "media/bitmap.h"
#include "media/le_bytes.h"
#include "media/pattern_pages.h"
#include "media/pixel_format.h"
#include "media/raw_image.h"
#include "media/record_archive.h"

namespace bv::test {

struct FontSpec {
  int32_t cell_width = 8;
  int32_t cell_height = 10;
  int32_t first_char = 32;
  std::vector<int32_t> widths;
  std::vector<int32_t> heights;
  int32_t declared_count = -1;  // the count written into the table; -1: widths.size()
  uint32_t signature = media::FourCc("BFNT");
  bool with_sizedata = true;
};

// Glyph g: its first column opaque white, the rest of its cell transparent.
inline media::Bitmap GlyphStrip(const FontSpec& f) {
  media::Bitmap b;
  b.width = f.cell_width * static_cast<int32_t>(f.widths.size());
  b.height = f.cell_height;
  b.has_alpha = true;
  b.pixels.assign(static_cast<size_t>(b.width) * static_cast<size_t>(b.height), 0x00FFFFFFu);
  for (size_t g = 0; g < f.widths.size(); ++g) {
    for (int32_t y = 0; y < f.cell_height; ++y) {
      b.pixels[static_cast<size_t>(y) * b.width + g * f.cell_width] = 0xFFFFFFFFu;
    }
  }
  return b;
}

inline std::vector<uint8_t> SizeTable(const FontSpec& f) {
  std::vector<uint8_t> t;
  media::AppendI32(
      t, f.declared_count >= 0 ? f.declared_count : static_cast<int32_t>(f.widths.size()));
  media::AppendI32(t, f.first_char);
  media::AppendI32(t, 99);
  for (size_t g = 0; g < f.widths.size(); ++g) {
    media::AppendI32(t, f.widths[g]);
    media::AppendI32(t, f.heights[g]);
  }
  return t;
}

// Writes the archive; false when a step failed.
inline bool WriteFontArchive(const std::string& path, const FontSpec& f) {
  media::PatternPages pages;
  // Every glyph in one 128 by 64 texture, so a line of text is one batch.
  if (pages.LoadFromBitmap(GlyphStrip(f), f.cell_width, f.cell_height, 128, 64,
                           media::kFormatA8R8G8B8) != 0) {
    return false;
  }
  std::vector<uint8_t> record;
  if (media::BuildRawImage(pages, &record) != 0) return false;
  media::RecordArchive a;
  a.set_file_name(path);
  a.set_open_mode(media::OpenMode::kOverwrite);
  a.set_signature(f.signature);
  if (a.Open() != 0) return false;
  if (a.WriteRecord("font", media::kRecordTypeRawImage, record) != 0) return false;
  if (f.with_sizedata && a.WriteRecord("sizedata", 0, SizeTable(f)) != 0) return false;
  return true;
}

inline std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void SetFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Changes the stored checksum of a record in its directory entry and its
// record header alike, so that only the payload check can notice.
inline bool DamageChecksum(const std::string& path, const std::string& name) {
  std::vector<uint8_t> b = FileBytes(path);
  if (b.size() < 64) return false;
  const uint32_t dir = media::ReadU32(b.data() + 16);
  const uint32_t count = media::ReadU32(b.data() + 12);
  for (uint32_t e = 0; e < count; ++e) {
    const size_t at = dir + static_cast<size_t>(e) * 64;
    if (at + 64 > b.size()) return false;
    const std::string stored(reinterpret_cast<const char*>(b.data() + at + 1), b[at]);
    if (media::RecordKey(stored) != media::RecordKey(name)) continue;
    const uint32_t offset = media::ReadU32(b.data() + at + 36);
    const uint32_t crc = media::ReadU32(b.data() + at + 40) ^ 0x5A5A5A5Au;
    media::WriteU32(b.data() + at + 40, crc);
    media::WriteU32(b.data() + offset + 40, crc);
    SetFileBytes(path, b);
    return true;
  }
  return false;
}

}  // namespace bv::test

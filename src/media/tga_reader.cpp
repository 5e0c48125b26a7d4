#include "media/tga_reader.h"

#include <algorithm>

#include "media/le_bytes.h"
#include "media/picture_file.h"
#include "media/size_limits.h"

namespace bv::media {

namespace {

constexpr size_t kTgaHeaderSize = 18;

[[noreturn]] void Short(const std::string& name) {
  throw ImageFileError(ShortPictureFileText(name));
}

}  // namespace

Bitmap DecodeTga(const uint8_t* data, size_t size, const std::string& name) {
  if (size < kTgaHeaderSize) Short(name);
  const uint8_t id_length = data[0];
  const uint8_t color_map_type = data[1];
  const uint8_t image_type = data[2];
  const int32_t width = ReadU16(data + 12);
  const int32_t height = ReadU16(data + 14);
  const uint8_t depth = data[16];
  const uint8_t descriptor = data[17];

  if (image_type != 2 && image_type != 10) throw ImageReadError(kTgaNotTrueColor);
  if (color_map_type != 0) throw ImageReadError(kTgaColorMapped);
  if (depth != 24 && depth != 32) throw ImageReadError(kTgaBadDepth);
  if (descriptor & 16) throw ImageReadError(kTgaMirrored);

  const size_t bytes_pp = depth / 8;
  uint64_t total = 0;
  if (!BoundedProduct(width, height, 4, &total))
    throw ImageReadError("TGA picture is too large (" + std::to_string(width) + " x " +
                         std::to_string(height) + ")");
  const size_t pixel_count = static_cast<size_t>(width) * static_cast<size_t>(height);

  size_t pos = kTgaHeaderSize + id_length;
  if (pos > size) Short(name);
  // A file too short for its picture is refused before the picture is
  // allocated: raw pixels take bytes_pp bytes each, and a run-length packet
  // of at least 1 + bytes_pp bytes yields at most 128 pixels.
  const size_t left = size - pos;
  const size_t most = image_type == 2 ? left / bytes_pp : left / (1 + bytes_pp) * 128;
  if (most < pixel_count) Short(name);

  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.has_alpha = depth == 32;
  bitmap.pixels.resize(pixel_count);

  // Stored pixel i goes to its line: the first stored row is the bottom line
  // unless descriptor bit 5 puts it at the top.
  const bool top_first = (descriptor & 32) != 0;
  auto put = [&](size_t i, const uint8_t* px) {
    const size_t row = i / static_cast<size_t>(width);
    const size_t line = top_first ? row : static_cast<size_t>(height) - 1 - row;
    const uint32_t alpha = bytes_pp == 4 ? px[3] : 0;
    bitmap.pixels[line * static_cast<size_t>(width) + i % static_cast<size_t>(width)] =
        alpha << 24 | static_cast<uint32_t>(px[2]) << 16 | static_cast<uint32_t>(px[1]) << 8 |
        px[0];
  };

  if (image_type == 2) {
    for (size_t i = 0; i < pixel_count; ++i) put(i, data + pos + i * bytes_pp);
  } else {
    // Packets run on across row ends; a packet reaching past the last pixel
    // is cut there (the rest of it is dropped), so nothing is written beyond.
    size_t filled = 0;
    while (filled < pixel_count) {
      if (pos >= size) Short(name);
      const uint8_t head = data[pos++];
      const size_t count = std::min<size_t>((head & 127u) + 1u, pixel_count - filled);
      if (head & 128) {
        if (size - pos < bytes_pp) Short(name);
        for (size_t i = 0; i < count; ++i) put(filled + i, data + pos);
        pos += bytes_pp;
      } else {
        if ((size - pos) / bytes_pp < count) Short(name);
        for (size_t i = 0; i < count; ++i) put(filled + i, data + pos + i * bytes_pp);
        pos += count * bytes_pp;
      }
      filled += count;
    }
  }
  return bitmap;
}

Bitmap ReadTgaFile(const std::string& path) {
  std::vector<uint8_t> bytes = ReadPictureFile(path);
  return DecodeTga(bytes.data(), bytes.size(), path);
}

}  // namespace bv::media

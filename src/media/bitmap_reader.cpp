#include "media/bitmap_reader.h"

#include <SDL.h>

#include <cstdlib>
#include <memory>

#include "media/le_bytes.h"
#include "media/picture_file.h"
#include "media/sdl_error.h"
#include "media/size_limits.h"
#include "media/tga_reader.h"

namespace bv::media {

namespace {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// The picture size from the file's info header, checked before SDL sizes a
// surface by it: the claimed size must be bounded, and an uncompressed file
// must hold every pixel row it claims (SDL would fill the missing ones).
// A header cut off before its depth is refused too: SDL reads the missing
// fields as whatever its short read leaves and sizes a surface by them.
// Files that are not bitmaps at all are left for SDL to name.
void CheckDeclaredSize(const uint8_t* data, size_t size, const std::string& name) {
  if (size < 2 || data[0] != 'B' || data[1] != 'M') return;
  const uint32_t header_size = size >= 18 ? ReadU32(data + 14) : 0;
  const bool core = header_size == 12;  // the old 12-byte core header: 16-bit sizes
  // Through the depth (core header) or the compression (info headers).
  const size_t fields_end = core ? 26 : 34;
  if (size < fields_end)
    throw ImageReadError("Windows bitmap \"" + name + "\" is cut short: its header needs " +
                         std::to_string(fields_end) + " bytes, the file has " +
                         std::to_string(size));
  int64_t width = 0;
  int64_t height = 0;
  if (core) {
    width = ReadU16(data + 18);
    height = ReadU16(data + 20);
  } else {
    width = std::llabs(ReadI32(data + 18));
    height = std::llabs(ReadI32(data + 22));
  }
  uint64_t bytes = 0;
  if (!BoundedProduct(width, height, 4, &bytes))
    throw ImageReadError("Windows bitmap \"" + name + "\" is too large (" + std::to_string(width) +
                         " x " + std::to_string(height) + ")");

  if (width == 0 || height == 0) return;
  const uint32_t depth = core ? ReadU16(data + 24) : ReadU16(data + 28);
  const uint32_t compression = core ? 0 : ReadU32(data + 30);
  // Run-length coded pixels may legitimately end early; bit fields and plain
  // rows are stored whole.
  if (compression != 0 && compression != 3 && compression != 6) return;
  if (depth == 0 || depth > 32) return;
  const uint64_t offset = ReadU32(data + 10);
  const uint64_t start = offset != 0 ? offset : 14 + static_cast<uint64_t>(header_size);
  const uint64_t row_bits = static_cast<uint64_t>(width) * depth;
  const uint64_t stride = (row_bits + 31) / 32 * 4;
  const uint64_t needed = start + stride * static_cast<uint64_t>(height - 1) + (row_bits + 7) / 8;
  if (needed > size)
    throw ImageReadError("Windows bitmap \"" + name + "\" is cut short: " + std::to_string(width) +
                         " x " + std::to_string(height) + " at " + std::to_string(depth) +
                         " bits needs " + std::to_string(needed) + " bytes, the file has " +
                         std::to_string(size));
}

// SDL turns a plain 32-bit bitmap whose fourth bytes are all zero into an
// opaque one; we take the fourth byte as alpha whatever it holds, so for
// plain (uncompressed) 32-bit files the alpha is copied from the file itself.
void RestorePlainAlpha(const uint8_t* data, size_t size, Bitmap* bitmap) {
  if (size < 54 || ReadU32(data + 14) < 40 || ReadU16(data + 28) != 32 || ReadU32(data + 30) != 0)
    return;
  const int32_t declared_height = ReadI32(data + 22);
  const uint64_t offset = ReadU32(data + 10);
  const uint64_t row_bytes = static_cast<uint64_t>(bitmap->width) * 4;
  if (offset + row_bytes * static_cast<uint64_t>(bitmap->height) > size) return;
  for (int32_t y = 0; y < bitmap->height; ++y) {
    const int32_t stored_row = declared_height < 0 ? y : bitmap->height - 1 - y;
    const uint8_t* src = data + offset + row_bytes * static_cast<uint64_t>(stored_row);
    uint32_t* dst = bitmap->pixels.data() + static_cast<size_t>(y) * bitmap->width;
    for (int32_t x = 0; x < bitmap->width; ++x)
      dst[x] = (dst[x] & 0x00FFFFFFu) | static_cast<uint32_t>(src[x * 4 + 3]) << 24;
  }
  bitmap->has_alpha = true;
}

}  // namespace

bool HasTgaExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext == ".tga";
}

Bitmap DecodeWindowsBitmap(const uint8_t* data, size_t size, const std::string& name) {
  CheckDeclaredSize(data, size, name);
  if (size > static_cast<size_t>(INT32_MAX)) throw ImageReadError("\"" + name + "\" is too large");
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (rw == nullptr)
    throw ImageReadError("\"" + name + "\" is not a readable Windows bitmap: " + SdlErrorText());
  Surface loaded(SDL_LoadBMP_RW(rw, 1));
  if (!loaded)
    throw ImageReadError("\"" + name + "\" is not a readable Windows bitmap: " + SdlErrorText());
  const bool has_alpha = loaded->format->Amask != 0;
  Surface argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb) throw ImageReadError("\"" + name + "\": " + SdlErrorText("conversion failed"));

  Bitmap bitmap;
  bitmap.width = argb->w;
  bitmap.height = argb->h;
  bitmap.has_alpha = has_alpha;
  bitmap.pixels.resize(static_cast<size_t>(argb->w) * static_cast<size_t>(argb->h));
  if (SDL_MUSTLOCK(argb.get()) && SDL_LockSurface(argb.get()) != 0)
    throw ImageReadError("\"" + name + "\": " + SdlErrorText("cannot lock the picture"));
  const uint32_t keep = has_alpha ? 0xFFFFFFFFu : 0x00FFFFFFu;
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        static_cast<size_t>(y) * argb->pitch);
    for (int x = 0; x < argb->w; ++x)
      bitmap.pixels[static_cast<size_t>(y) * argb->w + x] = row[x] & keep;
  }
  if (SDL_MUSTLOCK(argb.get())) SDL_UnlockSurface(argb.get());
  RestorePlainAlpha(data, size, &bitmap);
  return bitmap;
}

Bitmap ReadBitmapFile(const std::string& path) {
  if (HasTgaExtension(path)) return ReadTgaFile(path);
  std::vector<uint8_t> bytes = ReadPictureFile(path);
  return DecodeWindowsBitmap(bytes.data(), bytes.size(), path);
}

}  // namespace bv::media

#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/bitmap.h"
#include "media/pattern_pages.h"
#include "render/pattern_coords.h"

namespace bv::media {
class RecordArchive;
}

namespace bv::render {

class DrawDevice;

// An image cut into equal patterns (frames, tiles, glyphs), packed into
// textures of one drawing device. It keeps its CPU-side pages, so textures
// lost with the device are made again from them. Loads return 0 or a code
// of media/error_codes.h; on a device that is not initialised they return -1
// once the picture itself was found sound.
class PatternImage {
 public:
  explicit PatternImage(DrawDevice& device);
  ~PatternImage();
  PatternImage(const PatternImage&) = delete;
  PatternImage& operator=(const PatternImage&) = delete;

  // A .bmp or .tga file (by its extension) cut into pw x ph patterns (0: the
  // whole width or height) in textures of tw x th. A file that cannot be read
  // raises media::ImageReadError, as the picture readers do.
  int32_t LoadFromFile(const std::string& path, int32_t pw, int32_t ph, int32_t tw, int32_t th,
                       int32_t format);
  int32_t LoadFromFile(const std::string& path, int32_t pw, int32_t ph, int32_t tw, int32_t th,
                       int32_t format, const media::BitmapFileReader& read);
  // A picture already in memory, cut the same way (generated art, tests).
  int32_t LoadFromBitmap(const media::Bitmap& picture, int32_t pw, int32_t ph, int32_t tw,
                         int32_t th, int32_t format);
  // A raw image record ("PIMG") of `size` bytes.
  int32_t LoadFromMemory(const uint8_t* record, size_t size, int32_t format);
  // The named record of an opened archive.
  int32_t LoadFromArchive(const media::RecordArchive& archive, const std::string& name,
                          int32_t format);

  // Releases the textures and pages; the image is not loaded afterwards. Always 0.
  int32_t Release();

  bool loaded() const { return pages_.loaded(); }
  const PatternLayout& layout() const { return layout_; }
  int32_t pattern_width() const { return layout_.pattern_width; }
  int32_t pattern_height() const { return layout_.pattern_height; }
  int32_t texture_width() const { return layout_.texture_width; }
  int32_t texture_height() const { return layout_.texture_height; }
  int32_t pattern_count() const { return layout_.pattern_count; }
  int32_t format() const { return pages_.format(); }
  int32_t texture_count() const { return pages_.texture_count(); }
  const media::PatternPages& pages() const { return pages_; }
  DrawDevice* device() const { return device_; }

  // The device texture holding texture number i, nullptr when there is none.
  SDL_Texture* texture(int32_t i) const;

 private:
  friend class DrawDevice;

  // After the pages loaded with `code`: makes and fills the textures.
  int32_t Finish(int32_t code);
  int32_t CreateTextures();
  int32_t Upload();
  void DestroyTextures();
  void Detach() {
    DestroyTextures();
    device_ = nullptr;
  }

  DrawDevice* device_;
  media::PatternPages pages_;
  PatternLayout layout_;
  std::vector<SDL_Texture*> textures_;
};

}  // namespace bv::render

#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "render/pattern_coords.h"

namespace bv::render {

class DrawDevice;

// Texture pixel formats by their traditional numbers; 21 is 32-bit with alpha.
constexpr int32_t kFormatA8R8G8B8 = 21;

// True for the formats a pattern image accepts (21..27, 29, 30).
bool FormatAccepted(int32_t format);

// An image cut into equal patterns, packed into textures of one device. It
// keeps its A8R8G8B8 pages so that lost textures can be made again.
class PatternImage {
 public:
  explicit PatternImage(DrawDevice& device);
  ~PatternImage();
  PatternImage(const PatternImage&) = delete;
  PatternImage& operator=(const PatternImage&) = delete;

  // Pages already packed: layout.texture_count() pages of texture_width by
  // texture_height pixels, each 0xAARRGGBB, top row first.
  int32_t LoadFromPages(const PatternLayout& layout, std::vector<std::vector<uint32_t>> pages,
                        int32_t format);

  // Releases the textures; the image is not loaded afterwards. Always 0.
  int32_t Release();

  bool loaded() const { return loaded_; }
  const PatternLayout& layout() const { return layout_; }
  int32_t pattern_width() const { return layout_.pattern_width; }
  int32_t pattern_height() const { return layout_.pattern_height; }
  int32_t texture_width() const { return layout_.texture_width; }
  int32_t texture_height() const { return layout_.texture_height; }
  int32_t pattern_count() const { return layout_.pattern_count; }
  int32_t format() const { return format_; }
  int32_t texture_count() const { return static_cast<int32_t>(pages_.size()); }
  DrawDevice* device() const { return device_; }

  // The device texture holding texture number i, nullptr when there is none.
  SDL_Texture* texture(int32_t i) const;

 private:
  friend class DrawDevice;

  int32_t CreateTextures();
  int32_t Upload();
  void DestroyTextures();
  void Detach() {
    DestroyTextures();
    device_ = nullptr;
  }

  DrawDevice* device_;
  bool loaded_ = false;
  PatternLayout layout_;
  int32_t format_ = kFormatA8R8G8B8;
  std::vector<std::vector<uint32_t>> pages_;
  std::vector<SDL_Texture*> textures_;
};

}  // namespace bv::render

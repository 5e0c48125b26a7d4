#include "render/pattern_image.h"

#include <utility>

#include "media/bitmap_reader.h"
#include "media/converter.h"
#include "media/error_codes.h"
#include "media/pixel_format.h"
#include "render/draw_device.h"

namespace bv::render {

using media::kErrCreateTexture;
using media::kErrDevice;
using media::kErrInvalidCall;
using media::kOk;

PatternImage::PatternImage(DrawDevice& device) : device_(&device) {
  device.AddImage(this);
}

PatternImage::~PatternImage() {
  Release();
  if (device_ != nullptr) device_->RemoveImage(this);
}

SDL_Texture* PatternImage::texture(int32_t i) const {
  if (i < 0 || i >= static_cast<int32_t>(textures_.size())) return nullptr;
  return textures_[static_cast<size_t>(i)];
}

int32_t PatternImage::LoadFromFile(const std::string& path, int32_t pw, int32_t ph, int32_t tw,
                                   int32_t th, int32_t format) {
  return LoadFromFile(path, pw, ph, tw, th, format, media::ReadBitmapFile);
}

int32_t PatternImage::LoadFromFile(const std::string& path, int32_t pw, int32_t ph, int32_t tw,
                                   int32_t th, int32_t format,
                                   const media::BitmapFileReader& read) {
  if (loaded()) return kErrInvalidCall;
  return Finish(pages_.LoadFromFile(path, pw, ph, tw, th, format, read));
}

int32_t PatternImage::LoadFromBitmap(const media::Bitmap& picture, int32_t pw, int32_t ph,
                                     int32_t tw, int32_t th, int32_t format) {
  if (loaded()) return kErrInvalidCall;
  return Finish(pages_.LoadFromBitmap(picture, pw, ph, tw, th, format));
}

int32_t PatternImage::LoadFromMemory(const uint8_t* record, size_t size, int32_t format) {
  if (loaded()) return kErrInvalidCall;
  return Finish(pages_.LoadFromMemory(record, size, format));
}

int32_t PatternImage::LoadFromArchive(const media::RecordArchive& archive, const std::string& name,
                                      int32_t format) {
  if (loaded()) return kErrInvalidCall;
  return Finish(pages_.LoadFromArchive(archive, name, format));
}

int32_t PatternImage::Finish(int32_t code) {
  if (code != kOk) {
    pages_.Release();
    return code;
  }
  layout_ = PatternLayout{pages_.pattern_width(), pages_.pattern_height(), pages_.texture_width(),
                          pages_.texture_height(), pages_.pattern_count()};
  if (device_ == nullptr || !device_->initialized() || !layout_.valid()) {
    Release();
    return kErrInvalidCall;
  }
  code = CreateTextures();
  if (code != kOk) {
    Release();
    return code;
  }
  // A failed upload leaves the image loaded with whatever its textures hold.
  return Upload();
}

int32_t PatternImage::CreateTextures() {
  SDL_Renderer* renderer = device_ != nullptr ? device_->renderer() : nullptr;
  if (renderer == nullptr) return kErrInvalidCall;
  textures_.reserve(static_cast<size_t>(pages_.texture_count()));
  for (int32_t i = 0; i < pages_.texture_count(); ++i) {
    // Every format is held as 32-bit ARGB on the device; the pages already
    // carry the precision of the format asked for.
    SDL_Texture* t = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                       layout_.texture_width, layout_.texture_height);
    if (t == nullptr) {
      DestroyTextures();
      return kErrCreateTexture;
    }
    SDL_SetTextureScaleMode(t, device_->scale_mode());
    textures_.push_back(t);
  }
  return kOk;
}

int32_t PatternImage::Upload() {
  if (static_cast<int32_t>(textures_.size()) != pages_.texture_count()) return kErrDevice;
  const int32_t w = layout_.texture_width;
  const int32_t h = layout_.texture_height;
  const bool direct = pages_.format() == media::kFormatA8R8G8B8;
  std::vector<uint32_t> argb;
  if (!direct) argb.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (size_t i = 0; i < textures_.size(); ++i) {
    const std::vector<uint8_t>& page = pages_.page(static_cast<int32_t>(i));
    const void* pixels = page.data();
    if (!direct) {
      for (int32_t r = 0; r < h; ++r) {
        if (media::PcLineConv(page.data() + static_cast<size_t>(r) * pages_.row_pitch(),
                              argb.data() + static_cast<size_t>(r) * static_cast<size_t>(w), w,
                              pages_.format(), media::kFormatA8R8G8B8) != kOk) {
          return kErrDevice;
        }
      }
      pixels = argb.data();
    }
    if (SDL_UpdateTexture(textures_[i], nullptr, pixels, w * 4) != 0) return kErrDevice;
  }
  return kOk;
}

void PatternImage::DestroyTextures() {
  if (textures_.empty()) return;
  // Primitives already queued with one of these textures are drawn first.
  if (device_ != nullptr) device_->ForgetTextures(textures_);
  for (SDL_Texture* t : textures_) SDL_DestroyTexture(t);
  textures_.clear();
}

int32_t PatternImage::Release() {
  DestroyTextures();
  pages_.Release();
  layout_ = PatternLayout{};
  return kOk;
}

}  // namespace bv::render

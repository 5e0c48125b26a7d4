#include "render/pattern_image.h"

#include <utility>

#include "media/error_codes.h"
#include "render/draw_device.h"

namespace bv::render {

using media::kErrCreateTexture;
using media::kErrDevice;
using media::kErrFormat;
using media::kErrInvalidCall;
using media::kOk;

bool FormatAccepted(int32_t format) {
  return (format >= 21 && format <= 27) || format == 29 || format == 30;
}

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

int32_t PatternImage::LoadFromPages(const PatternLayout& layout,
                                    std::vector<std::vector<uint32_t>> pages, int32_t format) {
  if (loaded_) return kErrInvalidCall;
  if (!FormatAccepted(format)) return kErrFormat;
  if (!layout.valid() || static_cast<int32_t>(pages.size()) != layout.texture_count()) {
    return kErrInvalidCall;
  }
  const size_t page_size =
      static_cast<size_t>(layout.texture_width) * static_cast<size_t>(layout.texture_height);
  for (const auto& page : pages) {
    if (page.size() != page_size) return kErrInvalidCall;
  }
  if (device_ == nullptr || !device_->initialized()) return kErrInvalidCall;
  layout_ = layout;
  format_ = format;
  pages_ = std::move(pages);
  const int32_t code = CreateTextures();
  if (code != kOk) {
    pages_.clear();
    layout_ = PatternLayout{};
    return code;
  }
  loaded_ = true;
  // A failed upload leaves the image loaded with what the textures hold.
  return Upload();
}

int32_t PatternImage::CreateTextures() {
  SDL_Renderer* renderer = device_ != nullptr ? device_->renderer() : nullptr;
  if (renderer == nullptr) return kErrInvalidCall;
  textures_.reserve(pages_.size());
  for (size_t i = 0; i < pages_.size(); ++i) {
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
  if (textures_.size() != pages_.size()) return kErrDevice;
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (SDL_UpdateTexture(textures_[i], nullptr, pages_[i].data(), layout_.texture_width * 4) !=
        0) {
      return kErrDevice;
    }
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
  pages_.clear();
  pages_.shrink_to_fit();
  layout_ = PatternLayout{};
  loaded_ = false;
  return kOk;
}

}  // namespace bv::render

#include "render/screenshot.h"

#include <SDL.h>
#include <SDL_image.h>

#include <vector>

#include "media/error_codes.h"
#include "render/draw_device.h"

namespace bv::render {

int32_t SavePng(DrawDevice& device, const std::string& path) {
  std::vector<Color> pixels;
  int w = 0, h = 0;
  const int32_t code = device.ReadPixels(pixels, w, h);
  if (code != media::kOk) return code;
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_ABGR8888);
  if (surface == nullptr) return media::kErrDevice;
  const int result = IMG_SavePNG(surface, path.c_str());
  SDL_FreeSurface(surface);
  return result == 0 ? media::kOk : media::kErrDiskWrite;
}

}  // namespace bv::render

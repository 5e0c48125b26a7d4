#include "png_writer.h"

#include <SDL.h>
#include <SDL_image.h>

#include <stdexcept>

namespace bv::assets {

void SavePng(const Image& img, const std::string& path) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, img.width(), img.height(), 32, SDL_PIXELFORMAT_RGBA32);
  if (!s) throw std::runtime_error(SDL_GetError());
  for (int y = 0; y < img.height(); ++y) {
    auto* row = static_cast<uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < img.width(); ++x) {
      const Rgba& p = img.at(x, y);
      row[x * 4 + 0] = ToByte(p.r);
      row[x * 4 + 1] = ToByte(p.g);
      row[x * 4 + 2] = ToByte(p.b);
      row[x * 4 + 3] = ToByte(p.a);
    }
  }
  int rc = IMG_SavePNG(s, path.c_str());
  SDL_FreeSurface(s);
  if (rc != 0) throw std::runtime_error("cannot write " + path + ": " + IMG_GetError());
}

}  // namespace bv::assets

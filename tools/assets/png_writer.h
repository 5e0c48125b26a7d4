#pragma once

#include <string>

#include "image.h"

namespace bv::assets {

// Saves a picture as PNG (through SDL_image). Throws on failure.
void SavePng(const Image& img, const std::string& path);

}  // namespace bv::assets

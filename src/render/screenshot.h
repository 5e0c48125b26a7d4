#pragma once

#include <cstdint>
#include <string>

namespace bv::render {

class DrawDevice;

// Writes what the device's target holds to a PNG file through SDL_image.
// -1 when the device is not initialised, -5 when the pixels cannot be read,
// -18 when the file cannot be written.
int32_t SavePng(DrawDevice& device, const std::string& path);

}  // namespace bv::render

#pragma once

// A picture as the image readers deliver it, and the errors they raise.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bv::media {

struct Bitmap {
  int32_t width = 0;
  int32_t height = 0;
  // True for 32-bit pictures, whose fourth byte is alpha; false for 24-bit
  // ones, which are opaque (their alpha byte is 0 and means nothing).
  bool has_alpha = false;
  // width * height pixels, top row first, each 0xAARRGGBB.
  std::vector<uint32_t> pixels;

  uint32_t At(int32_t x, int32_t y) const {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

// A picture file that cannot be used; what() is the text shown to the user.
class ImageReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file itself failed: missing, unreadable, or shorter than it announces.
class ImageFileError : public ImageReadError {
 public:
  using ImageReadError::ImageReadError;
};

// Reads a picture file or raises ImageReadError (see bitmap_reader.h for the
// one the game uses).
using BitmapFileReader = std::function<Bitmap(const std::string& path)>;

}  // namespace bv::media

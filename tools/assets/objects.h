#pragma once

#include "image.h"
#include "text.h"

namespace bv::assets {

constexpr int kObjectCount = 49;

// Object image for code 0..48: 50 x 50 with alpha.
Image MakeObject(int code, const Fonts& fonts);

}  // namespace bv::assets

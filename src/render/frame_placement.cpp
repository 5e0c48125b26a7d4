#include "render/frame_placement.h"

#include <algorithm>
#include <cmath>

namespace bv::render {

int WholeScaleWithin(int area_w, int area_h, int frame_w, int frame_h) {
  if (frame_w <= 0 || frame_h <= 0) return 1;
  return std::max(1, std::min(area_w / frame_w, area_h / frame_h));
}

SDL_Rect PlaceFrame(int out_w, int out_h, int frame_w, int frame_h, bool whole_scales) {
  if (out_w <= 0 || out_h <= 0 || frame_w <= 0 || frame_h <= 0) return SDL_Rect{0, 0, 0, 0};
  int w = 0, h = 0;
  if (whole_scales && out_w >= frame_w && out_h >= frame_h) {
    const int s = WholeScaleWithin(out_w, out_h, frame_w, frame_h);
    w = frame_w * s;
    h = frame_h * s;
  } else if (static_cast<long long>(out_w) * frame_h <= static_cast<long long>(out_h) * frame_w) {
    // The width decides; the height follows the aspect.
    w = out_w;
    h = static_cast<int>(std::lround(static_cast<double>(out_w) * frame_h / frame_w));
  } else {
    h = out_h;
    w = static_cast<int>(std::lround(static_cast<double>(out_h) * frame_w / frame_h));
  }
  w = std::clamp(w, 1, out_w);
  h = std::clamp(h, 1, out_h);
  return SDL_Rect{(out_w - w) / 2, (out_h - h) / 2, w, h};
}

}  // namespace bv::render

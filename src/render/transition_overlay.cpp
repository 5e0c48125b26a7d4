// The level change's two shutters and the intro's rising logo.

#include "render/frame_parts.h"

namespace bv::render {

namespace {

constexpr int32_t kLogoHeight = 210;  // the logo's pattern height, as start-up loads it

}  // namespace

void DrawTransitionOverlay(FrameContext& f) {
  DrawDevice& d = f.device;
  const FrameImages& r = f.images;
  const int32_t t = f.world.transition;
  if (t >= 0 && t <= kPlayStart) {
    // Closing until 448, where they meet over the new level; then opening.
    const int32_t left = t <= kSetupPoint ? t - 448 : 448 - t;
    const int32_t right = t <= kSetupPoint ? 640 - t : t - 256;
    DrawTintedIf(d, r.load_images[0], left, 0, kOpaqueWhite, 0, kTranslucent);
    DrawTintedIf(d, r.load_images[1], right, 0, kOpaqueWhite, 0, kTranslucent);
  } else if (t < 0) {
    // Rises one pixel every three ticks: top at 479 from -2070, -210 at -1.
    const int32_t y = RoundEven(static_cast<long double>(t) * -0.333L) - kLogoHeight;
    DrawImageIf(d, r.logo_image, 0, y, 0, kOpaque);
    DrawImageIf(d, r.logo_image, 320, y, 1, kOpaque);
  }
}

}  // namespace bv::render

// The level change's two shutters and the intro's rising logo.

#include "render/frame_parts.h"

namespace bv::render {

void DrawTransitionOverlay(FrameContext& f) {
  DrawDevice& d = f.device;
  const FrameImages& r = f.images;
  const int32_t t = f.world.transition;
  using game::kPlayStart, game::kScreenWidth, game::kSetupPoint;
  if (t >= game::kLevelChangeStart && t <= kPlayStart) {
    // Closing until 448, where they meet over the new level; then opening.
    const int32_t left = t <= kSetupPoint ? t - kSetupPoint : kSetupPoint - t;
    const int32_t right = t <= kSetupPoint ? kScreenWidth - t : t - (kPlayStart - kScreenWidth);
    DrawTintedIf(d, r.load_images[0], left, 0, kOpaqueWhite, 0, kTranslucent);
    DrawTintedIf(d, r.load_images[1], right, 0, kOpaqueWhite, 0, kTranslucent);
  } else if (t < game::kLevelChangeStart) {
    // Rises one pixel every three ticks: top at 479 from -2070, -210 at -1.
    const int32_t y = RoundEven(static_cast<long double>(t) * -0.333L) - game::kLogoPatternHeight;
    DrawImageIf(d, r.logo_image, 0, y, 0, kOpaque);
    DrawImageIf(d, r.logo_image, 320, y, 1, kOpaque);
  }
}

}  // namespace bv::render

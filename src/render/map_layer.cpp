// The map cells around each player: texture tinted by the cell colour ANDed
// with the ambient colour, then the object and the overlay.

#include "render/frame_parts.h"

namespace bv::render {

namespace {

void DrawCell(FrameContext& f, const game::MapCell& c, int32_t sx, int32_t sy) {
  DrawDevice& d = f.device;
  const game::World& w = f.world;
  if (c.texture != 0) {
    int r = c.tint_r, g = c.tint_g, b = c.tint_b;
    const int pulse = (f.values.light + 100) & 0xFF;
    if (c.pulse_channel == game::kPulseChannelRed) r = pulse;
    if (c.pulse_channel == game::kPulseChannelGreen) g = pulse;
    if (c.pulse_channel == game::kPulseChannelBlue) b = pulse;
    const PatternImage* image = f.images.textures[c.texture];
    if (image != nullptr) {
      const int32_t pattern =
          (c.animated == 1 && image->pattern_count() > 1) ? f.values.anim_frame : 0;
      // AND, not multiply: with the power off 255 keeps only its bit 6 (64).
      d.DrawImageTinted(*image, sx, sy, WithAlpha(255, ColorRGB(r, g, b) & w.ambient_color),
                        pattern, kOpaque);
    }
  }
  const Color lit = WithAlpha(255, w.ambient_color);
  if (game::IsDrawnObject(c.object))
    DrawTintedIf(d, ObjectImage(f.images, c.object), sx, sy, lit, 0, kTranslucent);
  if (c.overlay != game::kNoOverlay)
    DrawTintedIf(d, ObjectImage(f.images, c.overlay), sx, sy, lit, 0, kTranslucent);
}

}  // namespace

void DrawMapLayer(FrameContext& f) {
  DrawDevice& d = f.device;
  d.SetClipRect(kWholeScreen);
  for (int p = 0; p < f.values.view_count; ++p) {
    const View& v = f.values.views[p];
    if (f.values.two_views()) d.SetClipRect(v.clip);
    // Byte arithmetic as the views hold their cells: a player at (0, 0)
    // before the first level reaches cells 249..255, which lie outside the
    // grid and read as the undrawn reset cell.
    for (int dc = -v.columns; dc <= v.columns; ++dc) {
      const uint8_t h = static_cast<uint8_t>(v.cx + dc);
      const int64_t sx = int64_t{game::kCellSize} * h - v.round_x + v.centre_x;
      for (int dr = -kViewRows; dr <= kViewRows; ++dr) {
        const uint8_t j = static_cast<uint8_t>(v.cy + dr);
        const int64_t sy = int64_t{game::kCellSize} * j - v.round_y + kViewCentreY;
        DrawCell(f, f.world.cell(h, j), Saturate(sx), Saturate(sy));
      }
    }
  }
  d.SetClipRect(kWholeScreen);
}

}  // namespace bv::render

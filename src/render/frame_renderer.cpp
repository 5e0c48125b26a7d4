#include "render/frame_renderer.h"

#include "render/bitmap_font.h"
#include "render/draw_device.h"
#include "render/frame_parts.h"

namespace bv::render {

namespace {

// A notice is drawn as a fresh centre message, one band lower.
constexpr int16_t kNoticeTimer = 1020;
constexpr int32_t kNoticeY = kCenterMessageY + 40;

}  // namespace

bool FrameRenderer::Render(const game::World& world, bool resources_loaded,
                           const settings::LiveOptions& options, int frame_rate) {
  // Nothing is drawn while start-up is still loading images.
  if (!resources_loaded) return false;
  DrawFrame(world, options.show_fps(), frame_rate);
  return true;
}

void FrameRenderer::DrawFrame(const game::World& world, bool show_fps, int frame_rate) {
  DrawDevice& d = device_;
  d.Clear(0xFF000000u);
  d.BeginScene();
  // The clip persists on the device between frames; start from the whole
  // screen whatever drew last.
  d.SetClipRect(kWholeScreen);
  BitmapFont* font = font_ != nullptr && font_->loaded() ? font_ : nullptr;
  FrameContext f{d, font, world, images_, minimap_, ComputeFrameValues(world)};
  const int32_t t = world.transition;
  if (t >= game::kLevelChangeStart) DrawMapLayer(f);
  if (t >= game::kPlayStart) {
    DrawActorLayer(f);
    DrawMinimaps(f);
    DrawHudPanels(f);
    DrawHudTexts(f, strings_);
  }
  // The divider shows in every two-view frame, also under the shutters.
  if (f.values.two_views()) DrawImageIf(d, images_.split_image, 318, 0, 0, kOpaque);
  DrawTransitionOverlay(f);
  DrawCenterMessage(f);
  if (show_fps) DrawFrameRate(f, strings_, frame_rate);
  if (overlay_ != nullptr) {
    DrawMessageBand(d, font, overlay_->message, overlay_->message_timer, kCenterMessageY);
    if (!overlay_->notice.empty()) {
      DrawMessageBand(d, font, overlay_->notice, kNoticeTimer, kNoticeY);
    }
  }
  d.EndScene();
  d.Present();
}

}  // namespace bv::render

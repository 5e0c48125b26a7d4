#pragma once

// The steps of one frame, shared by the frame renderer's files; the frame
// renderer (frame_renderer.h) is the interface.

#include <string>

#include "game/world.h"
#include "render/bitmap_font.h"
#include "render/color.h"
#include "render/draw_device.h"
#include "render/frame_images.h"
#include "render/frame_values.h"
#include "render/hud_strings.h"
#include "render/minimap_lists.h"
#include "render/pattern_image.h"

namespace bv::render {

struct FrameContext {
  DrawDevice& device;
  BitmapFont* font;  // null or not loaded: the texts are missing
  const game::World& world;
  const FrameImages& images;
  MinimapLists& minimap;
  FrameValues values;
};

// Effects the frame uses: opaque, and blended by image alpha times colour alpha.
constexpr int kOpaque = 0;
constexpr int kTranslucent = 5;

// Images may be missing (null) or failed to load: they draw nothing.
inline void DrawImageIf(DrawDevice& d, const PatternImage* image, int32_t x, int32_t y,
                        int32_t pattern, int effect) {
  if (image != nullptr) d.DrawImage(*image, x, y, pattern, effect);
}
inline void DrawTintedIf(DrawDevice& d, const PatternImage* image, int32_t x, int32_t y,
                         Color color, int32_t pattern, int effect) {
  if (image != nullptr) d.DrawImageTinted(*image, x, y, color, pattern, effect);
}
// An object image by its code; codes without an image draw nothing.
inline const PatternImage* ObjectImage(const FrameImages& images, int code) {
  if (code < 0 || code >= game::kObjectImageCount) return nullptr;
  return images.object_images[static_cast<size_t>(code)];
}

void DrawMapLayer(FrameContext& f);
void DrawActorLayer(FrameContext& f);
void DrawMinimaps(FrameContext& f);
void DrawHudPanels(FrameContext& f);
void DrawHudTexts(FrameContext& f, HudStrings& s);
void DrawTransitionOverlay(FrameContext& f);
void DrawCenterMessage(FrameContext& f);
// The centre message's band, fading with its timer as the tick counts it
// down from 1020, centred on the line centre_y.
void DrawMessageBand(DrawDevice& device, BitmapFont* font, const std::string& text,
                     int16_t timer, int32_t centre_y);
constexpr int32_t kCenterMessageY = 240;
void DrawFrameRate(FrameContext& f, HudStrings& s, int frame_rate);

// Appends a decimal number without separators.
void AppendSigned(std::string& s, int64_t v);
void AppendUnsigned(std::string& s, uint64_t v);

}  // namespace bv::render

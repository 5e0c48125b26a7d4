// Over the whole screen: the fading centre message and the frame-rate line.

#include "render/frame_parts.h"

namespace bv::render {

void DrawMessageBand(DrawDevice& device, BitmapFont* font, const std::string& text,
                     int16_t timer, int32_t centre_y) {
  const uint16_t t = static_cast<uint16_t>(timer);
  if (t == 0) return;
  // Fades as the tick counts the timer down from 1020: alpha 255 for the
  // border and the text, 127 for the fill at the start.
  const int strong = (t >> 2) & 0xFF;
  const int faint = (t >> 3) & 0xFF;
  device.FrameRect(170, centre_y - 15, 300, 30, ColorARGB(strong, 255, 255, 0),
                   ColorARGB(faint, 255, 255, 0), kTranslucent);
  if (font == nullptr) return;
  const int32_t half_w = font->TextWidth(text) / 2;
  const int32_t half_h = font->TextHeight(text) / 2;
  font->TextOut(text, 321 - half_w, centre_y + 1 - half_h, ColorARGB(strong, 0, 0, 0),
                kTranslucent);
  font->TextOut(text, 320 - half_w, centre_y - half_h, ColorARGB(strong, 255, 255, 255),
                kTranslucent);
}

void DrawCenterMessage(FrameContext& f) {
  DrawMessageBand(f.device, f.font, f.world.center_message, f.world.center_message_timer,
                  kCenterMessageY);
}

void DrawFrameRate(FrameContext& f, HudStrings& s, int frame_rate) {
  if (f.font == nullptr) return;
  s.fps.assign("FPS: ");
  AppendSigned(s.fps, frame_rate);
  f.font->TextOut(s.fps, 551, 461, 0x00000000u);
  f.font->TextOut(s.fps, 550, 460, 0x0000FFFFu);
}

}  // namespace bv::render

// Over the whole screen: the fading centre message and the frame-rate line.

#include "render/frame_parts.h"

namespace bv::render {

void DrawCenterMessage(FrameContext& f) {
  const game::World& w = f.world;
  const uint16_t t = static_cast<uint16_t>(w.center_message_timer);
  if (t == 0) return;
  // Fades as the tick counts the timer down from 1020: alpha 255 for the
  // border and the text, 127 for the fill at the start.
  const int strong = (t >> 2) & 0xFF;
  const int faint = (t >> 3) & 0xFF;
  f.device.FrameRect(170, 225, 300, 30, ColorARGB(strong, 255, 255, 0),
                     ColorARGB(faint, 255, 255, 0), kTranslucent);
  if (f.font == nullptr) return;
  BitmapFont& font = *f.font;
  const int32_t half_w = font.TextWidth(w.center_message) / 2;
  const int32_t half_h = font.TextHeight(w.center_message) / 2;
  font.TextOut(w.center_message, 321 - half_w, 241 - half_h, ColorARGB(strong, 0, 0, 0),
               kTranslucent);
  font.TextOut(w.center_message, 320 - half_w, 240 - half_h, ColorARGB(strong, 255, 255, 255),
               kTranslucent);
}

void DrawFrameRate(FrameContext& f, HudStrings& s, int frame_rate) {
  if (f.font == nullptr) return;
  s.fps.assign("FPS: ");
  AppendSigned(s.fps, frame_rate);
  f.font->TextOut(s.fps, 551, 461, 0x00000000u);
  f.font->TextOut(s.fps, 550, 460, 0x0000FFFFu);
}

}  // namespace bv::render

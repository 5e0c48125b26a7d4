#include "painter.h"

namespace bv::assets {

void Painter::Text(const Fonts& fonts, const std::string& face, const std::string& utf8, float cx, float cy,
                   float px, Rgba color, Rgba outline, int outline_px) {
  Mask m = fonts.Text(face, utf8, px * kSS);
  int x = static_cast<int>(std::lround(cx * kSS - m.w / 2.0f));
  int y = static_cast<int>(std::lround(cy * kSS - (m.baseline - px * kSS * 0.36f)));
  if (outline_px > 0)
    DrawMaskOutlined(img_, m, x, y, color, outline, outline_px * kSS);
  else
    DrawMask(img_, m, x, y, color);
}

float Painter::TextWidth(const Fonts& fonts, const std::string& face, const std::string& utf8, float px) {
  return fonts.Text(face, utf8, px * kSS).w / static_cast<float>(kSS);
}

}  // namespace bv::assets

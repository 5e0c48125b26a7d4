// The actor sprite, HUD pieces, intro logo, level-change shutters and divider.
#include "sprites.h"

#include <cmath>
#include <vector>

#include "noise.h"
#include "painter.h"

namespace bv::assets {

namespace {

Rgba G(float v, float a = 1) { return {v, v, v, a}; }

// A float mask blurred with a box of radius r, a few times (close to Gaussian).
std::vector<float> Blur(const std::vector<float>& in, int w, int h, int r, int passes) {
  std::vector<float> a = in, b(in.size());
  for (int p = 0; p < passes; ++p) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        float s = 0;
        for (int k = -r; k <= r; ++k) s += a[static_cast<size_t>(y) * w + std::clamp(x + k, 0, w - 1)];
        b[static_cast<size_t>(y) * w + x] = s / (2 * r + 1);
      }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        float s = 0;
        for (int k = -r; k <= r; ++k) s += b[static_cast<size_t>(std::clamp(y + k, 0, h - 1)) * w + x];
        a[static_cast<size_t>(y) * w + x] = s / (2 * r + 1);
      }
  }
  return a;
}

// Chevron teeth where the shutters meet: offset of the seam from x = 320 at row y.
float Seam(float y) {
  float t = std::fmod(y, 80.0f) / 80.0f;
  return 18 * (std::fabs(t - 0.5f) * 4 - 1);
}

}  // namespace

Image MakeActorSprite() {
  Painter p(60, 60);
  const Rgba outline = G(0.18f, 0.95f);
  auto lit = [](float base, V2 c, float r) {
    return [=](float x, float y, float d) { return LitColor(Grey(base), c, r, x, y, d, 2.5f); };
  };
  // Everything faces up: the figure walks north with the gun held forward.
  auto body = [](V2 q) { return SdEllipse(q, {30, 33}, {15, 9}); };
  auto pack = [](V2 q) { return SdRect(q, 22, 37, 16, 9, 3); };
  auto arm_l = [](V2 q) { return SdSegment(q, {17, 31}, {27, 19}, 2.9f); };
  auto arm_r = [](V2 q) { return SdSegment(q, {43, 31}, {33, 19}, 2.9f); };
  auto gun = [](V2 q) { return SdRect(q, 27.5f, 5, 5, 16, 1.2f); };
  auto head = [](V2 q) { return SdCircle(q, {30, 29}, 7.5f); };
  auto all = [&](V2 q) { return std::min({body(q), pack(q), arm_l(q), arm_r(q), gun(q), head(q)}); };
  p.Shadow(all, 2, 3, 2, 0.35f);
  p.Outlined(pack, 1, outline, lit(0.62f, {30, 41}, 10));
  p.Outlined(body, 1, outline, lit(0.8f, {30, 33}, 16));
  p.Outlined(arm_l, 1, outline, lit(0.75f, {22, 24}, 8));
  p.Outlined(arm_r, 1, outline, lit(0.75f, {38, 24}, 8));
  p.Outlined(gun, 1, outline, lit(0.35f, {30, 12}, 8));
  p.Fill([](V2 q) { return SdCircle(q, {30, 19}, 3.6f); }, G(0.7f));  // hands
  p.Outlined(head, 1, outline, lit(0.92f, {30, 29}, 8));
  // Helmet rim and brow show which way the figure faces.
  p.Fill([](V2 q) { return Intersect(SdRing(q, {30, 29}, 6, 1.2f), q.y - 28); }, G(0.55f));
  p.Fill([](V2 q) { return SdRect(q, 26, 21.5f, 8, 2, 1); }, G(0.45f));
  return p.Finish();
}

Image MakeHealthBar() {
  Image img(100, 4);
  for (int x = 0; x < 100; ++x) {
    float t = x / 99.0f;
    Rgb c = t < 0.5f ? Mix(Hex(0xd82010), Hex(0xf0d020), t * 2) : Mix(Hex(0xf0d020), Hex(0x30d040), (t - 0.5f) * 2);
    const float rows[4] = {1.25f, 1.05f, 0.9f, 0.7f};
    for (int y = 0; y < 4; ++y) {
      Rgb r = c * rows[y];
      img.at(x, y) = {Clamp01(r.r), Clamp01(r.g), Clamp01(r.b), 1};
    }
  }
  return img;
}

Image MakeHudPanel() {
  Painter p(310, 85);
  // Outline: a plate with its lower right corner cut away.
  auto plate = [](V2 q) {
    return SdPolygon(q, {{0, 0}, {310, 0}, {310, 52}, {277, 85}, {0, 85}});
  };
  p.Fill(plate, [](float x, float y, float d) {
    float rim = Smooth(0, 3, d);
    float v = Lerp(0.95f, 0.72f + 0.08f * (1 - y / 85), rim);
    v *= 1 + 0.015f * Noise(x, y, 25, 3101);
    return G(v, Lerp(1.0f, 0.78f, rim));
  });
  // Inner frame line and a divider between labels and values.
  p.Fill([&](V2 q) { return std::fabs(plate(q) + 5) - 0.6f; }, G(1, 0.9f));
  p.Fill([](V2 q) { return SdRect(q, 92, 9, 1.2f, 52); }, G(1, 0.8f));
  // Faint rows behind the five text lines.
  for (int i = 0; i < 5; ++i)
    p.Fill([=](V2 q) { return SdRect(q, 8, 10.0f + i * 10, 280, 9, 1); }, G(0.55f, i % 2 ? 0.10f : 0.18f));
  // Card strip along the bottom edge.
  p.Fill([](V2 q) { return SdRect(q, 6, 66, 240, 15, 3); }, G(0.5f, 0.35f));
  // Bolts in the corners.
  for (V2 c : {V2{5, 5}, V2{305, 5}, V2{5, 80}})
    p.Fill([=](V2 q) { return SdCircle(q, c, 2); }, [c](float x, float y, float d) { return LitColor(Grey(0.9f), c, 2, x, y, d, 1); });
  return p.Finish();
}

Image MakeLogo(const Fonts& fonts) {
  const int W = 640, H = 210;
  Image img(W, H, {0, 0, 0, 1});
  const std::string face = "DejaVuSans-Bold.ttf";
  // Letters with a little extra spacing, drawn into one mask.
  const std::string name = "BRIMVALE";
  const float px = 92;
  std::vector<Mask> letters;
  float total = 0;
  const float spacing = 6;
  for (char c : name) {
    letters.push_back(fonts.Text(face, std::string(1, c), px));
    total += letters.back().w + spacing;
  }
  total -= spacing;
  std::vector<float> mask(static_cast<size_t>(W) * H, 0);
  int baseline = 128;
  float x0 = (W - total) / 2;
  for (const Mask& m : letters) {
    for (int y = 0; y < m.h; ++y)
      for (int x = 0; x < m.w; ++x) {
        int tx = static_cast<int>(x0) + x, ty = baseline - m.baseline + y;
        if (tx >= 0 && ty >= 0 && tx < W && ty < H) mask[static_cast<size_t>(ty) * W + tx] = std::max(mask[static_cast<size_t>(ty) * W + tx], m.at(x, y));
      }
    x0 += m.w + spacing;
  }
  // Background: dark red glow behind the letters and a fine horizon line.
  std::vector<float> glow = Blur(mask, W, H, 6, 3);
  std::vector<float> height = Blur(mask, W, H, 2, 2);
  std::vector<float> outline = Blur(mask, W, H, 2, 1);
  int cap_top = baseline - static_cast<int>(px * 0.73f);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      size_t i = static_cast<size_t>(y) * W + x;
      Rgb c = Hex(0xff4010) * (0.9f * glow[i]) + Hex(0x200808) * (0.25f * Smooth(105, 0, std::fabs(y - 105.0f)));
      // Thin lines above and below the name.
      float line_y = std::min(std::fabs(y - (cap_top - 16.0f)), std::fabs(y - (baseline + 16.0f)));
      float fade = Smooth(320, 80, std::fabs(x - 320.0f));
      if (line_y < 1.2f) c = c + Hex(0xc07030) * (fade * (1.2f - line_y));
      // Dark outline, then the metal face of the letters.
      float o = Clamp01(outline[i] * 2.5f);
      c = Mix(c, Hex(0x100404), o);
      float a = mask[i];
      if (a > 0) {
        float gx = height[std::min(i + 1, mask.size() - 1)] - height[i > 0 ? i - 1 : 0];
        float gy = height[std::min(i + W, mask.size() - 1)] - height[i >= static_cast<size_t>(W) ? i - W : 0];
        float shade = Clamp01(0.65f - 1.6f * (gx + gy));
        float t = Clamp01((y - cap_top) / (baseline - static_cast<float>(cap_top)));
        Rgb metal = t < 0.5f ? Mix(Hex(0xf4f0e8), Hex(0xc8c0b8), t * 2) : Mix(Hex(0xe08030), Hex(0x902010), (t - 0.5f) * 2);
        Rgb face_c = metal * (0.55f + 0.7f * shade);
        if (std::fabs(t - 0.5f) < 0.02f) face_c = face_c * 0.7f;
        c = Mix(c, face_c, a);
      }
      img.at(x, y) = {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), 1};
    }
  return img;
}

Image MakeShutter(int side, const Fonts& fonts) {
  (void)fonts;
  const int W = 448, H = 480;
  // Screen x of this image's left edge when the shutters are closed.
  const float origin = side == 0 ? 0 : 192;
  Image img(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float sx = x + origin + 0.5f, sy = y + 0.5f;
      float seam = 320 + Seam(sy);
      // Signed distance to the seam, positive inside this door.
      float inside = side == 0 ? seam + 1.5f - sx : sx - seam;
      float cover = Clamp01(inside + 0.5f);
      if (cover <= 0) continue;
      float n = Fbm(sx * 0.5f, sy * 0.5f, 4, 3, 4801 + side);
      float brushed = Noise2(sx * 0.1f, sy, 5, 50, 4802 + side);
      Rgb c = Hex(0x6a7078) * (1 + 0.06f * n + 0.04f * brushed);
      // Horizontal plates with seams and bolts.
      float plate = std::fmod(sy, 120.0f);
      if (plate < 2 || plate > 118) c = c * 0.55f;
      if (plate >= 2 && plate < 5) c = c * 1.25f;
      float bolt_dx = std::fmod(sx + 1000, 40.0f) - 20, bolt_dy = std::fmod(sy + 10, 120.0f) - 10;
      float bd = std::hypot(bolt_dx, bolt_dy);
      if (bd < 3) c = Mix(Grey(0.85f), Grey(0.35f), Clamp01((bolt_dx + bolt_dy) / 6 + 0.5f));
      // Vertical reinforcement ribs.
      float rib_x = side == 0 ? 60 : 580;
      float rd = std::fabs(sx - rib_x);
      if (rd < 14) c = c * (1.1f - 0.35f * Smooth(10, 14, rd)) * (sx < rib_x ? 1.1f : 0.9f);
      // Hazard band along the toothed edge.
      float edge = inside;
      if (edge < 26) {
        bool yellow = std::fmod(sx + sy + 1000, 32.0f) < 16;
        c = yellow ? Hex(0xe8b820) * (1 + 0.05f * n) : Hex(0x202020);
        if (edge < 3) c = c * (0.6f + 0.13f * edge);
      } else if (edge < 30) {
        c = Hex(0x303438);
      }
      // The round emblem, split between the doors, over everything else.
      float ed = std::hypot(sx - 320, sy - 240);
      if (ed < 66) {
        c = Hex(0x4a5058) * (1 + 0.05f * n);
        if (std::fabs(ed - 58) < 6) c = Hex(0xa8b0b8) * (1.1f - 0.3f * ((sx - 320) + (sy - 240)) / 116);
        if (ed < 36) c = Hex(0xc04020) * (1 - 0.25f * (ed / 36));
        if (edge < 2.5f) c = c * 0.5f;
      }
      // Light from the top, darker towards the bottom.
      c = c * (1.08f - 0.25f * sy / H);
      img.at(x, y) = {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), cover};
    }
  return img;
}

Image MakeSplit() {
  Image img(2, 480);
  for (int y = 0; y < 480; ++y) {
    float k = 1 - 0.2f * std::fabs(y - 240) / 240;
    img.at(0, y) = {0.25f * k, 0.27f * k, 0.3f * k, 1};
    img.at(1, y) = {0.78f * k, 0.8f * k, 0.84f * k, 1};
  }
  return img;
}

}  // namespace bv::assets

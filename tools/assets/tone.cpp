#include "tone.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace bv::assets {

Tone ToneOf(const TextureInfo& info) {
  switch (info.kind) {
    case TexKind::kFloor:
      return Tone::kFloor;
    case TexKind::kWall:
      return Tone::kWall;
    case TexKind::kDetail:
      // Pipes (207..213) and signs (222..229) stand as walls; the rest is
      // painted on floors.
      if ((info.number >= 207 && info.number <= 213) || info.number >= 222) return Tone::kWall;
      return Tone::kFloor;
    default:
      return Tone::kKeep;
  }
}

ToneBounds BoundsOf(const TextureInfo& info) {
  const std::string set = info.set;
  // The bunker and the factory have power switches: their walls must still
  // show at a quarter of the light while the floors go dark.
  if (set == "bunker" || set == "industrial") return {0.37f, 0.72f};
  // Grass, earth and rock: darker ground, walls a little less bright.
  if (set == "outdoor" || set == "hell") return {0.34f, 0.58f};
  return {0.37f, 0.65f};
}

float MeanLuma(const Image& img) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) sum += Luma(ToRgb(img.at(x, y)));
  return static_cast<float>(sum / (static_cast<double>(img.width()) * img.height()));
}

namespace {

float MeanLumaPowered(const Image& img, float gamma) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      sum += std::pow(Clamp01(Luma(ToRgb(img.at(x, y)))), gamma);
  return static_cast<float>(sum / (static_cast<double>(img.width()) * img.height()));
}

// Brightens to luma `to` keeping the hue and as much of the colour as fits:
// where a channel would pass 1 the colour gives way towards white.
Rgb Relight(Rgb c, float to) {
  const float from = Luma(c);
  if (from <= 1e-4f) return Grey(to);
  Rgb out = c * (to / from);
  const float top = std::max({out.r, out.g, out.b});
  if (top > 1) out = Mix(Grey(to), out, (1 - to) / (top - to));
  return out;
}

}  // namespace

void FitTone(Image& img, Tone tone, ToneBounds bounds) {
  const float mean = MeanLuma(img);
  if (tone == Tone::kFloor && mean > bounds.floor_max) {
    // Scaled down, with the pattern's swing around the mean widened again
    // part of the way, so a darker floor keeps a visible texture.
    const float k = bounds.floor_max / mean;
    const float swing = std::min(1.0f / std::sqrt(k), 1.6f);
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        Rgba& c = img.at(x, y);
        const Rgb dark = ToRgb(c) * k;
        const float l = Luma(dark);
        const float to = Clamp01(bounds.floor_max + (l - bounds.floor_max) * swing);
        const Rgb lit = l > 1e-4f ? dark * (to / l) : Grey(to);
        c.r = Clamp01(lit.r), c.g = Clamp01(lit.g), c.b = Clamp01(lit.b);
      }
  } else if (tone == Tone::kWall && mean < bounds.wall_min) {
    // A gamma curve on the luma that lifts the mean to the bound (found by
    // bisection): dark detail stays visible, the light parts draw closer.
    float lo = 0.05f, hi = 1.0f;
    for (int i = 0; i < 30; ++i) {
      const float mid = (lo + hi) / 2;
      (MeanLumaPowered(img, mid) < bounds.wall_min ? hi : lo) = mid;
    }
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        Rgba& c = img.at(x, y);
        const Rgb lit = Relight(ToRgb(c), std::pow(Clamp01(Luma(ToRgb(c))), lo));
        c.r = lit.r, c.g = lit.g, c.b = lit.b;
      }
  }
}

}  // namespace bv::assets

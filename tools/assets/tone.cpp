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
      // The menu's marks are painted on a fitted floor; pipes and the exit
      // sign stand as walls; the rest lies on floors.
      if (IsMenuMark(info.number)) return Tone::kKeep;
      if ((info.number >= 207 && info.number <= 213) || info.number == 222) return Tone::kWall;
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
  // Grass, earth and rock: darker ground, so trees and rocks need less light.
  if (set == "outdoor") return {0.32f, 0.55f};
  if (set == "hell") return {0.34f, 0.62f};
  return {0.37f, 0.65f};
}

float MeanLuma(const Image& img) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) sum += Luma(ToRgb(img.at(x, y)));
  return static_cast<float>(sum / (static_cast<double>(img.width()) * img.height()));
}

namespace {

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

// Scaled down to the bound, with the pattern's swing around the mean widened
// again part of the way, so a darker floor keeps a visible texture.
Rgb Darken(Rgb c, float k, float bound) {
  const float swing = std::min(1.0f / std::sqrt(k), 1.6f);
  const Rgb dark = c * k;
  const float l = Luma(dark);
  const float to = Clamp01(bound + (l - bound) * swing);
  const Rgb lit = l > 1e-4f ? dark * (to / l) : Grey(to);
  return {Clamp01(lit.r), Clamp01(lit.g), Clamp01(lit.b)};
}

// Mean luma after raising each pixel's luma to `gamma`, by the weight of
// each pixel (all 1 without weights).
float LiftedMean(const Image& img, float gamma, const std::vector<float>* weight) {
  double sum = 0;
  size_t i = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x, ++i) {
      const float l = Clamp01(Luma(ToRgb(img.at(x, y))));
      const float w = weight ? (*weight)[i] : 1.0f;
      sum += l + (std::pow(l, gamma) - l) * w;
    }
  return static_cast<float>(sum / (static_cast<double>(img.width()) * img.height()));
}

// Lifts the weighted pixels on the gamma curve that brings the mean to
// `target`, or as near as the curve allows. True when it got there.
bool Lift(Image& img, float target, const std::vector<float>* weight) {
  constexpr float kSteepest = 0.05f;
  const bool reachable = LiftedMean(img, kSteepest, weight) >= target;
  float lo = kSteepest, hi = 1.0f;
  for (int i = 0; reachable && i < 30; ++i) {
    const float mid = (lo + hi) / 2;
    (LiftedMean(img, mid, weight) < target ? hi : lo) = mid;
  }
  size_t i = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x, ++i) {
      Rgba& c = img.at(x, y);
      const float l = Clamp01(Luma(ToRgb(c)));
      const float w = weight ? (*weight)[i] : 1.0f;
      const float to = l + (std::pow(l, lo) - l) * w;
      // Strongly lifted colours are calmed a little, or greens turn neon.
      const Rgb lit = Saturate(Relight(ToRgb(c), to), 1 - 0.6f * Clamp01(to - l));
      c.r = lit.r, c.g = lit.g, c.b = lit.b;
    }
  return reachable;
}

}  // namespace

void FitTone(Image& img, Tone tone, ToneBounds bounds, const std::vector<float>* raised) {
  const size_t n = static_cast<size_t>(img.width()) * img.height();
  if (raised != nullptr && raised->size() != n) raised = nullptr;
  const float mean = MeanLuma(img);
  if (tone == Tone::kFloor && mean > bounds.floor_max) {
    const float k = bounds.floor_max / mean;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        Rgba& c = img.at(x, y);
        const Rgb d = Darken(ToRgb(c), k, bounds.floor_max);
        c.r = d.r, c.g = d.g, c.b = d.b;
      }
    return;
  }
  if (tone != Tone::kWall || mean >= bounds.wall_min) return;
  if (raised != nullptr) {
    // The ground round what stands up, darkened as the floors are.
    double ground = 0, area = 0;
    size_t i = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x, ++i) {
        const float g = 1 - (*raised)[i];
        ground += g * Luma(ToRgb(img.at(x, y)));
        area += g;
      }
    const float ground_mean = area > 0 ? static_cast<float>(ground / area) : 0;
    if (ground_mean > bounds.floor_max) {
      const float k = bounds.floor_max / ground_mean;
      i = 0;
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x, ++i) {
          Rgba& c = img.at(x, y);
          const Rgb d = Mix(Darken(ToRgb(c), k, bounds.floor_max), ToRgb(c), (*raised)[i]);
          c.r = d.r, c.g = d.g, c.b = d.b;
        }
    }
    if (Lift(img, bounds.wall_min, raised)) return;
  }
  Lift(img, bounds.wall_min, nullptr);
}

}  // namespace bv::assets

#pragma once

#include "image.h"
#include "texture_table.h"

namespace bv::assets {

// How bright a texture reads in play. Floors are mid-dark and walls light, in
// every set, so a player tells at a glance where they can walk, the HUD's
// texts stand out over the floor, and with the power off (a quarter of the
// light) the walls still show.
enum class Tone { kKeep, kFloor, kWall };

Tone ToneOf(const TextureInfo& info);

// Mean luma bounds (0..1): floors at most floor_max, walls at least wall_min.
struct ToneBounds {
  float floor_max;
  float wall_min;
};
ToneBounds BoundsOf(const TextureInfo& info);

float MeanLuma(const Image& img);

// Darkens a floor brighter than its bound (the hue and pattern stay) and lifts
// a wall darker than its bound (a gamma curve, so dark detail stays visible).
void FitTone(Image& img, Tone tone, ToneBounds bounds);

}  // namespace bv::assets

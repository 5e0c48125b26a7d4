#pragma once

#include <vector>

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
// a wall darker than its bound (a curve on the luma, so dark detail stays
// visible). Given what of a wall stands up (per pixel 0..1, see RaisedMask),
// its ground is darkened as a floor and the lift goes to the raised parts,
// all of the picture only where those alone cannot carry it.
void FitTone(Image& img, Tone tone, ToneBounds bounds, const std::vector<float>* raised = nullptr);

}  // namespace bv::assets

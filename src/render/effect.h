#pragma once

#include <SDL.h>

#include <cstdint>

namespace bv::render {

// Draw effects: bit 0 lets the vertex colour's alpha multiply the image's
// alpha; effect AND 62 picks the row of the blend table.
enum Effect : int {
  kUseColorAlpha = 1,
  kBlendNone = 0,
  kBlendAdd = 2,
  kBlendAlpha = 4,
  kBlendAlphaAdd = 6,
  kBlendColor = 8,
  kBlendColorAdd = 10,
  kBlendMultiply = 16,
  kBlendMask = 20,
  kBlendInvMultiply = 32,
  kBlendInvMask = 36,
};

constexpr int kBlendBits = 62;
// Kept free inside the layer: they mark line and point batches.
constexpr int kLineMark = 64;
constexpr int kPointMark = 128;

// The vertex alpha sent to the renderer: without kUseColorAlpha the image's
// alpha stands alone (an untextured shape is opaque).
constexpr uint8_t VertexAlpha(int effect, uint8_t colour_alpha) {
  return (effect & kUseColorAlpha) != 0 ? colour_alpha : 255;
}

struct BlendRow {
  int blend;            // effect AND 62
  SDL_BlendFactor src;  // factors as the table gives them
  SDL_BlendFactor dst;
  SDL_BlendMode standard;  // exact where marked, else the nearest standard mode
  bool standard_exact;
};

// The row for an effect, or nullptr for blend values outside the table (they
// leave the blend state as it was).
const BlendRow* FindBlendRow(int effect);

// The SDL mode that carries a row out: the standard mode when it is exact or
// when the renderer refuses custom modes, else the composed custom mode.
SDL_BlendMode BlendModeFor(const BlendRow& row, bool custom_modes);

}  // namespace bv::render

#include "render/effect.h"

#include <array>

namespace bv::render {

namespace {

// Colour-wise, NONE, BLEND, ADD (source alpha, one) and MOD (zero, source
// colour) are exact; the rows without an SDL equivalent fall back to the
// standard mode closest in effect when the renderer has no custom modes.
constexpr std::array<BlendRow, 10> kRows{{
    {kBlendNone, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO, SDL_BLENDMODE_NONE, true},
    {kBlendAdd, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD, false},
    {kBlendAlpha, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA,
     SDL_BLENDMODE_BLEND, true},
    {kBlendAlphaAdd, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD, true},
    {kBlendColor, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR,
     SDL_BLENDMODE_BLEND, false},
    {kBlendColorAdd, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ONE, SDL_BLENDMODE_ADD, false},
    {kBlendMultiply, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDMODE_MOD, true},
    {kBlendMask, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDMODE_MOD, false},
    {kBlendInvMultiply, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_COLOR,
     SDL_BLENDMODE_MOD, false},
    // Destination times inverse source alpha is what BLEND does with a black source.
    {kBlendInvMask, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDMODE_BLEND,
     false},
}};

}  // namespace

const BlendRow* FindBlendRow(int effect) {
  const int blend = effect & kBlendBits;
  for (const BlendRow& row : kRows) {
    if (row.blend == blend) return &row;
  }
  return nullptr;
}

SDL_BlendMode BlendModeFor(const BlendRow& row, bool custom_modes) {
  if (row.standard_exact || !custom_modes) return row.standard;
  // One set of factors for colour and alpha alike, as a single blend stage does.
  return SDL_ComposeCustomBlendMode(row.src, row.dst, SDL_BLENDOPERATION_ADD, row.src, row.dst,
                                    SDL_BLENDOPERATION_ADD);
}

}  // namespace bv::render

#pragma once

#include <cstdint>

#include "game/geometry.h"
#include "game/int32.h"
#include "game/world.h"
#include "render/geometry.h"

namespace bv::render {

constexpr Rect kWholeScreen{0, 0, game::kScreenWidth, game::kScreenHeight};
constexpr int32_t kViewCentreY = 240;
constexpr int32_t kSpriteHalf = 30;  // the 60 by 60 actor pattern is centred on its point

// Screen coordinates are sums of 32-bit values, saturated.
using game::ActorCell;
using game::kViewRows;
using game::Saturate;

// Nearest integer with halves to even, saturated into 32 bits (NaN gives 0).
int32_t RoundEven(long double v);

// One player's part of the screen.
struct View {
  int player = 0;                        // index into players
  Rect clip;                             // left, top, right, bottom
  int32_t left = 0;                      // V
  int32_t centre_x = 0;                  // Cx
  int32_t columns = game::kViewColumns;  // columns drawn left and right of the player's cell
  uint8_t cx = 0;                        // the player's cell
  uint8_t cy = 0;
  int32_t round_x = 0;  // round(x) of the player
  int32_t round_y = 0;
};

// Everything a frame computes once before drawing.
struct FrameValues {
  int view_count = 1;
  View views[2];
  int32_t light = 0;       // L: the pulsing cell channel is (L + 100) mod 256
  int32_t glow_alpha = 0;  // A: the sprites' alpha
  int32_t anim_frame = 0;  // F: pattern of animated textures

  bool two_views() const { return view_count == 2; }
};

FrameValues ComputeFrameValues(const game::World& world);

}  // namespace bv::render

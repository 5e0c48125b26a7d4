#pragma once

#include <cstdint>

#include "game/world.h"
#include "render/geometry.h"

namespace bv::render {

constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;
constexpr Rect kWholeScreen{0, 0, kScreenWidth, kScreenHeight};
constexpr int32_t kViewCentreY = 240;
constexpr int32_t kViewRows = 5;     // rows drawn above and below the player's cell
constexpr int32_t kSpriteHalf = 30;  // the 60 by 60 actor pattern is centred on its point
// A level change runs from 0 to 896; play starts at 896.
constexpr int32_t kPlayStart = 896;
constexpr int32_t kSetupPoint = 448;

// Nearest integer with halves to even, saturated into 32 bits (NaN gives 0).
int32_t RoundEven(long double v);

// Screen coordinates are sums of 32-bit values; saturating keeps far-away
// points far away instead of wrapping them onto the screen.
int32_t Saturate(int64_t v);

// floor(position / 50) as the byte a view holds: -1 becomes 255, which reads
// as a cell outside the grid.
uint8_t ViewCell(float position);

// floor(v / 50) of an actor's whole-pixel position.
int32_t ActorCell(int32_t v);

// One player's part of the screen.
struct View {
  int player = 0;        // index into players
  Rect clip;             // left, top, right, bottom
  int32_t left = 0;      // V
  int32_t centre_x = 0;  // Cx
  int32_t columns = 7;   // columns drawn left and right of the player's cell
  uint8_t cx = 0;        // the player's cell
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

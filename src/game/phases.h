#pragma once

// The values of World::transition: negative during the intro, a level change
// from 0 (shutters closing, the level set up at the midpoint, opening) and
// play from 896 on.

#include <cstdint>

#include "game/geometry.h"

namespace bv::game {

// The logo's pattern height, as start-up loads it.
constexpr int32_t kLogoPatternHeight = 210;

// The intro lasts three ticks for every pixel the logo rises over the screen.
constexpr int32_t IntroStartFor(int32_t logo_height) {
  return -3 * (logo_height + kScreenHeight);
}
constexpr int32_t kIntroStart = IntroStartFor(kLogoPatternHeight);  // -2070

constexpr int32_t kLevelChangeStart = 0;
constexpr int32_t kSetupPoint = 448;  // the shutters meet; the level is set up
constexpr int32_t kPlayStart = 896;
constexpr int32_t kTransitionStep = 4;  // per tick during a level change
// Where the counter rests during play: the step that reached kPlayStart.
constexpr int32_t kPlaySteady = kPlayStart + kTransitionStep;

static_assert(kIntroStart == -2070);
static_assert(kPlayStart == 2 * kSetupPoint && kSetupPoint % kTransitionStep == 0);

}  // namespace bv::game

#pragma once

#include "image.h"
#include "text.h"

namespace bv::assets {

// The actor sprite, 60 x 60, light grey so the player and enemy colours tint it.
Image MakeActorSprite();
// Health bar gradient, 100 x 4.
Image MakeHealthBar();
// HUD panel, 310 x 85, light so the player colour tints it.
Image MakeHudPanel();
// Intro logo: two 320 x 210 halves side by side (640 x 210).
Image MakeLogo(const Fonts& fonts);
// Level-change shutters, 448 x 480: side 0 slides in from the left, 1 from the right.
Image MakeShutter(int side, const Fonts& fonts);
// Split-screen divider, 2 x 480.
Image MakeSplit();

}  // namespace bv::assets

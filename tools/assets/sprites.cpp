#include "sprites.h"

namespace bv::assets {

Image MakeActorSprite() { return Image(60, 60); }
Image MakeHealthBar() { return Image(100, 4, {1, 0, 0, 1}); }
Image MakeHudPanel() { return Image(310, 85, {0.8f, 0.8f, 0.8f, 0.6f}); }
Image MakeLogo(const Fonts&) { return Image(640, 210, {0, 0, 0, 1}); }
Image MakeShutter(int, const Fonts&) { return Image(448, 480, {0.5f, 0.5f, 0.5f, 1}); }
Image MakeSplit() { return Image(2, 480, {1, 1, 1, 1}); }

}  // namespace bv::assets

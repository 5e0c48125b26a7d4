#pragma once

#include <array>

#include "game/world.h"

namespace bv::render {

class PatternImage;

// The images a frame draws with, filled by start-up's loading (see
// GameResources). A null image, or one that failed to load, draws nothing.
struct FrameImages {
  std::array<PatternImage*, game::kTextureCount> textures{};
  std::array<PatternImage*, game::kObjectImageCount> object_images{};
  std::array<PatternImage*, 2> load_images{};
  PatternImage* anim_image = nullptr;
  PatternImage* bar_image = nullptr;
  PatternImage* hud_image = nullptr;
  PatternImage* logo_image = nullptr;
  PatternImage* split_image = nullptr;
};

}  // namespace bv::render

#pragma once

#include <array>
#include <functional>

#include "image.h"

namespace bv::assets {

enum class TexKind { kNone, kFloor, kWall, kDetail, kAnimated };

struct TextureInfo {
  int number;
  const char* name;
  const char* set;
  TexKind kind;
  int patterns;  // 50 x 50 patterns side by side
};

constexpr int kTextureCount = 256;
constexpr int kAnimFrames = 4;

// The numbering the level sources rely on (docs/textures.md shows the same table).
const std::array<TextureInfo, kTextureCount>& TextureTable();

// Texture n as an opaque image 50 * patterns wide and 50 high.
Image MakeTexture(int n);

// A recipe paints one 50 x 50 pattern; still textures ignore the frame.
using Recipe = std::function<Image(int frame)>;
using Recipes = std::array<Recipe, kTextureCount>;

// Each set fills its numbers.
void AddLabTextures(Recipes& r);
void AddBunkerTextures(Recipes& r);
void AddOutdoorTextures(Recipes& r);
void AddIndustrialTextures(Recipes& r);
void AddHellTextures(Recipes& r);
void AddDetailTextures(Recipes& r);
void AddAnimatedTextures(Recipes& r);
// The menu level's names and arrows on the hall's paving, over details' numbers.
void AddMenuTextures(Recipes& r);
// Whether texture n is one of those marks (painted on an already fitted floor).
bool IsMenuMark(int n);

}  // namespace bv::assets

#pragma once

#include <cstdint>
#include <functional>

#include "color.h"
#include "noise.h"
#include "surface.h"
#include "text.h"

namespace bv::assets {

// Building blocks shared by the texture sets. Sizes are in pixels and divide
// 50 where a pattern must repeat across cells.

struct TileSpec {
  float size = 25;        // tile pitch
  float size_y = 0;       // 0: same as size
  float grout = 1.2f;     // grout line width
  float depth = 0.8f;     // how far the grout lies below the tiles
  Rgb color = Grey(0.9f);
  Rgb grout_color = Grey(0.6f);
  Rgb alt_color = Grey(0.6f);  // used by checker
  bool checker = false;
  float vary = 0.03f;     // per-tile brightness variation
  float roughness = 0.02f;
  float gloss = 0.3f;
  float bevel = 1.0f;     // rounded tile edges
  float bond = 0;         // row offset as a fraction of the tile (0.5 = running bond)
  bool diagonal = false;
  float dirt = 0;         // 0..1 stains
  float cracks = 0;       // 0..1
  float missing = 0;      // chance a tile is gone
  uint32_t seed = 1;
  std::function<Rgb(int tx, int ty, float u, float v, Rgb base)> tint;  // optional per-tile colour
};
void Tiles(Surface& s, const TileSpec& t);

struct BrickSpec {
  float w = 25, h = 10;
  float mortar = 1.5f;
  float depth = 1.5f;
  Rgb color = Hex(0xb06a50);
  Rgb mortar_color = Grey(0.75f);
  float vary = 0.12f;
  float roughness = 0.08f;
  bool stone = false;  // rough stone faces
  uint32_t seed = 2;
};
void Bricks(Surface& s, const BrickSpec& b);

struct ConcreteSpec {
  Rgb color = Grey(0.72f);
  float vary = 0.08f;
  float pores = 0.3f;
  float stains = 0;
  float cracks = 0;
  float aggregate = 0;  // visible stones
  uint32_t seed = 3;
};
void Concrete(Surface& s, const ConcreteSpec& c);

struct MetalSpec {
  Rgb color = Grey(0.7f);
  float brushed = 0.0f;    // streaks along x
  float scratches = 0.2f;
  float rust = 0;          // 0..1
  float gloss = 0.4f;
  uint32_t seed = 4;
};
void Metal(Surface& s, const MetalSpec& m);
// Seams of plates of pw x ph with rivets `rivet` px from each corner (0: none).
void PlateSeams(Surface& s, float pw, float ph, float rivet, float rivet_r = 1.3f, int rivets_per_side = 2);
void TreadPattern(Surface& s, float pitch, float strength);
void Perforate(Surface& s, float pitch, float r, Rgb hole);

struct PlankSpec {
  float w = 10;        // plank width (across)
  float len = 50;      // plank length
  bool vertical = false;
  Rgb color = Hex(0xb08a60);
  float vary = 0.15f;
  float grain = 0.5f;
  float gap = 0.8f;
  uint32_t seed = 5;
};
void Planks(Surface& s, const PlankSpec& p);

struct GroundSpec {
  Rgb a = Hex(0x7a6048), b = Hex(0x9a7c5c);
  int cells = 4;
  float contrast = 1.0f;
  float pebbles = 0;   // density 0..1
  Rgb pebble = Grey(0.6f);
  float bump = 0.6f;
  uint32_t seed = 6;
};
void Ground(Surface& s, const GroundSpec& g);
void GrassBlades(Surface& s, Rgb dark, Rgb light, float density, uint32_t seed);

// Stones of a cellular pattern: cobbles, masonry, rubble.
struct StoneSpec {
  int cells = 4;
  float jitter = 0.8f;
  float gap = 1.5f;
  float height = 2.5f;
  Rgb color = Grey(0.65f);
  Rgb gap_color = Grey(0.35f);
  float vary = 0.12f;
  float roughness = 0.3f;
  uint32_t seed = 7;
  std::function<Rgb(uint32_t id, Rgb base)> tint;
};
void Stones(Surface& s, const StoneSpec& st);

void Grating(Surface& s, float pitch_x, float pitch_y, float bar, Rgb metal, Rgb below, float depth);

// Raises the whole cell as a block: bevelled edges `width` wide, `height` tall,
// with a thin dark gap at the border so neighbouring blocks read apart.
void RaiseBlock(Surface& s, float width, float height, float gap = 0.7f);
// Stains (dark blotches) and cracks over whatever is painted.
void Stain(Surface& s, Rgb color, float amount, int cells, uint32_t seed);
void Cracks(Surface& s, float amount, float width, uint32_t seed, Rgb color = Grey(0.2f));
// Adds a brightness variation of fine noise.
void Grain(Surface& s, float amount, int cells, uint32_t seed);

// Fonts for lettering on textures (set once by the generator before painting).
void SetTextureFonts(const Fonts* fonts);
struct TextureFontsScope {
  explicit TextureFontsScope(const Fonts* f) { SetTextureFonts(f); }
  ~TextureFontsScope() { SetTextureFonts(nullptr); }
};
// Runs f with the texture fonts, one thread at a time; does nothing without them.
void UseTextureFonts(const std::function<void(const Fonts&)>& f);
// Paints UTF-8 text centred at (cx, cy), `px` high, as paint slightly raised.
void PaintText(Surface& s, const std::string& utf8, float cx, float cy, float px, Rgb color);

// Distance to the nearest line of a set of parallel lines every `pitch` pixels.
inline float LineDist(float v, float pitch, float offset = 0) {
  float m = std::fmod(v - offset, pitch);
  if (m < 0) m += pitch;
  return std::min(m, pitch - m);
}

}  // namespace bv::assets

namespace bv::assets {

// Material for Surface::Over: a flat colour raised to `h` with a rounded edge `bevel` wide.
inline auto Solid(Rgb albedo, float h, float bevel = 1.0f, float gloss = 0.1f, Rgb emit = {}) {
  return [=](float, float, float d) {
    Mat m;
    m.albedo = albedo;
    m.height = Bevel(d, bevel, h);
    m.gloss = gloss;
    m.emit = emit;
    return m;
  };
}

// A floor background and a piece of furniture or machinery on top, used by walls.
inline void Base(Surface& s, Rgb c, float vary = 0.05f, uint32_t seed = 99) {
  s.Paint([&](float x, float y, Mat& m) {
    m.albedo = c * (1 + vary * Fbm(x, y, 4, 3, seed));
    m.height = 0;
    m.gloss = 0.05f;
  });
}

}  // namespace bv::assets

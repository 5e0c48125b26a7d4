#pragma once

#include <cstdint>

namespace bv::render {

// The part of an image a quad shows. The game passes only an index.
struct PatternSelection {
  int32_t index = 0;
  int32_t source_x = 0;  // offset inside the pattern
  int32_t source_y = 0;
  int32_t width = 0;  // 0: the whole pattern (from the offset on)
  int32_t height = 0;
  uint8_t mirror = 0;  // non-zero exchanges the two u values
  uint8_t flip = 0;    // non-zero exchanges the two v values
};

// How an image's patterns sit in its textures.
struct PatternLayout {
  int32_t pattern_width = 0;
  int32_t pattern_height = 0;
  int32_t texture_width = 0;
  int32_t texture_height = 0;
  int32_t pattern_count = 0;

  int32_t per_row() const { return pattern_width > 0 ? texture_width / pattern_width : 0; }
  int32_t per_column() const { return pattern_height > 0 ? texture_height / pattern_height : 0; }
  int32_t per_texture() const { return per_row() * per_column(); }
  // Patterns need this many textures, rounded up; 0 for an empty layout.
  int32_t texture_count() const;
  // True when the sizes describe at least one pattern that fits its texture.
  bool valid() const;
};

// Where a selection lies: the texture number and the corners in texture
// coordinates (u0, v0 at the top-left corner of the quad).
struct TexCoords {
  int32_t texture = 0;
  float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
};

// The index is clamped to the image's patterns (beyond the last shows the
// last, negative shows the first); coordinates are kept inside 0..1 because
// the renderer refuses anything outside. The layout must be valid().
TexCoords PatternTexCoords(const PatternLayout& layout, const PatternSelection& selection);

}  // namespace bv::render

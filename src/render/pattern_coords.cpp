#include "render/pattern_coords.h"

#include <algorithm>
#include <utility>

namespace bv::render {

int32_t PatternLayout::texture_count() const {
  const int32_t per = per_texture();
  if (per <= 0 || pattern_count <= 0) return 0;
  return pattern_count / per + (pattern_count % per != 0 ? 1 : 0);
}

bool PatternLayout::valid() const {
  return pattern_width > 0 && pattern_height > 0 && texture_width >= pattern_width &&
         texture_height >= pattern_height && pattern_count > 0;
}

namespace {

float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}

}  // namespace

TexCoords PatternTexCoords(const PatternLayout& layout, const PatternSelection& selection) {
  const int32_t pw = layout.pattern_width;
  const int32_t ph = layout.pattern_height;
  const int32_t per_row = layout.per_row();
  const int32_t per_texture = layout.per_texture();
  const int32_t index = std::clamp(selection.index, 0, layout.pattern_count - 1);

  const int32_t within = index % per_texture;
  const int32_t column = within % per_row;
  const int32_t row = (within / per_row) % layout.per_column();

  // A selection offset moves the near edge into the pattern; without a width
  // of its own the selection runs to the pattern's far edge.
  const int32_t sx = selection.source_x;
  const int32_t sy = selection.source_y;
  const int32_t w = selection.width != 0 ? selection.width : pw - sx;
  const int32_t h = selection.height != 0 ? selection.height : ph - sy;

  const float tw = static_cast<float>(layout.texture_width);
  const float th = static_cast<float>(layout.texture_height);
  const int64_t left = static_cast<int64_t>(column) * pw + sx;
  const int64_t top = static_cast<int64_t>(row) * ph + sy;

  TexCoords tc;
  tc.texture = index / per_texture;
  tc.u0 = Clamp01(static_cast<float>(left) / tw);
  tc.u1 = Clamp01(static_cast<float>(left + w) / tw);
  tc.v0 = Clamp01(static_cast<float>(top) / th);
  tc.v1 = Clamp01(static_cast<float>(top + h) / th);
  if (selection.mirror != 0) std::swap(tc.u0, tc.u1);
  if (selection.flip != 0) std::swap(tc.v0, tc.v1);
  return tc;
}

}  // namespace bv::render

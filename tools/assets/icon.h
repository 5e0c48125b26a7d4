#pragma once

#include <string>
#include <vector>

#include "color.h"
#include "image.h"
#include "sdf.h"

namespace bv::assets {

// The program's icon: the player's blue figure on the tiled floor beside the
// walls, firing at a red enemy under the target marker. One list of shapes
// on a 256-unit square is both rasterised (the PNG sizes) and written as
// SVG (the scalable icon), so every size shows the same picture.
struct IconShape {
  enum class Kind { kRect, kFrame, kCircle, kEllipse, kSegment };
  Kind kind = Kind::kRect;
  // kRect: left, top, width, height, corner radius r; kFrame: the same
  // rectangle's border, `stroke` wide, centred on its edge.
  // kCircle: centre (x, y), radius r.  kEllipse: centre (x, y), radii (w, h).
  // kSegment: from (x, y) to (w, h), half width r, round ends.
  float x = 0, y = 0, w = 0, h = 0, r = 0, stroke = 0;
  Rgba fill;
  // An outline of this width around the shape, drawn under it.
  float outline = 0;
  Rgba edge;
  // Turned clockwise by this many degrees around the pivot.
  float angle = 0;
  V2 pivot;
};

constexpr int kIconUnits = 256;
// The icon's name in the desktop's icon theme and the desktop entry.
constexpr const char* kAppId = "io.github.brimvale.Brimvale";

const std::vector<IconShape>& IconShapes();

// Signed distance of a point (in icon units) to a shape, outline excluded.
float IconShapeDistance(const IconShape& s, V2 p);

// The icon as a size by size picture with a transparent background.
Image RasterIcon(int size);

// The icon as a standalone SVG document.
std::string IconSvg();

// The sizes of the PNG icons installed beside the SVG.
constexpr int kIconPngSizes[] = {48, 128, 256};

}  // namespace bv::assets

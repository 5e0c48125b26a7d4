#pragma once

#include <string>

#include "level/level_image.h"

namespace bv::level {

// Writes a source that compiles back to exactly `image`. The most common
// cells get legend characters; cells beyond the 94 characters are written as
// "at" lines. Trailing columns and rows of padding are left out of the map.
// `origin` names the file in the header comment.
std::string Decompile(const LevelImage& image, const std::string& origin);

// The fields of one cell as a source writes them ("texture 3 object cd").
std::string CellFields(const Cell& cell);

}  // namespace bv::level

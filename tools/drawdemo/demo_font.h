#pragma once

#include <string>

namespace bv::tools {

// Writes a small 5 by 7 pixel font for the characters 32..95 (no lower case)
// as a font archive, for when no font file is given. False on failure.
bool WriteDemoFont(const std::string& path);

}  // namespace bv::tools

#pragma once

#include <string>

namespace bv::settings {

// "40 %": the position over 2.55, rounded (no position 0..255 falls on a half).
std::string PercentLabel(int position);
// "10 morderstw"
std::string FragLabel(int frags);
// "5000 punktów" (Windows-1250)
std::string PointLabel(int points);

}  // namespace bv::settings

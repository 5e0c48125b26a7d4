#include "settings/options_labels.h"

#include "settings/options_texts.h"

namespace bv::settings {

std::string PercentLabel(int position) {
  // round(position * 100 / 255) in integers, halves away from zero.
  const int twice = position * 200;
  const int percent = twice >= 0 ? (twice + 255) / 510 : -((-twice + 255) / 510);
  return std::to_string(percent) + text::kPercentSuffix;
}

std::string FragLabel(int frags) {
  return std::to_string(frags) + text::kFragSuffix;
}

std::string PointLabel(int points) {
  return std::to_string(points) + text::kPointSuffix;
}

}  // namespace bv::settings

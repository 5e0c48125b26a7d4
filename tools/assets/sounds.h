#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bv::assets {

constexpr int kSampleRate = 22050;

// The sample for a file base name ("gun0", "kill3", "win"); empty for an unknown name.
std::vector<int16_t> MakeSound(const std::string& name);

}  // namespace bv::assets

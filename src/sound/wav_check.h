#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bv::sound {

// Sound files are short effects; anything larger is refused before decoding.
constexpr size_t kMaxWavFileBytes = 16u << 20;
constexpr double kMaxWavSeconds = 60.0;

// Checks a RIFF WAVE file before it is decoded: every chunk lies inside the
// file, there is one format and one data chunk, the format is integer PCM (8, 16, 24, 32 bits) or
// 32-bit float with 1 to 8 channels, and the sound lasts at most a minute, so a damaged header
// cannot ask for a huge buffer. Empty when the file is acceptable, otherwise
// why not.
std::string CheckWav(const uint8_t* data, size_t size);

}  // namespace bv::sound

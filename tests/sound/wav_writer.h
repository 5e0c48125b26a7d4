#pragma once

// Small WAV files made on the spot for the sound tests.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace bv::test {

inline void PutLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline void PutId(std::vector<uint8_t>& out, const char* id) {
  out.insert(out.end(), id, id + 4);
}

// A "fmt " chunk body of 16 bytes.
inline std::vector<uint8_t> FormatBody(uint16_t tag, uint16_t channels, uint32_t rate,
                                       uint16_t bits) {
  std::vector<uint8_t> b;
  uint16_t align = static_cast<uint16_t>(channels * (bits / 8));
  PutLe(b, tag, 2);
  PutLe(b, channels, 2);
  PutLe(b, rate, 4);
  PutLe(b, rate * align, 4);
  PutLe(b, align, 2);
  PutLe(b, bits, 2);
  return b;
}

struct Chunk {
  const char* id;
  std::vector<uint8_t> body;
  int64_t declared = -1;  // the length written in the header; -1: the body's size
};

// RIFF WAVE from chunks, padding odd ones as files do.
inline std::vector<uint8_t> RiffWave(const std::vector<Chunk>& chunks) {
  std::vector<uint8_t> out;
  PutId(out, "RIFF");
  PutLe(out, 0, 4);
  PutId(out, "WAVE");
  for (const Chunk& c : chunks) {
    PutId(out, c.id);
    PutLe(out, static_cast<uint32_t>(c.declared >= 0 ? c.declared : c.body.size()), 4);
    out.insert(out.end(), c.body.begin(), c.body.end());
    if (c.body.size() % 2 != 0) out.push_back(0);
  }
  uint32_t riff = static_cast<uint32_t>(out.size() - 8);
  for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(riff >> (8 * i));
  return out;
}

// A plain 16-bit PCM tone of the given number of frames.
inline std::vector<uint8_t> PcmWav(uint32_t frames, uint32_t rate = 22050, uint16_t channels = 1) {
  std::vector<uint8_t> data;
  for (uint32_t f = 0; f < frames * channels; ++f) {
    PutLe(data, static_cast<uint16_t>((f % 50) < 25 ? 8000 : -8000), 2);
  }
  return RiffWave({{"fmt ", FormatBody(1, channels, rate, 16)}, {"data", data}});
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

}  // namespace bv::test

#include "sound/wav_check.h"

#include <cstring>

#include "media/le_bytes.h"

namespace bv::sound {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatFloat = 3;
constexpr uint16_t kFormatExtensible = 0xFFFE;

using media::ReadU16;
using media::ReadU32;

struct Format {
  uint16_t tag = 0;
  uint16_t channels = 0;
  uint32_t rate = 0;
  uint16_t block_align = 0;
  uint16_t bits = 0;
};

std::string CheckFormat(const uint8_t* p, uint32_t size, Format& f) {
  if (size < 16) return "format chunk too short";
  f.tag = ReadU16(p);
  f.channels = ReadU16(p + 2);
  f.rate = ReadU32(p + 4);
  f.block_align = ReadU16(p + 12);
  f.bits = ReadU16(p + 14);
  if (f.tag == kFormatExtensible) {
    if (size < 40) return "extensible format chunk too short";
    f.tag = ReadU16(p + 24);  // the sub-format GUID starts with the plain format tag
  }
  bool pcm = f.tag == kFormatPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
  bool flt = f.tag == kFormatFloat && f.bits == 32;
  if (!pcm && !flt) return "unsupported sample format";
  if (f.channels < 1 || f.channels > 8) return "unsupported channel count";
  if (f.rate < 1 || f.rate > 384000) return "unsupported sample rate";
  if (f.block_align != f.channels * (f.bits / 8)) return "inconsistent block size";
  return {};
}

}  // namespace

std::string CheckWav(const uint8_t* data, size_t size) {
  if (size > kMaxWavFileBytes) return "file too large for a sound sample";
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
    return "not a RIFF WAVE file";
  }
  Format format;
  bool have_format = false;
  uint32_t data_bytes = 0;
  bool have_data = false;
  size_t pos = 12;
  while (size - pos >= 8) {
    const uint8_t* id = data + pos;
    uint32_t len = ReadU32(data + pos + 4);
    pos += 8;
    if (len > size - pos)
      return std::string("chunk '") + std::string(id, id + 4) + "' runs past the end";
    // One format and one data chunk, so the decoder reads exactly what was checked.
    if (std::memcmp(id, "fmt ", 4) == 0) {
      if (have_format) return "more than one format chunk";
      std::string why = CheckFormat(data + pos, len, format);
      if (!why.empty()) return why;
      have_format = true;
    } else if (std::memcmp(id, "data", 4) == 0) {
      if (have_data) return "more than one data chunk";
      if (!have_format) return "sound data before its format";
      data_bytes = len;
      have_data = true;
    }
    pos += len;
    if ((len & 1u) != 0 && pos < size) ++pos;  // chunks are padded to even sizes
  }
  if (!have_format) return "no format chunk";
  if (!have_data) return "no sound data";
  double seconds = static_cast<double>(data_bytes / format.block_align) / format.rate;
  if (seconds > kMaxWavSeconds) return "sound too long for a sample";
  return {};
}

}  // namespace bv::sound

#pragma once

// The .bvr replay file: a 64-byte header, then chunks of zlib-packed
// records, each with its own CRC-32 (docs/formats.md, "Replay file").
// Everything little-endian, read and written field by field.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace bv::replay {

// A replay that cannot be read: one line naming the problem.
class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr std::array<uint8_t, 4> kMagic = {'B', 'V', 'R', 0x1A};
constexpr uint16_t kFormatVersion = 1;
constexpr size_t kHeaderSize = 64;
constexpr size_t kChunkHeaderSize = 24;
constexpr uint32_t kChunkTag = 0x4B4E4843;  // "CHNK"
constexpr size_t kRecorderNameSize = 16;

// Bounds a reader enforces, so no file makes it allocate much or run long.
constexpr uint32_t kMaxChunkRaw = 1u << 20;
constexpr uint64_t kMaxFileSize = 256ull << 20;
constexpr uint32_t kMaxSteps = 0x7FFFFFFF;
// Writers close a chunk about every second; a chunk claiming more steps than
// ten minutes of play is damaged (a few bytes must not mean hours of ticks).
constexpr uint32_t kMaxChunkSteps = 90 * 60 * 10;

// The file's header: who recorded what, and the world's start.
struct Header {
  uint16_t format_version = kFormatVersion;
  uint16_t rules_version = 0;
  uint16_t fps = 90;         // logic steps a second: a clock record's rate turns into fps / rate
  int64_t started = 0;       // seconds since 1970 (UTC) when the recording began
  uint32_t seed = 0;         // the world's random source
  int32_t level_number = 0;  // the world's start values besides the game's defaults
  int32_t transition = 0;
  uint8_t two_players = 0;
  std::string recorder;  // what recorded it ("brimvale", "brimvale-sim"), ASCII, at most 16
};

std::array<uint8_t, kHeaderSize> EncodeHeader(const Header& header);
// Throws ReplayError for a foreign or damaged header, a newer format or
// another rules version than `rules_version` (both named).
Header DecodeHeader(const uint8_t* bytes, size_t size, uint16_t rules_version);

struct ChunkHeader {
  uint32_t index = 0;        // 0, 1, 2, ... in file order
  uint32_t first_step = 0;   // steps recorded before this chunk
  uint32_t raw_size = 0;     // the records unpacked
  uint32_t stored_size = 0;  // the zlib stream that follows the header
  uint32_t crc = 0;          // CRC-32 of the header's first 20 bytes and the stored bytes
};

// A whole chunk: header and packed payload.
std::vector<uint8_t> EncodeChunk(uint32_t index, uint32_t first_step,
                                 const std::vector<uint8_t>& records);

// The CRC-32 zlib computes (0xCBF43926 for "123456789").
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

}  // namespace bv::replay

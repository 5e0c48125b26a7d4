#include "replay/format.h"

#include <zlib.h>

#include <cstring>

#include "media/le_bytes.h"

namespace bv::replay {

namespace {

using media::ReadI32;
using media::ReadU16;
using media::ReadU32;
using media::WriteI32;
using media::WriteU16;
using media::WriteU32;

// Header field offsets.
constexpr size_t kOffFormat = 4;
constexpr size_t kOffRules = 6;
constexpr size_t kOffHeaderSize = 8;
constexpr size_t kOffFps = 12;
constexpr size_t kOffFlags = 14;
constexpr size_t kOffStarted = 16;
constexpr size_t kOffSeed = 24;
constexpr size_t kOffLevel = 28;
constexpr size_t kOffTransition = 32;
constexpr size_t kOffTwoPlayers = 36;
constexpr size_t kOffRecorder = 40;
constexpr size_t kOffHeaderCrc = 60;
static_assert(kOffRecorder + kRecorderNameSize + 4 == kOffHeaderCrc);
static_assert(kOffHeaderCrc + 4 == kHeaderSize, "the header is 64 bytes");

constexpr size_t kChunkCrcOffset = 20;
static_assert(kChunkCrcOffset + 4 == kChunkHeaderSize, "a chunk header is 24 bytes");

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  uLong c = crc;
  while (size > 0) {
    const uInt n = size > (1u << 30) ? (1u << 30) : static_cast<uInt>(size);
    c = crc32(c, data, n);
    data += n;
    size -= n;
  }
  return static_cast<uint32_t>(c);
}

std::array<uint8_t, kHeaderSize> EncodeHeader(const Header& h) {
  std::array<uint8_t, kHeaderSize> b{};
  std::memcpy(b.data(), kMagic.data(), kMagic.size());
  WriteU16(&b[kOffFormat], h.format_version);
  WriteU16(&b[kOffRules], h.rules_version);
  WriteU32(&b[kOffHeaderSize], kHeaderSize);
  WriteU16(&b[kOffFps], h.fps);
  WriteU16(&b[kOffFlags], 0);
  const uint64_t started = static_cast<uint64_t>(h.started);
  WriteU32(&b[kOffStarted], static_cast<uint32_t>(started));
  WriteU32(&b[kOffStarted + 4], static_cast<uint32_t>(started >> 32));
  WriteU32(&b[kOffSeed], h.seed);
  WriteI32(&b[kOffLevel], h.level_number);
  WriteI32(&b[kOffTransition], h.transition);
  b[kOffTwoPlayers] = h.two_players;
  for (size_t i = 0; i < kRecorderNameSize && i < h.recorder.size(); ++i) {
    const char c = h.recorder[i];
    b[kOffRecorder + i] = (c >= 0x20 && c < 0x7F) ? static_cast<uint8_t>(c) : '?';
  }
  WriteU32(&b[kOffHeaderCrc], Crc32(b.data(), kOffHeaderCrc));
  return b;
}

Header DecodeHeader(const uint8_t* b, size_t size, uint16_t rules_version) {
  if (size < kMagic.size() || std::memcmp(b, kMagic.data(), kMagic.size()) != 0) {
    throw ReplayError("not a Brimvale replay (no BVR signature)");
  }
  if (size < kHeaderSize) {
    throw ReplayError("truncated: the header needs " + std::to_string(kHeaderSize) +
                      " bytes, the file has " + std::to_string(size));
  }
  Header h;
  h.format_version = ReadU16(&b[kOffFormat]);
  // The version is read before the checksum: a newer format may lay the
  // rest of its header out differently.
  if (h.format_version == 0 || h.format_version > kFormatVersion) {
    throw ReplayError("replay format version " + std::to_string(h.format_version) +
                      " is not one this build reads (it reads version " +
                      std::to_string(kFormatVersion) + ")");
  }
  if (ReadU32(&b[kOffHeaderCrc]) != Crc32(b, kOffHeaderCrc)) {
    throw ReplayError("damaged header (CRC-32 mismatch)");
  }
  if (ReadU32(&b[kOffHeaderSize]) != kHeaderSize) {
    throw ReplayError("damaged header (header size " + std::to_string(ReadU32(&b[kOffHeaderSize])) +
                      ", expected " + std::to_string(kHeaderSize) + ")");
  }
  h.rules_version = ReadU16(&b[kOffRules]);
  if (h.rules_version != rules_version) {
    throw ReplayError("recorded under rules version " + std::to_string(h.rules_version) +
                      "; this build plays rules version " + std::to_string(rules_version));
  }
  h.fps = ReadU16(&b[kOffFps]);
  if (h.fps < 1 || h.fps > 240) {
    throw ReplayError("damaged header (" + std::to_string(h.fps) + " steps a second)");
  }
  const uint64_t started =
      ReadU32(&b[kOffStarted]) | (static_cast<uint64_t>(ReadU32(&b[kOffStarted + 4])) << 32);
  h.started = static_cast<int64_t>(started);
  h.seed = ReadU32(&b[kOffSeed]);
  h.level_number = ReadI32(&b[kOffLevel]);
  h.transition = ReadI32(&b[kOffTransition]);
  h.two_players = b[kOffTwoPlayers];
  if (h.two_players > 1)
    throw ReplayError("damaged header (two_players " + std::to_string(h.two_players) + ")");
  for (size_t i = 0; i < kRecorderNameSize && b[kOffRecorder + i] != 0; ++i) {
    const uint8_t c = b[kOffRecorder + i];
    h.recorder.push_back((c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?');
  }
  return h;
}

std::vector<uint8_t> EncodeChunk(uint32_t index, uint32_t first_step,
                                 const std::vector<uint8_t>& records) {
  uLongf packed_size = compressBound(static_cast<uLong>(records.size()));
  std::vector<uint8_t> out(kChunkHeaderSize + packed_size);
  const int rc = compress2(out.data() + kChunkHeaderSize, &packed_size, records.data(),
                           static_cast<uLong>(records.size()), Z_BEST_COMPRESSION);
  if (rc != Z_OK)
    throw ReplayError("cannot pack a replay chunk (zlib error " + std::to_string(rc) + ")");
  out.resize(kChunkHeaderSize + packed_size);
  WriteU32(&out[0], kChunkTag);
  WriteU32(&out[4], index);
  WriteU32(&out[8], first_step);
  WriteU32(&out[12], static_cast<uint32_t>(records.size()));
  WriteU32(&out[16], static_cast<uint32_t>(packed_size));
  uint32_t crc = Crc32(out.data(), kChunkCrcOffset);
  crc = Crc32(out.data() + kChunkHeaderSize, packed_size, crc);
  WriteU32(&out[kChunkCrcOffset], crc);
  return out;
}

}  // namespace bv::replay

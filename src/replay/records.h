#pragma once

// The records inside a replay's chunks: what the tick read from outside the
// world, step by step, and the world hashes that check a playback. Each
// record is a code byte and its fields (docs/formats.md, "Records").

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/world.h"
#include "settings/config_record.h"
#include "settings/live_options.h"
#include "sim/input_frame.h"

namespace bv::replay {

// Record codes. A pass: the play clock advances by fps / rate, then 0..8
// steps run. Codes 0x00..0x08 reuse the previous pass's rate, 0x10..0x18
// give a new one; the low digit is the step count.
enum Code : uint8_t {
  kPassSameRate = 0x00,
  kPassNewRate = 0x10,
  kClockExact = 0x20,  // f64 delta: a clock advance that is not fps / rate
  kSteps = 0x21,       // varint n >= 1: steps without a clock advance
  kKeys = 0x22,        // u16 frame: what the first key read of the following steps finds
  kLaterRead = 0x23,   // u8 read (1..3), u16 frame: a later read of the next step only
  kOptions = 0x24,     // u16 length, options (below)
  kHash = 0x25,        // varint step, u64: the world hash after that many steps
  kLevel = 0x26,       // varint step, u64: the level bytes' hash after a level setup
  kEnd = 0x27,         // varint step, u64: the last world hash; nothing follows
};

constexpr int kMaxPassSteps = 8;
// Key reads kept per step: the tick reads once, twice during the intro.
constexpr int kMaxReads = 4;

// The keys one step reads: one frame per Update of the keyboard, in order.
// Reads past the ones the tick makes are unused; by default every read
// finds what the first one found.
struct StepInput {
  std::array<sim::InputFrame, kMaxReads> reads{};

  static StepInput Of(sim::InputFrame frame) {
    StepInput in;
    in.reads.fill(frame);
    return in;
  }
  bool operator==(const StepInput& o) const { return reads == o.reads; }
  bool operator!=(const StepInput& o) const { return !(*this == o); }
};

// Everything outside the world the tick and the level setup read from the
// options window: the settings its closes mirror into the world, and the
// live options.
struct ReplayOptions {
  settings::ConfigRecord settings;
  settings::LiveOptions live;
};

// The options as they stand: the world's mirrors and the live options.
ReplayOptions CaptureOptions(const game::World& world, const settings::LiveOptions& live);
// Mirrors the recorded settings into the world and sets the live options.
void ApplyOptions(const ReplayOptions& options, game::World& world, settings::LiveOptions& live);

constexpr size_t kMaxLevelListEntries = 4096;

// An options record's fields; Decode throws ReplayError for a bad one.
std::vector<uint8_t> EncodeOptions(const ReplayOptions& options);
ReplayOptions DecodeOptions(const uint8_t* data, size_t size);

// Unsigned LEB128, and zigzag for signed values.
void AppendVarint(std::vector<uint8_t>& out, uint64_t v);
inline uint64_t ZigZag(int64_t v) {
  return (static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63);
}
inline int64_t UnZigZag(uint64_t v) {
  return static_cast<int64_t>(v >> 1) ^ -static_cast<int64_t>(v & 1);
}

// Bounds-checked reading of one chunk's records; every failure throws
// ReplayError naming the offset.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool done() const { return pos_ >= size_; }
  size_t pos() const { return pos_; }
  uint8_t U8();
  uint16_t U16();
  uint64_t U64();
  double F64();
  uint64_t Varint();
  const uint8_t* Take(size_t n);

 private:
  [[noreturn]] void Short(const char* what) const;
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace bv::replay

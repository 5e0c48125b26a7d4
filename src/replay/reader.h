#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "replay/format.h"
#include "replay/records.h"

namespace bv::replay {

// One record as a playback acts on it.
struct Record {
  enum class Kind { kClock, kSteps, kKeys, kLaterRead, kOptions, kHash, kLevel, kEnd };
  Kind kind = Kind::kSteps;
  double delta = 0.0;         // kClock: the play clock's advance
  uint32_t steps = 0;         // kClock: steps after the advance; kSteps: the count
  sim::InputFrame frame = 0;  // kKeys, kLaterRead
  int read = 0;               // kLaterRead: which read of the next step (1..3)
  ReplayOptions options;      // kOptions
  uint32_t step = 0;          // kHash, kLevel, kEnd: steps run before it
  uint64_t hash = 0;          // kHash, kLevel, kEnd
};

// Reads the records of a replay's chunks in order. The rate of a pass is
// coded against the previous pass's, so one decoder walks a file's chunks
// from the first.
class RecordDecoder {
 public:
  explicit RecordDecoder(uint16_t fps) : fps_(fps) {}
  // Decodes the next record of `in`; throws ReplayError for a bad one.
  Record Next(ByteReader& in);

 private:
  uint16_t fps_;
  int64_t last_rate_ = 0;
};

// A replay file, checked whole when it is opened: the header, every
// chunk's framing, CRC-32 and packing, and every record, so a damaged or
// truncated file is refused before anything is played. A file that stops
// at a chunk's end without its end record (the game was killed) is a
// replay of the steps it holds.
class ReplayFile {
 public:
  // Throws ReplayError naming the problem.
  static ReplayFile FromBytes(std::vector<uint8_t> bytes);
  // As FromBytes; the error names the file too.
  static ReplayFile Load(const std::string& path);

  const Header& header() const { return header_; }
  size_t chunk_count() const { return chunks_.size(); }
  // The records of chunk i, unpacked.
  std::vector<uint8_t> ChunkRecords(size_t i) const;
  uint32_t steps() const { return steps_; }
  // True when the recording was finished (it ends with its end record).
  bool finished() const { return finished_; }
  // The last world hash the file holds, and after how many steps.
  uint64_t last_hash() const { return last_hash_; }
  uint32_t last_hash_step() const { return last_hash_step_; }
  size_t size() const { return bytes_.size(); }

 private:
  struct Chunk {
    size_t offset = 0;
    uint32_t raw_size = 0;
    uint32_t stored_size = 0;
  };
  std::vector<uint8_t> Unpack(size_t i) const;
  void CheckRecords();

  std::vector<uint8_t> bytes_;
  Header header_;
  std::vector<Chunk> chunks_;
  RecordDecoder decoder_state_{90};
  uint32_t steps_ = 0;
  bool finished_ = false;
  uint64_t last_hash_ = 0;
  uint32_t last_hash_step_ = 0;
};

}  // namespace bv::replay

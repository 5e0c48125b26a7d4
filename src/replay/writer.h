#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "replay/format.h"
#include "replay/records.h"

namespace bv::replay {

// Where a writer's bytes go.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Appends every byte, or returns false with the reason.
  virtual bool Append(const uint8_t* data, size_t size, std::string* error) = 0;
};

class MemorySink final : public ByteSink {
 public:
  bool Append(const uint8_t* data, size_t size, std::string*) override {
    bytes.insert(bytes.end(), data, data + size);
    return true;
  }
  std::vector<uint8_t> bytes;
};

// Writes a replay in the order things happen to the world: the start, then
// options changes, clock advances and steps, with world hashes between
// them, then the end. Records collect in memory until Flush, which packs
// them into a chunk and hands it to the sink, so a file written through it
// is complete up to the last flush. The caller picks when to flush and
// hash (replay::Recorder does: once a second of play).
//
// Playing a replay back performs the same calls in the same order on a
// fresh world (replay::Player), so whatever drives the tick can record by
// calling, per step: Options (when they may have changed), Clock (when the
// play clock advances), Step (with the keys the step read), then Level
// after a step that set a level up and Hash now and then.
class Writer {
 public:
  explicit Writer(ByteSink& sink) : sink_(sink) {}
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

  // The header, the options and the world hash before the first step;
  // flushed at once.
  void Begin(const Header& header, const ReplayOptions& start, uint64_t start_hash);
  // The options as they stand before the next step; recorded only when they
  // differ from the last ones recorded.
  void Options(const ReplayOptions& options);
  // The play clock advances by delta steps (a pass's real-time event).
  void Clock(double delta);
  // One step ran, reading these keys.
  void Step(const StepInput& input);
  // The step just recorded set a level up; `level_hash` is LevelHash(world).
  void Level(uint64_t level_hash);
  // The world hash after the steps so far.
  void Hash(uint64_t world_hash);
  // Packs what was recorded since the last flush into a chunk for the sink.
  void Flush();
  // The last world hash, then a final flush; nothing may follow.
  void Finish(uint64_t final_hash);

  uint32_t steps() const { return steps_; }
  // Steps recorded since the last flush.
  uint32_t unflushed_steps() const { return steps_ - chunk_first_step_; }
  bool begun() const { return begun_; }
  bool finished() const { return finished_; }
  // A sink that failed stops the writer; every later call does nothing.
  bool failed() const { return failed_; }
  const std::string& error() const { return error_; }
  uint64_t bytes_written() const { return bytes_written_; }

 private:
  void EndPass();
  void Put(const uint8_t* data, size_t size);
  bool Usable() const { return begun_ && !finished_ && !failed_; }

  ByteSink& sink_;
  Header header_;
  std::vector<uint8_t> records_;
  std::vector<uint8_t> last_options_;
  bool begun_ = false;
  bool finished_ = false;
  bool failed_ = false;
  std::string error_;
  uint64_t bytes_written_ = 0;
  uint32_t chunk_index_ = 0;
  uint32_t chunk_first_step_ = 0;
  uint32_t steps_ = 0;

  // The pass being written: its clock advance and the steps since.
  bool pass_open_ = false;
  bool pass_has_clock_ = false;
  bool pass_exact_ = false;
  int64_t pass_rate_ = 0;
  double pass_delta_ = 0.0;
  uint32_t pass_steps_ = 0;
  int64_t last_rate_ = 0;
  sim::InputFrame keys_ = 0;
};

// The hash of the level bytes a level setup read (FNV-1a 64 of level_raw).
uint64_t LevelHash(const game::World& world);

}  // namespace bv::replay

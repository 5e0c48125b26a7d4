#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "game/key_source.h"
#include "game/world.h"
#include "replay/file_sink.h"
#include "replay/recorder.h"
#include "replay/writer.h"
#include "settings/live_options.h"

namespace bv::app {

// The run's replay: one file in the replays folder, written as the game
// goes (a chunk at least every second of play, so a kill loses at most
// that), the folder pruned to the newest runs. A folder or file that cannot
// be written leaves the game unrecorded, never stopped.
class ReplayRecording {
 public:
  ReplayRecording(const game::World& world, const settings::LiveOptions& live)
      : world_(world), live_(live) {}
  ReplayRecording(const ReplayRecording&) = delete;
  ReplayRecording& operator=(const ReplayRecording&) = delete;
  ~ReplayRecording() { Finish(); }

  // Starts the file from the world as it stands (the options window's first
  // close done). False, with the reason, when nothing will be recorded.
  bool Start(const std::string& dir, uint32_t seed, std::string* error);

  // The main window's tick hook: before each real-time event, around each tick.
  void RealTime(double delta) {
    if (recorder_) recorder_->RealTime(delta);
  }
  game::KeySource& BeforeStep(game::KeySource& keys) {
    return recorder_ ? recorder_->BeforeStep(keys) : keys;
  }
  void AfterStep() {
    if (recorder_) recorder_->AfterStep();
  }
  // The run ends: the last hash and the end record. Once only.
  void Finish();

  bool recording() const { return recorder_ != nullptr && !writer_->failed(); }
  const std::string& path() const { return sink_.path(); }
  // Empty while the writes succeed.
  std::string error() const { return writer_ != nullptr ? writer_->error() : std::string(); }

 private:
  const game::World& world_;
  const settings::LiveOptions& live_;
  replay::FileSink sink_;
  std::unique_ptr<replay::Writer> writer_;
  std::unique_ptr<replay::Recorder> recorder_;
};

// The replays folder: BRIMVALE_REPLAYS when set (a test hook), else `dir`.
std::string ReplaysFolder(const std::string& dir);

}  // namespace bv::app

#include "app/replay_recording.h"

#include <cstdlib>
#include <ctime>

#include "replay/replay_folder.h"
#include "sim/rules_version.h"

namespace bv::app {

bool ReplayRecording::Start(const std::string& dir, uint32_t seed, std::string* error) {
  const std::time_t now = std::time(nullptr);
  if (!replay::CreateRunFile(dir, now, sink_, error)) return false;
  // This run is the newest, so it always stays.
  replay::PruneRuns(dir);
  writer_ = std::make_unique<replay::Writer>(sink_);
  recorder_ = std::make_unique<replay::Recorder>(*writer_, world_, live_);
  replay::Header header;
  header.rules_version = sim::kRulesVersion;
  header.started = static_cast<int64_t>(now);
  header.seed = seed;
  header.recorder = "brimvale";
  recorder_->Start(header);
  if (writer_->failed()) {
    if (error != nullptr) *error = writer_->error();
    return false;
  }
  return true;
}

void ReplayRecording::Finish() {
  if (recorder_ == nullptr || writer_->finished()) return;
  recorder_->Finish();
  sink_.Close();
}

std::string ReplaysFolder(const std::string& dir) {
  const char* hook = std::getenv("BRIMVALE_REPLAYS");
  return hook != nullptr && hook[0] != '\0' ? std::string(hook) : dir;
}

}  // namespace bv::app

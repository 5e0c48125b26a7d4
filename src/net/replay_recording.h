#pragma once

// A network game written as a normal replay: only confirmed steps, each
// with its one-step clock advance, a world hash and a chunk every second.

#include <cstdint>
#include <string>

#include "net/rollback.h"
#include "replay/writer.h"

namespace bv::net {

class ReplayRecording final : public ConfirmedSteps {
 public:
  static constexpr uint32_t kStepsPerChunk = 90;

  // `recorder` names what wrote the file; `started` is its start time.
  ReplayRecording(replay::Writer& writer, std::string recorder, int64_t started)
      : writer_(writer), recorder_(std::move(recorder)), started_(started) {}

  void Started(const replay::Header& header, const replay::ReplayOptions& options,
               const game::World& world) override;
  void Confirmed(const ConfirmedStep& step, const game::World& after) override;
  // The end record, with the hash of the world after the last confirmed step.
  void Finish(const game::World& confirmed_world);

 private:
  replay::Writer& writer_;
  std::string recorder_;
  int64_t started_;
};

}  // namespace bv::net

#pragma once

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "game/places.h"
#include "game/world.h"
#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"

namespace bv::sim {

// Takes the scenario's screenshots while it runs: after each requested tick
// it draws the frame with the game's renderer into SDL's software renderer
// and writes a PNG. The images and the font are loaded from program_dir the
// way start-up loads them, once, before the first screenshot.
class ScreenshotTaker final : public RunObserver {
 public:
  explicit ScreenshotTaker(const Scenario& scenario);
  ~ScreenshotTaker() override;

  void AfterTick(int64_t tick, const game::World& world) override;

  // Call after the run: requests for ticks that never ran become failures.
  void Finish(int64_t ticks_run);

  // One line for each screenshot that could not be taken, empty when all were.
  const std::vector<std::string>& failures() const { return failures_; }
  // [{"tick", "path"}] of the screenshots written.
  const nlohmann::json& written() const { return written_; }

 private:
  struct Renderer;

  bool Prepare();
  void Take(size_t index, const game::World& world);

  std::vector<ScreenshotRequest> requests_;  // in order of tick
  game::Places places_;
  bool show_fps_ = false;
  size_t next_ = 0;
  bool prepared_ = false;
  std::unique_ptr<Renderer> renderer_;
  std::vector<std::string> failures_;
  nlohmann::json written_ = nlohmann::json::array();
};

}  // namespace bv::sim

// brimvale-sim SCENARIO.json: runs the game tick headless over a scenario and
// prints what happened as one JSON document, writing the screenshots the
// scenario asks for. Exit 2 for a bad scenario, 1 when the run or a
// screenshot failed.

#include <iostream>
#include <memory>
#include <string>

#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"
#include "tools/sim/screenshots.h"

namespace {

// One line on stderr, whatever the message holds.
void Complain(const std::string& text) {
  std::string line = "brimvale-sim: ";
  for (char c : text) line.push_back((c == '\n' || c == '\r') ? ' ' : c);
  std::cerr << line << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    Complain("usage: brimvale-sim SCENARIO.json");
    return 2;
  }
  bv::sim::Scenario scenario;
  try {
    scenario = bv::sim::LoadScenarioFile(argv[1]);
  } catch (const bv::sim::ScenarioError& e) {
    Complain(e.what());
    return 2;
  }
  try {
    std::unique_ptr<bv::sim::ScreenshotTaker> screenshots;
    if (!scenario.screenshots.empty()) {
      screenshots = std::make_unique<bv::sim::ScreenshotTaker>(scenario);
    }
    nlohmann::json out = bv::sim::RunScenario(scenario, screenshots.get());
    if (screenshots != nullptr) {
      screenshots->Finish(out["ticks"].get<int64_t>());
      out["screenshots"] = screenshots->written();
    }
    std::cout << out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    std::cout.flush();
    if (!std::cout) {
      Complain("cannot write the result");
      return 1;
    }
    if (screenshots != nullptr && !screenshots->failures().empty()) {
      for (const std::string& failure : screenshots->failures()) Complain(failure);
      return 1;
    }
  } catch (const std::exception& e) {
    Complain(std::string("run failed: ") + e.what());
    return 1;
  }
  return 0;
}

// brimvale-sim SCENARIO.json: runs the game tick headless over a scenario and
// prints what happened as one JSON document. Exit 2 for a bad scenario.

#include <iostream>
#include <string>

#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"

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
    nlohmann::json out = bv::sim::RunScenario(scenario);
    std::cout << out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    std::cout.flush();
    if (!std::cout) {
      Complain("cannot write the result");
      return 1;
    }
  } catch (const std::exception& e) {
    Complain(std::string("run failed: ") + e.what());
    return 1;
  }
  return 0;
}

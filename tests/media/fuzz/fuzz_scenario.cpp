// libFuzzer target: a scenario document for brimvale-sim. One that parses
// runs (at most a few hundred ticks) over a small menu level, and its result
// is written out.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "game/level_file.h"
#include "scratch_folder.h"
#include "tools/sim/result_stream.h"
#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"

namespace {

// A data tree holding only a menu level: a start and the four menu cells.
const std::string& Folder() {
  static const std::string folder = [] {
    const std::string root = bv::fuzz::ScratchFolder();
    const std::string levels = root + "/data/levels/campaign";
    if (std::system(("mkdir -p '" + levels + "'").c_str()) != 0) std::abort();
    std::string bytes(bv::game::kLevelFileSize, '\0');
    auto cell = [&](int a, int b) { return static_cast<size_t>(a * 600 + b * 6); };
    bytes[cell(10, 10) + 5] = 1;
    for (int k = 0; k < 4; ++k) bytes[cell(12 + 2 * k, 10) + 4] = static_cast<char>(15 + k);
    FILE* f = std::fopen((levels + "/0.dmp").c_str(), "wb");
    if (f == nullptr) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return root;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const nlohmann::json doc = nlohmann::json::parse(data, data + size, nullptr, false);
  if (doc.is_discarded()) return 0;
  bv::sim::Scenario scenario;
  try {
    scenario = bv::sim::ParseScenario(doc);
  } catch (const bv::sim::ScenarioError&) {
    return 0;
  }
  scenario.program_dir = Folder();
  scenario.ticks = std::min<int64_t>(scenario.ticks, 400);
  const nlohmann::json out = bv::sim::RunScenario(scenario);
  if (!out.contains("final") || bv::sim::DumpLine(out).empty()) std::abort();
  return 0;
}

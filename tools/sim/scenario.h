#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "game/key_source.h"
#include "game/world.h"
#include "settings/config_record.h"
#include "settings/live_options.h"
#include "tools/sim/autopilot.h"

namespace bv::sim {

// A scenario that cannot be run: one line saying what is wrong and where.
class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Keys held for the ticks from <= t < to (raw key codes, already resolved).
struct InputWindow {
  int64_t from = 0;
  int64_t to = 0;
  std::vector<uint8_t> keys;
};

// A picture of the frame as the game would draw it after tick `tick`,
// written as a PNG to `path` (relative paths from the working directory).
struct ScreenshotRequest {
  int64_t tick = 0;
  std::string path;
};

// Network play: this copy hosts on a port, or joins a host.
struct NetSetup {
  bool host = false;
  std::string address;  // join only
  uint16_t port = 0;
};

struct Scenario {
  std::string program_dir;
  uint32_t seed = 1;
  // The live options as the options window would hold them (level texts in
  // Windows-1250); a level list without an index selects its first entry.
  settings::LiveOptions options;
  // The settings the options window's first close mirrors into the world;
  // only the mirrored ones are read.
  settings::ConfigRecord settings;
  int32_t level_number = 0;
  uint8_t two_players = 0;
  int32_t transition = game::kIntroStart;
  std::vector<InputWindow> input;
  int64_t options_open_ticks = 0;
  int64_t ticks = 0;
  int64_t report_every = 0;  // 0: the final state only
  std::vector<std::pair<int, int>> report_cells;
  std::vector<ScreenshotRequest> screenshots;
  // A scripted player for long games; its keys join the input's.
  AutopilotPlan autopilot;
  // Set: a network game, the host playing the p1.* inputs, the guest p2.*.
  std::optional<NetSetup> net;
};

// Reads a scenario document; throws ScenarioError for a missing or mistyped
// field, an unknown field or key name, or a value out of range.
Scenario ParseScenario(const nlohmann::json& doc);

// Reads and parses a scenario file; throws ScenarioError when it cannot be
// read or is not JSON.
Scenario LoadScenarioFile(const std::string& path);

// Raw key code for a key name ("p1.up", "p2.change", "esc", "key:57") under
// the given key bindings; throws ScenarioError for an unknown name.
uint8_t KeyCodeForName(const std::string& name,
                       const std::array<uint8_t, game::kKeyCount>& key_codes);

}  // namespace bv::sim

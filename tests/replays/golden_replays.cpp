// golden-replays: the recorded games of tests/replays, made from their
// scenarios and checked against their final-state hashes.
//   golden-replays record PROGRAM_DIR REPLAYS_DIR
//     plays every NAME.json there (scripted keys, or the autopilot), writes
//     NAME.bvr and rewrites hashes.txt
//   golden-replays check PROGRAM_DIR REPLAYS_DIR NAME
//     plays NAME.bvr through the real tick: every hash it holds, the final
//     hash in hashes.txt and what NAME.json expects of the game must hold
// Exit 0 when all holds, 1 on a difference, 2 when a file cannot be used.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "replay/reader.h"
#include "replay/writer.h"
#include "settings/block_file.h"
#include "tools/sim/replay_run.h"
#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr const char* kHashesHeader =
    "# The golden replays' final states: name, steps, world hash (16 hex digits).\n"
    "# Rewritten by `make replays` after an intended change of the rules or levels.\n";

json ReadJson(const fs::path& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(path.string() + ": cannot be read");
  json doc = json::parse(in, nullptr, false);
  if (doc.is_discarded()) throw std::runtime_error(path.string() + ": not valid JSON");
  return doc;
}

struct Golden {
  bv::sim::Scenario scenario;
  json expect = json::object();  // what the game must come to
};

Golden LoadGolden(const fs::path& path, const std::string& program_dir) {
  json doc = ReadJson(path);
  Golden g;
  if (doc.contains("expect")) {
    g.expect = doc["expect"];
    doc.erase("expect");
  }
  doc["program_dir"] = program_dir;
  try {
    g.scenario = bv::sim::ParseScenario(doc);
  } catch (const bv::sim::ScenarioError& e) {
    throw std::runtime_error(path.string() + ": " + e.what());
  }
  return g;
}

// Every key of `want` has its value in `have` (objects compared key by key).
bool Holds(const json& have, const json& want) {
  if (!want.is_object()) return have == want;
  if (!have.is_object()) return false;
  for (auto it = want.begin(); it != want.end(); ++it) {
    if (!have.contains(it.key()) || !Holds(have[it.key()], it.value())) return false;
  }
  return true;
}

// What `expect` asks of a run's document: "setups" (the levels set up, in
// order), "events" (each must happen), "final" (fields of the final state).
std::vector<std::string> Unmet(const json& out, const json& expect) {
  std::vector<std::string> unmet;
  if (expect.contains("setups")) {
    json setups = json::array();
    for (const json& e : out["events"]) {
      if (e.contains("setup_level")) setups.push_back(e["setup_level"]);
    }
    if (setups != expect["setups"]) unmet.push_back("levels set up " + setups.dump());
  }
  for (const json& want : expect.value("events", json::array())) {
    const auto& events = out["events"];
    if (std::none_of(events.begin(), events.end(), [&](const json& e) { return Holds(e, want); })) {
      unmet.push_back("no event " + want.dump());
    }
  }
  if (expect.contains("final")) {
    for (auto it = expect["final"].begin(); it != expect["final"].end(); ++it) {
      if (!Holds(out["final"].value(it.key(), json()), it.value())) {
        unmet.push_back("final " + it.key() + " is " + out["final"].value(it.key(), json()).dump());
      }
    }
  }
  return unmet;
}

std::vector<fs::path> Scenarios(const fs::path& dir) {
  std::vector<fs::path> out;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (e.path().extension() == ".json") out.push_back(e.path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

// name -> "steps hash"
std::map<std::string, std::string> ReadHashes(const fs::path& path) {
  std::map<std::string, std::string> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name, steps, hash;
    fields >> name >> steps >> hash;
    out[name] = steps + " " + hash;
  }
  return out;
}

int Record(const std::string& program_dir, const fs::path& dir) {
  std::ostringstream hashes;
  hashes << kHashesHeader;
  int failed = 0;
  for (const fs::path& path : Scenarios(dir)) {
    const std::string name = path.stem().string();
    const Golden g = LoadGolden(path, program_dir);
    bv::replay::MemorySink sink;
    bv::replay::Writer writer(sink);
    const json out = bv::sim::RunScenario(g.scenario, nullptr, &writer);
    const fs::path bvr = dir / (name + ".bvr");
    if (writer.failed() ||
        !bv::settings::SaveBlock(bvr.string(), sink.bytes.data(), sink.bytes.size())) {
      throw std::runtime_error(bvr.string() + ": cannot be written");
    }
    for (const std::string& u : Unmet(out, g.expect)) {
      std::cerr << name << ": " << u << "\n";
      failed = 1;
    }
    const std::string hash = out["final"]["world_hash"];
    hashes << name << " " << out["ticks"].get<int64_t>() << " " << hash << "\n";
    std::cout << name << ": " << out["ticks"] << " steps, " << sink.bytes.size() << " bytes, "
              << hash << "\n";
  }
  std::ofstream(dir / "hashes.txt") << hashes.str();
  return failed;
}

int Check(const std::string& program_dir, const fs::path& dir, const std::string& name) {
  const Golden g = LoadGolden(dir / (name + ".json"), program_dir);
  const auto hashes = ReadHashes(dir / "hashes.txt");
  const auto want = hashes.find(name);
  if (want == hashes.end()) throw std::runtime_error(name + ": not in hashes.txt");
  bv::replay::ReplayFile file = bv::replay::ReplayFile::Load((dir / (name + ".bvr")).string());
  bv::sim::ReplayRun how;
  how.program_dir = program_dir;
  how.stop_at_divergence = true;
  const bv::sim::ReplayResult result = bv::sim::RunReplay(file, how);
  int failed = 0;
  if (result.divergence) {
    std::cerr << name << ": " << result.divergence->reason
              << " (after a change of the rules or levels: make replays)\n";
    return 1;
  }
  const std::string got = std::to_string(result.out["ticks"].get<int64_t>()) + " " +
                          result.out["final"]["world_hash"].get<std::string>();
  if (got != want->second) {
    std::cerr << name << ": ends at " << got << ", hashes.txt says " << want->second << "\n";
    failed = 1;
  }
  for (const std::string& u : Unmet(result.out, g.expect)) {
    std::cerr << name << ": " << u << "\n";
    failed = 1;
  }
  return failed;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3 && args[0] == "record") return Record(args[1], args[2]);
    if (args.size() == 4 && args[0] == "check") return Check(args[1], args[2], args[3]);
  } catch (const std::exception& e) {
    std::cerr << "golden-replays: " << e.what() << "\n";
    return 2;
  }
  std::cerr << "usage: golden-replays record PROGRAM_DIR REPLAYS_DIR\n"
               "       golden-replays check PROGRAM_DIR REPLAYS_DIR NAME\n";
  return 2;
}

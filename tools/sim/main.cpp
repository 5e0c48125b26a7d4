// brimvale-sim SCENARIO.json [--record OUT.bvr]: runs the game tick headless
// over a scenario and prints what happened as one JSON document, writing
// the screenshots the scenario asks for (and the run as a replay).
// brimvale-sim --replay FILE [--check]: plays a replay the same way; with
// --check the first world hash that differs from the recorded one ends it.
// Exit 2 for a bad scenario, replay or arguments, 1 when the run, a
// screenshot or the check failed. The events are written as they happen, so
// a run that fails midway leaves its document unfinished.

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "game/places.h"
#include "replay/reader.h"
#include "replay/writer.h"
#include "settings/block_file.h"
#include "tools/sim/net_run.h"
#include "tools/sim/replay_run.h"
#include "tools/sim/result_stream.h"
#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"
#include "tools/sim/screenshots.h"

namespace {

constexpr const char* kUsage =
    "usage: brimvale-sim SCENARIO.json [--record OUT.bvr] [--program-dir DIR] | brimvale-sim "
    "--replay FILE [--check] [--program-dir DIR] [--report-every N]";

constexpr const char* kHelp =
    "usage: brimvale-sim SCENARIO.json [--record OUT.bvr] [--program-dir DIR]\n"
    "       brimvale-sim --replay FILE [--check] [--program-dir DIR] [--report-every N]\n"
    "Runs the game's tick headless over a scenario, or plays a replay, and prints\n"
    "one JSON document.\n"
    "  --record OUT.bvr    write the scenario's run as a replay\n"
    "  --program-dir DIR   the folder holding data/ (instead of the scenario's)\n"
    "  --replay FILE       play a replay (.bvr) through the tick\n"
    "  --check             end at the first world hash that differs (exit 1)\n"
    "  --report-every N    a state every N steps of the replay\n"
    "  --help              this text\n";

// One line on stderr, whatever the message holds.
std::string OneLine(const std::string& text) {
  std::string line;
  for (char c : text) line.push_back((c == '\n' || c == '\r') ? ' ' : c);
  return line;
}
void Complain(const std::string& text) {
  std::cerr << "brimvale-sim: " << OneLine(text) << "\n";
}

// The events go out while the run goes, so memory stays flat however long
// it is; `rest` completes the document.
bool FinishJson(bv::sim::ResultStream& stream, const nlohmann::json& rest) {
  stream.Finish(rest);
  std::cout.flush();
  if (!std::cout) {
    Complain("cannot write the result");
    return false;
  }
  return true;
}

// The folder holding the data the game beside this program reads: the
// program's own in a build, the shared one in an install.
std::string OwnDataRoot() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  const std::string own = ec ? std::string(".") : exe.parent_path().string();
  return bv::game::FindPlaces(own, bv::game::PlacesEnvironment::OfProcess()).data_root;
}

struct Arguments {
  std::string scenario;
  std::string record;
  std::string replay;
  std::string program_dir;
  int64_t report_every = 0;
  bool check = false;
};

bool ParseArguments(const std::vector<std::string>& args, Arguments* a, std::string* error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= args.size()) {
        *error = arg + " needs a value";
        return false;
      }
      *out = args[++i];
      return true;
    };
    std::string text;
    if (arg == "--replay") {
      if (!value(&a->replay)) return false;
    } else if (arg == "--record") {
      if (!value(&a->record)) return false;
    } else if (arg == "--program-dir") {
      if (!value(&a->program_dir)) return false;
    } else if (arg == "--check") {
      a->check = true;
    } else if (arg == "--report-every") {
      if (!value(&text)) return false;
      if (text.empty() || text.size() > 9 ||
          text.find_first_not_of("0123456789") != std::string::npos) {
        *error = "--report-every needs a number of ticks";
        return false;
      }
      a->report_every = std::stoll(text);
    } else if (!arg.empty() && arg[0] == '-') {
      *error = "unknown option " + arg;
      return false;
    } else if (a->scenario.empty()) {
      a->scenario = arg;
    } else {
      *error = "more than one scenario";
      return false;
    }
  }
  const bool replaying = !a->replay.empty();
  if (replaying == !a->scenario.empty()) {
    *error = "give a scenario or --replay FILE";
    return false;
  }
  if (!replaying && (a->check || a->report_every != 0)) {
    *error = "--check and --report-every go with --replay";
    return false;
  }
  if (replaying && !a->record.empty()) {
    *error = "--record goes with a scenario";
    return false;
  }
  return true;
}

int RunReplayFile(const Arguments& a) {
  std::unique_ptr<bv::replay::ReplayFile> file;
  try {
    file = std::make_unique<bv::replay::ReplayFile>(bv::replay::ReplayFile::Load(a.replay));
  } catch (const bv::replay::ReplayError& e) {
    Complain(e.what());
    return 2;
  }
  bv::sim::ReplayRun how;
  how.program_dir = a.program_dir.empty() ? OwnDataRoot() : a.program_dir;
  how.report_every = a.report_every;
  how.stop_at_divergence = a.check;
  bv::sim::ReplayResult result;
  bv::sim::ResultStream stream(std::cout);
  how.events = stream.Sink();
  try {
    result = bv::sim::RunReplay(*file, how);
  } catch (const std::exception& e) {
    Complain(a.replay + ": " + e.what());
    return 2;
  }
  if (!FinishJson(stream, result.out)) return 1;
  if (result.divergence) {
    std::cerr << OneLine(result.divergence->reason) << "\n";
    if (a.check) return 1;
  }
  return 0;
}

// One side of a network game; a game that did not reach its end prints
// what it has and exits 1.
int RunNetScenarioFile(const Arguments& a, const bv::sim::Scenario& scenario) {
  bv::replay::MemorySink sink;
  bv::replay::Writer writer(sink);
  const std::string role = scenario.net->host ? "host" : "guest";
  const std::string dump =
      a.record.empty() ? "brimvale-net-" + role + ".dump.txt" : a.record + ".dump.txt";
  bv::sim::NetRunResult result;
  try {
    result = bv::sim::RunNetScenario(scenario, a.record.empty() ? nullptr : &writer, dump);
  } catch (const std::exception& e) {
    Complain(std::string("network game failed: ") + e.what());
    return 1;
  }
  if (!result.out.is_null()) {
    std::cout << bv::sim::DumpLine(result.out) << "\n";
    std::cout.flush();
    if (!std::cout) {
      Complain("cannot write the result");
      return 1;
    }
  }
  if (!a.record.empty() && writer.begun() &&
      !bv::settings::SaveBlock(a.record, sink.bytes.data(), sink.bytes.size())) {
    Complain(a.record + ": cannot be written");
    return 1;
  }
  if (!result.error.empty()) {
    Complain(role + ": " + result.error);
    return 1;
  }
  return 0;
}

int RunScenarioFile(const Arguments& a) {
  bv::sim::Scenario scenario;
  try {
    scenario = bv::sim::LoadScenarioFile(a.scenario);
    if (!a.program_dir.empty()) scenario.program_dir = a.program_dir;
  } catch (const bv::sim::ScenarioError& e) {
    Complain(e.what());
    return 2;
  }
  if (scenario.net) return RunNetScenarioFile(a, scenario);
  try {
    std::unique_ptr<bv::sim::ScreenshotTaker> screenshots;
    if (!scenario.screenshots.empty()) {
      screenshots = std::make_unique<bv::sim::ScreenshotTaker>(scenario);
    }
    bv::replay::MemorySink sink;
    bv::replay::Writer writer(sink);
    bv::sim::ResultStream stream(std::cout);
    nlohmann::json out = bv::sim::RunScenario(
        scenario, screenshots.get(), a.record.empty() ? nullptr : &writer, stream.Sink());
    if (screenshots != nullptr) {
      screenshots->Finish(out["ticks"].get<int64_t>());
      out["screenshots"] = screenshots->written();
    }
    if (!FinishJson(stream, out)) return 1;
    if (screenshots != nullptr && !screenshots->failures().empty()) {
      for (const std::string& failure : screenshots->failures()) Complain(failure);
      return 1;
    }
    if (!a.record.empty() &&
        !bv::settings::SaveBlock(a.record, sink.bytes.data(), sink.bytes.size())) {
      Complain(a.record + ": cannot be written");
      return 1;
    }
  } catch (const std::exception& e) {
    Complain(std::string("run failed: ") + e.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--help") {
    std::cout << kHelp;
    return 0;
  }
  Arguments a;
  std::string error;
  if (!ParseArguments(std::vector<std::string>(argv + 1, argv + argc), &a, &error)) {
    Complain(error + "; " + kUsage);
    return 2;
  }
  return a.replay.empty() ? RunScenarioFile(a) : RunReplayFile(a);
}

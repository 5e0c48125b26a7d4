// brimvale-sim --replay FILE [--check]: the same JSON document as the
// scenario run it replays, exit 1 and "replay diverged at step N" when the
// world differs, exit 2 and one line for a bad file or bad arguments.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "media/le_bytes.h"
#include "replay/format.h"
#include "support/level_builder.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace bv::sim {
namespace {

using nlohmann::json;
using Result = test::ToolResult;

class ReplayCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tool = std::string(std::getenv("BV_BUILD_DIR")) + "/brimvale-sim";
    // The menu: start at (10, 10), the one-player pad two cells east, the
    // options pad two south; level 1 with a CD three cells east.
    test::LevelBuilder menu;
    menu.Entity(10, 10, 1);
    menu.Object(12, 10, 15);
    menu.Object(10, 12, 17);
    menu.Write(dir.File("data/levels/campaign/0.dmp"));
    test::LevelBuilder one;
    one.Entity(10, 10, 1);
    one.Object(13, 10, 12);
    one.Entity(16, 14, 9);
    one.Write(dir.File("data/levels/campaign/Mala/1.dmp"));
  }

  Result Run(const std::string& args) { return test::RunTool(tool, args); }

  // Records a scenario: the options pad, then the one-player pad and a
  // little play. Returns the scenario run's own output.
  json Record(const std::string& bvr, int ticks = 900) {
    const json scenario = {
        {"program_dir", dir.path()},
        {"seed", 99},
        {"ticks", ticks},
        {"options", {{"level_list", {"Mala"}}, {"difficulty", 5}}},
        {"options_open_ticks", 40},
        {"report", {{"every", 100}}},
        {"input",
         {{{"from", 0}, {"to", 1}, {"keys", {"esc"}}},
          {{"from", 230}, {"to", 260}, {"keys", {"p1.down"}}},
          {{"from", 330}, {"to", 400}, {"keys", {"p1.right"}}},
          {{"from", 650}, {"to", 800}, {"keys", {"p1.right", "p1.attack"}}}}},
    };
    const std::string path = dir.File("scenario.json");
    std::ofstream(path) << scenario.dump();
    Result r = Run(path + " --record " + bvr);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    return json::parse(r.out);
  }

  std::string Replay(const std::string& bvr) {
    return "--replay " + bvr + " --program-dir " + dir.path();
  }

  test::TempDir dir;
  std::string tool;
};

TEST_F(ReplayCliTest, AReplayPrintsTheDocumentOfTheRunItRecorded) {
  const std::string bvr = dir.File("run.bvr");
  const json recorded = Record(bvr);
  // The options were opened, level 1 was set up and won.
  EXPECT_NE(recorded["events"].dump().find("open_options"), std::string::npos);
  EXPECT_NE(recorded["events"].dump().find("\"setup_level\":1"), std::string::npos);
  EXPECT_EQ(recorded["final"]["center_message"], "Wygrana") << recorded["events"].dump();

  Result r = Run(Replay(bvr) + " --check --report-every 100");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const json played = json::parse(r.out);
  EXPECT_EQ(played["ticks"], recorded["ticks"]);
  EXPECT_EQ(played["events"], recorded["events"]);
  EXPECT_EQ(played["states"], recorded["states"]);
  EXPECT_EQ(played["final"], recorded["final"]);
  const std::string hash = played["final"]["world_hash"];
  EXPECT_EQ(hash.size(), 16u);
  EXPECT_EQ(hash.find_first_not_of("0123456789abcdef"), std::string::npos);
}

TEST_F(ReplayCliTest, OtherLevelFilesDivergeAndCheckSaysWhere) {
  const std::string bvr = dir.File("run.bvr");
  Record(bvr);
  test::LevelBuilder moved;
  moved.Entity(11, 10, 1);
  moved.Object(13, 10, 12);
  moved.Write(dir.File("data/levels/campaign/Mala/1.dmp"));

  Result checked = Run(Replay(bvr) + " --check");
  EXPECT_EQ(checked.exit_code, 1);
  EXPECT_EQ(checked.err.rfind("replay diverged at step ", 0), 0u) << checked.err;
  EXPECT_EQ(std::count(checked.err.begin(), checked.err.end(), '\n'), 1);
  // It stops there: the document covers the steps up to the mismatch.
  const json partial = json::parse(checked.out);
  EXPECT_LT(partial["ticks"].get<int>(), 900);

  // Without --check the whole replay plays, and the mismatch is still named.
  Result unchecked = Run(Replay(bvr));
  EXPECT_EQ(unchecked.exit_code, 0);
  EXPECT_EQ(json::parse(unchecked.out)["ticks"], 900);
  EXPECT_EQ(unchecked.err.rfind("replay diverged at step ", 0), 0u);
}

TEST_F(ReplayCliTest, BadFilesAndArgumentsExitWithTwoAndOneLine) {
  const std::string bvr = dir.File("run.bvr");
  Record(bvr, 300);
  const std::string good = test::ReadWholeFile(bvr);

  std::string flipped = good;
  flipped[replay::kHeaderSize + 30] ^= 1;
  std::string newer = good;
  newer[4] = 7;
  std::string rules = good;
  rules[6] = static_cast<char>(rules[6] + 1);
  // The header's checksum fixed up, so only the rules version is wrong.
  media::WriteU32(reinterpret_cast<uint8_t*>(&rules[60]),
                  replay::Crc32(reinterpret_cast<const uint8_t*>(rules.data()), 60));
  struct Case {
    std::string name;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"empty", "", "not a Brimvale replay"},
      {"json", "{\"ticks\": 3}", "not a Brimvale replay"},
      {"cut", good.substr(0, good.size() - 5), "truncated"},
      {"flipped", flipped, "damaged"},
      {"newer", newer, "format version 7"},
      {"rules", rules, "recorded under rules version"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File(c.name + ".bvr");
    test::WriteWholeFile(path, c.bytes);
    Result r = Run(Replay(path) + " --check");
    EXPECT_EQ(r.exit_code, 2) << c.name;
    EXPECT_EQ(r.out, "") << c.name;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.name << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
    EXPECT_NE(r.err.find(path), std::string::npos) << c.name << ": " << r.err;
  }

  const std::vector<std::string> bad_args = {"--replay",
                                             "--replay " + bvr + " --frobnicate",
                                             "--check",
                                             "--replay " + bvr + " " + bvr,
                                             "--replay " + dir.path() + "/missing.bvr",
                                             "--replay " + bvr + " --record x.bvr",
                                             "--replay " + bvr + " --report-every x"};
  for (const std::string& args : bad_args) {
    Result r = Run(args);
    EXPECT_EQ(r.exit_code, 2) << args;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
  }
}

}  // namespace
}  // namespace bv::sim

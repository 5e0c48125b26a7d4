// The brimvale-sim command's contract: arguments, JSON fields, exit codes.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "support/level_builder.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"
#include "tools/sim/result_stream.h"
#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"

namespace bv::sim {
namespace {

using nlohmann::json;

using Result = test::ToolResult;

class RunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* build = std::getenv("BV_BUILD_DIR");
    ASSERT_NE(build, nullptr);
    tool = std::string(build) + "/brimvale-sim";
    test::LevelBuilder menu;
    menu.Entity(10, 10, 1);
    menu.Object(12, 10, 15);
    menu.Object(10, 12, 17);
    menu.Write(dir.File("data/levels/campaign/0.dmp"));
  }

  static std::string Slurp(const std::string& path) { return test::ReadWholeFile(path); }

  Result RunArgs(const std::string& args) { return test::RunTool(tool, args); }

  Result RunText(const std::string& text) {
    const std::string path = dir.File("scenario.json");
    std::ofstream(path) << text;
    return RunArgs(path);
  }

  Result Run(json scenario) {
    if (!scenario.contains("program_dir")) scenario["program_dir"] = dir.path();
    return RunText(scenario.dump());
  }

  json RunOk(const json& scenario) {
    Result r = Run(scenario);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    json out = json::parse(r.out, nullptr, false);
    EXPECT_FALSE(out.is_discarded());
    return out;
  }

  test::TempDir dir;
  std::string tool;
};

TEST_F(RunnerTest, ReportsEventsStatesAndTheFinalState) {
  const json out = RunOk(json::parse(R"({
    "seed": 7,
    "world": {"transition": 0},
    "input": [{"from": 224, "to": 225, "keys": ["p1.attack"]},
              {"from": 224, "to": 300, "keys": ["p1.right"]}],
    "report": {"every": 100, "cells": [[12, 10], [0, 0]]},
    "ticks": 300
  })"));
  EXPECT_EQ(out["ticks"], 300);
  ASSERT_EQ(out["states"].size(), 3u);
  EXPECT_EQ(out["states"][0]["tick"], 99);
  EXPECT_EQ(out["states"][2]["tick"], 299);
  const json& events = out["events"];
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], json::parse(R"({"tick": 112, "setup_level": 0})"));
  EXPECT_EQ(events[1], json::parse(R"({"tick": 224, "sound": "snd_gun:0"})"));  // the chainsaw
  bool got = false;
  for (const json& e : events)
    got = got || e == json::parse(R"({"tick": 250, "sound": "snd_get"})");
  EXPECT_TRUE(got) << events.dump();

  const json& f = out["final"];
  EXPECT_EQ(f["tick"], 299);
  EXPECT_EQ(f["level_number"], 1);
  for (const char* key :
       {"transition",       "mission_goal",   "mission_unit",         "medkit_heal",
        "ambient_color",    "center_message", "center_message_timer", "pulse_phase",
        "anim_phase",       "cycle100",       "clock_minutes",        "clock_steps",
        "menu_sound_armed", "two_players",    "second_player",        "resources_loaded",
        "program_dir",      "hud_alpha",      "minimap_alpha",        "enemy_color",
        "game_mode",        "actor_count",    "respawn_count",        "respawn_timer",
        "mission_progress"}) {
    EXPECT_TRUE(f.contains(key)) << key;
  }
  const json& p = f["players"][0];
  EXPECT_EQ(p["cards"].size(), 5u);
  ASSERT_EQ(p["weapons"].size(), 5u);
  EXPECT_EQ(p["weapons"][0]["name"], "Pila elektryczna");
  for (const char* key : {"spawn_x", "spawn_y", "color", "x", "y", "health", "points", "weapon",
                          "weapon_change_cooldown", "walk_speed", "target_actor", "target_player",
                          "kills", "message", "message_timer"}) {
    EXPECT_TRUE(p.contains(key)) << key;
  }
  for (const char* key : {"owned", "range", "ammo", "base_damage", "upgrades", "damage_per_upgrade",
                          "cooldown", "fire_delay"}) {
    EXPECT_TRUE(p["weapons"][1].contains(key)) << key;
  }
  ASSERT_EQ(f["cells"].size(), 2u);
  EXPECT_EQ(f["cells"][0]["object"], 0);  // the start cell was taken
  EXPECT_EQ(f["cells"][1]["object"], 1);
  EXPECT_EQ(f["cells"][1]["x"], 0);
  EXPECT_EQ(f["cells"][1]["actor_index"], -1);
}

TEST_F(RunnerTest, FloatsReadBackAsTheGamesValues) {
  test::LevelBuilder level;
  level.Entity(10, 10, 1);
  level.Object(10, 10, 48);  // moving floor: 3.2 pixels per tick
  level.Write(dir.File("data/levels/campaign/0.dmp"));
  const json out = RunOk(json::parse(R"({"world": {"transition": 448}, "ticks": 2})"));
  EXPECT_EQ(out["final"]["players"][0]["x"], 528.2);
}

TEST_F(RunnerTest, ActorsAreListedUpToTheCount) {
  test::LevelBuilder level;
  level.Entity(10, 10, 1);
  level.Entity(20, 20, 5);
  level.Entity(30, 30, 25);
  level.Write(dir.File("data/levels/campaign/0.dmp"));
  const json out = RunOk(json::parse(R"({"world": {"transition": 448}, "ticks": 1})"));
  const json& actors = out["final"]["actors"];
  ASSERT_EQ(actors.size(), 2u);
  EXPECT_EQ(actors[0], json::parse(R"({"x": 1025, "y": 1025, "kind": 5, "hp": 100,
      "max_hp": 100, "attack_cooldown": 0, "damage": 6, "step": 3, "reach": 175.0})"));
  EXPECT_EQ(actors[1]["kind"], 25);
}

// One pass per tick, as the game at 90 passes a second: one step of the play
// clock before each tick; a level setup starts it again, a minute drops the rest.
TEST_F(RunnerTest, ThePlayClockAdvancesAStepATickAsTheGamesDoes) {
  const json out = RunOk(json::parse(R"({
    "world": {"transition": 0},
    "report": {"every": 100},
    "ticks": 6200
  })"));
  const json& states = out["states"];
  ASSERT_EQ(states.size(), 62u);
  EXPECT_EQ(states[0]["clock_steps"], 100.0);  // before the setup at tick 112
  EXPECT_EQ(states[1]["clock_steps"], 199.0 - 112);
  EXPECT_EQ(states[59]["clock_minutes"], 0);
  EXPECT_EQ(states[59]["clock_steps"], 5999.0 - 112);
  EXPECT_EQ(states[61]["clock_minutes"], 1);  // 6000 steps after the setup, at tick 6112
  EXPECT_EQ(states[61]["clock_steps"], 6199.0 - 6112);
}

TEST_F(RunnerTest, OptionsCellOpensTheOptionsForTheGivenTicks) {
  const json out = RunOk(json::parse(R"({
    "world": {"transition": 448},
    "options_open_ticks": 30,
    "input": [{"from": 0, "to": 300, "keys": ["p1.down"]}],
    "report": {"every": 1},
    "ticks": 300
  })"));
  std::vector<int> opened;
  for (const json& e : out["events"]) {
    if (e.contains("open_options")) opened.push_back(e["tick"]);
  }
  // Sent home each time; the window holds the player for 30 ticks, then it
  // walks the 25 ticks down onto the cell again.
  ASSERT_GE(opened.size(), 2u);
  EXPECT_EQ(opened[0], 112 + 25);
  EXPECT_EQ(opened[1] - opened[0], 1 + 30 + 25);
}

TEST_F(RunnerTest, ExitCellClosesTheProgramAndStopsTheRun) {
  test::LevelBuilder level;
  level.Entity(10, 10, 1);
  level.Object(10, 10, 18);
  level.Write(dir.File("data/levels/campaign/0.dmp"));
  const json out = RunOk(json::parse(R"({"world": {"transition": 448}, "ticks": 5000})"));
  const json& events = out["events"];
  ASSERT_FALSE(events.empty());
  // Cell effects run during the level change too: the exit acts in tick 1.
  EXPECT_EQ(events[1], json::parse(R"({"tick": 1, "sound": "snd_get"})"));
  EXPECT_EQ(events[events.size() - 2], json::parse(R"({"tick": 113, "setup_level": -1})"));
  EXPECT_EQ(events.back(), json::parse(R"({"tick": 113, "close_program": true})"));
  EXPECT_EQ(out["ticks"], 114);
  EXPECT_EQ(out["final"]["tick"], 113);
}

TEST_F(RunnerTest, TextsAreWrittenAsUtf8) {
  const json out = RunOk(json::parse(R"({
    "world": {"level_number": 1, "transition": 448},
    "options": {"level_list": ["Pa\u0142ac"]},
    "ticks": 1
  })"));
  EXPECT_EQ(out["final"]["center_message"],
            "Nie mozna wczytac poziomu: Pa\u0142ac 1");
}

TEST_F(RunnerTest, OverlappingInputWindowsHoldTheUnionOfTheirKeys) {
  test::LevelBuilder level;
  level.Entity(10, 10, 1);
  level.Write(dir.File("data/levels/campaign/0.dmp"));
  // Play starts in tick 112. Windows out of order and overlapping; an empty
  // window holds nothing.
  const json out = RunOk(json::parse(R"({
    "world": {"transition": 448},
    "input": [{"from": 130, "to": 135, "keys": ["p1.down"]},
              {"from": 117, "to": 127, "keys": ["p1.right"]},
              {"from": 112, "to": 122, "keys": ["key:205"]},
              {"from": 140, "to": 140, "keys": ["p1.up"]}],
    "ticks": 150
  })"));
  const json& p = out["final"]["players"][0];
  EXPECT_EQ(p["x"], 525 + 3 * 15);  // right in ticks 112..126
  EXPECT_EQ(p["y"], 525 + 3 * 5);   // down in ticks 130..134
}

TEST_F(RunnerTest, SeedMakesRunsRepeatable) {
  const json scenario = json::parse(R"({"seed": 99, "world": {"transition": 448}, "ticks": 2})");
  EXPECT_EQ(RunOk(scenario)["final"]["respawn_timer"], RunOk(scenario)["final"]["respawn_timer"]);
}

TEST_F(RunnerTest, TheFinalWorldHashRepeatsAndTellsRunsApart) {
  const json scenario = json::parse(R"({
    "seed": 5,
    "world": {"transition": 0},
    "input": [{"from": 230, "to": 260, "keys": ["p1.up"]}],
    "ticks": 300
  })");
  const std::string hash = RunOk(scenario)["final"]["world_hash"];
  EXPECT_EQ(hash.size(), 16u);
  EXPECT_EQ(hash.find_first_not_of("0123456789abcdef"), std::string::npos) << hash;
  EXPECT_EQ(RunOk(scenario)["final"]["world_hash"], hash);

  json other_seed = scenario;
  other_seed["seed"] = 6;
  EXPECT_NE(RunOk(other_seed)["final"]["world_hash"], hash);
  json other_input = scenario;
  other_input["input"][0]["to"] = 259;  // one step less of walking
  EXPECT_NE(RunOk(other_input)["final"]["world_hash"], hash);

  // Also when the run ends early, at the exit cell.
  json closing = json::parse(R"({"world": {"transition": 0, "level_number": -1}, "ticks": 500})");
  const json out = RunOk(closing);
  EXPECT_LT(out["ticks"], 500);
  EXPECT_EQ(out["final"]["world_hash"].get<std::string>().size(), 16u);
}

// The tool streams its events; its output is byte for byte the document the
// runner returns when it keeps them, and a streaming log keeps none.
TEST_F(RunnerTest, StreamedEventsGiveTheWholeDocumentByteForByte) {
  json scenario = json::parse(R"({
    "seed": 3,
    "world": {"transition": 0},
    "input": [{"from": 224, "to": 900, "keys": ["p1.attack", "p1.right"]}],
    "report": {"every": 250},
    "ticks": 1000
  })");
  scenario["program_dir"] = dir.path();
  const Result r = Run(scenario);
  ASSERT_EQ(r.exit_code, 0) << r.err;

  const Scenario sc = LoadScenarioFile(dir.File("scenario.json"));
  const json kept = RunScenario(sc);
  ASSERT_GT(kept["events"].size(), 5u);
  EXPECT_EQ(r.out, DumpLine(kept) + "\n");

  size_t streamed = 0;
  const json rest = RunScenario(sc, nullptr, nullptr, [&](const json&) { ++streamed; });
  EXPECT_FALSE(rest.contains("events"));
  EXPECT_EQ(streamed, kept["events"].size());

  std::ostringstream none;
  ResultStream empty(none);
  empty.Finish(json::object({{"ticks", 0}}));
  EXPECT_EQ(none.str(), "{\"events\":[],\"ticks\":0}\n");
  EXPECT_EQ(json::parse(none.str()), json::parse(R"({"events": [], "ticks": 0})"));
}

TEST_F(RunnerTest, BadScenariosExitWithCodeTwoAndOneLine) {
  const std::string good = R"("program_dir": ")" + dir.path() + R"(", "ticks": 1)";
  const std::string cases[] = {
      "{",                                                   // not JSON
      "[]",                                                  // not an object
      R"({"ticks": 1})",                                     // missing program_dir
      R"({"program_dir": 5, "ticks": 1})",                   // mistyped
      "{" + good.substr(0, good.find(", \"ticks\"")) + "}",  // missing ticks
      "{" + good + R"(, "ticks2": 1})",                      // unknown field
      R"({"program_dir": "x", "ticks": -1})",                // negative ticks
      R"({"program_dir": "x", "ticks": 1.5})",
      "{" + good + R"(, "seed": "1"})",
      "{" + good + R"(, "options": {"difficulty": 7}})",
      "{" + good + R"(, "options": {"level_source": "disk"}})",
      "{" + good + R"(, "options": {"level_list": ["a"], "selected": 1}})",
      "{" + good + R"(, "settings": {"key_codes": [1, 2, 3]}})",
      "{" + good + R"(, "settings": {"game_mode": 3}})",
      "{" + good + R"(, "world": {"two_players": 2}})",
      "{" + good + R"(, "input": [{"from": 0, "to": 5, "keys": ["p3.up"]}]})",
      "{" + good + R"(, "input": [{"from": 0, "to": 5, "keys": ["key:256"]}]})",
      "{" + good + R"(, "input": [{"from": -1, "to": 5, "keys": []}]})",
      "{" + good + R"(, "input": [{"to": 5, "keys": []}]})",
      "{" + good + R"(, "report": {"cells": [[114, 0]]}})",
      "{" + good + R"(, "report": {"every": -2}})",
      "{" + good + R"(, "options_open_ticks": true})",
      "{" + good + R"(, "autopilot": {"goal": "treasure"}})",
      "{" + good + R"(, "autopilot": {"players": 3}})",
      "{" + good + R"(, "autopilot": {"from": 0, "speed": 2}})",
      R"({"program_dir": "x", "ticks": 2147483648})",
      R"({"program_dir": "x", "ticks": 1000000, "report": {"every": 1}})",
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    Result r = RunText(text);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_TRUE(r.out.empty());
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  // The good part alone runs.
  EXPECT_EQ(RunText("{" + good + "}").exit_code, 0);
}

TEST_F(RunnerTest, BadCommandLinesExitWithCodeTwo) {
  EXPECT_EQ(RunArgs("").exit_code, 2);
  EXPECT_EQ(RunArgs(dir.path() + "/missing.json").exit_code, 2);
  EXPECT_EQ(RunArgs(dir.path()).exit_code, 2);  // a directory
  Result r = RunArgs("a.json b.json");
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("usage"), std::string::npos);
}

TEST_F(RunnerTest, ErrorsNameTheField) {
  Result r = Run(
      json::parse(R"({"ticks": 1, "input": [{"from": 0, "to": 1, "keys": ["p1.up", "p9.up"]}]})"));
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("input[0].keys[1]"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("p9.up"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace bv::sim

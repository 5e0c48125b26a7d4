// Whole games, headless, through the scenario runner's JSON.

#include <gtest/gtest.h>

#include <string>

#include "game/object_codes.h"
#include "support/level_builder.h"
#include "support/temp_dir.h"
#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"

namespace bv::sim {
namespace {

using nlohmann::json;

class CampaignTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The menu: start at (10, 10), "one player" two cells to the right.
    test::LevelBuilder menu;
    menu.Entity(10, 10, 1);
    menu.Object(12, 10, 15);
    menu.Write(dir.File("data/levels/campaign/0.dmp"));
  }

  json Run(json scenario) {
    scenario["program_dir"] = dir.path();
    scenario["options"] = {{"level_list", {"Mala"}}};
    return RunScenario(ParseScenario(scenario));
  }

  // Levels in order of their events.
  static std::vector<int> Setups(const json& out) {
    std::vector<int> levels;
    for (const json& e : out["events"]) {
      if (e.contains("setup_level")) levels.push_back(e["setup_level"]);
    }
    return levels;
  }
  static int FirstTick(const json& out, const std::string& sound) {
    for (const json& e : out["events"]) {
      if (e.value("sound", "") == sound) return e["tick"];
    }
    return -1;
  }

  test::TempDir dir;
};

TEST_F(CampaignTest, ScriptedPlayerWinsATwoLevelCampaign) {
  // Each level: a CD two cells right of the start, a CD-free rest.
  for (int n : {1, 2}) {
    test::LevelBuilder level;
    level.Entity(10, 10, 1);
    level.Object(12, 10, 12);
    level.Write(dir.File("data/levels/campaign/Mala/" + std::to_string(n) + ".dmp"));
  }
  // Escape skips the intro; then the player only ever walks right.
  const json out = Run(json::parse(R"({
    "ticks": 900,
    "input": [{"from": 0, "to": 1, "keys": ["esc"]},
              {"from": 1, "to": 900, "keys": ["p1.right"]}],
    "report": {"every": 10}
  })"));

  EXPECT_EQ(Setups(out), (std::vector<int>{0, 1, 2, 0}));
  const int win = FirstTick(out, "snd_win");
  ASSERT_GT(win, 0);
  // "Level 2" was shown between the two levels.
  bool saw_level_2 = false;
  int won_with_points = -1;
  for (const json& s : out["states"]) {
    if (s["center_message"] == "Level 2") saw_level_2 = true;
    if (s["center_message"] == "Wygrana" && won_with_points < 0) {
      won_with_points = s["players"][0]["points"];
    }
  }
  EXPECT_TRUE(saw_level_2);
  EXPECT_EQ(won_with_points, 100);  // two CDs: the points carried over to level 2
  const json& final = out["final"];
  EXPECT_EQ(final["center_message"], "Wygrana");
  EXPECT_EQ(final["level_number"], 0);
  EXPECT_EQ(out["ticks"], 900);
}

TEST_F(CampaignTest, ScriptedPlayerLosesToAnEnemy) {
  test::LevelBuilder level;
  level.Entity(10, 10, 1);
  level.Entity(11, 10, 17);  // the strongest enemy, side by side with the start
  level.Object(40, 40, 12);
  level.Write(dir.File("data/levels/campaign/Mala/1.dmp"));
  const json out = Run(json::parse(R"({
    "ticks": 1400,
    "input": [{"from": 0, "to": 1, "keys": ["esc"]},
              {"from": 225, "to": 260, "keys": ["p1.right"]}]
  })"));

  EXPECT_EQ(Setups(out), (std::vector<int>{0, 1, 0}));
  EXPECT_GT(FirstTick(out, "snd_lost"), 0);
  EXPECT_EQ(FirstTick(out, "snd_win"), -1);
  const json& final = out["final"];
  EXPECT_EQ(final["center_message"], "Przegrana");
  EXPECT_EQ(final["level_number"], 0);
  EXPECT_EQ(final["actors"].size(), 0u);  // back on the menu level
}

TEST_F(CampaignTest, TheAutopilotFetchesTheCardOpensTheDoorAndTakesTheCds) {
  // A walled room east of the start, its red door in the west wall; the
  // red card lies west of the start, so the way to the CDs is round about.
  test::LevelBuilder level;
  level.Entity(20, 20, 1);
  level.Object(16, 22, game::obj::kCard0);
  for (int y = 16; y <= 24; ++y) {
    level.Wall(24, y);
    level.Wall(30, y);
  }
  for (int x = 24; x <= 30; ++x) {
    level.Wall(x, 16);
    level.Wall(x, 24);
  }
  level.Object(24, 20, game::obj::kDoor0);
  level.Object(27, 18, game::obj::kCd);
  level.Object(28, 22, game::obj::kCd);
  level.Write(dir.File("data/levels/campaign/Mala/1.dmp"));
  const json out = Run(json::parse(R"({
    "ticks": 2500,
    "world": {"level_number": 1, "transition": 0},
    "autopilot": {"goal": "mission"}
  })"));
  EXPECT_NE(FirstTick(out, "snd_opendoor"), -1);
  EXPECT_NE(FirstTick(out, "snd_win"), -1);  // no level 2: the campaign is won
  EXPECT_EQ(Setups(out), (std::vector<int>{1, 0}));
}

}  // namespace
}  // namespace bv::sim

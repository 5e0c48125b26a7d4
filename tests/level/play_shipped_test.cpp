// The shipped levels played headless through the scenario runner: each one
// set up by the real tick and played a few hundred ticks without a loss. The
// walks to the menu's pads and whole games are golden replays (tests/replays).

#include <gtest/gtest.h>

#include <string>

#include "level/level_source.h"
#include "shipped_levels.h"
#include "tools/sim/runner.h"
#include "tools/sim/scenario.h"

namespace bv::level {
namespace {

using nlohmann::json;

// From transition 0 the level is set up at tick 112 and play starts at 224.
constexpr int kPlayStarts = 224;
constexpr int kPlayTicks = 450;

json RunLevel(json scenario) {
  scenario["program_dir"] = BuildDir();
  return sim::RunScenario(sim::ParseScenario(scenario));
}

bool HasEvent(const json& out, const std::string& key, const json& value) {
  for (const json& e : out["events"]) {
    if (e.contains(key) && e[key] == value) return true;
  }
  return false;
}

std::vector<int> Setups(const json& out) {
  std::vector<int> levels;
  for (const json& e : out["events"]) {
    if (e.contains("setup_level")) levels.push_back(e["setup_level"]);
  }
  return levels;
}

struct Mode {
  const char* name;
  int two_players;
  int game_mode;
};

// How the scenario reaches a level. A campaign level after the first is
// played as a fresh game on that file, through the custom-level route with
// a path up into the campaign folder: set up as level 1, the player gets the
// starting equipment, where a real game would carry over what the levels
// before it gave.
struct Route {
  std::string source;  // "campaign" or "custom"; empty for the menu
  std::string entry;
  int number = 0;
};

Route RouteTo(const ShippedLevel& s, Role role) {
  if (role == Role::kMenu) return {"", "", 0};
  if (role == Role::kCampaign && s.number == 1) return {"campaign", s.list_entry, 1};
  if (role == Role::kCampaign) {
    return {"custom", "..\\campaign\\" + s.list_entry + "\\" + std::to_string(s.number), 1};
  }
  return {"custom", s.list_entry, 1};
}

// The player stands, fires now and then and changes weapon; nothing may kill
// them, no level change may start, and the level must be the one asked for.
void PlayAndExpectNoLoss(const ShippedLevel& s, Role role, const Mode& mode) {
  const Route route = RouteTo(s, role);
  json scenario = {
      {"seed", 7},
      {"ticks", kPlayStarts + kPlayTicks},
      {"world",
       {{"level_number", route.number}, {"transition", 0}, {"two_players", mode.two_players}}},
      {"settings", {{"game_mode", mode.game_mode}}},
      {"input",
       {{{"from", kPlayStarts + 50}, {"to", kPlayStarts + 120}, {"keys", {"p1.attack"}}},
        {{"from", kPlayStarts + 200},
         {"to", kPlayStarts + 201},
         {"keys", {"p1.change", "p2.change"}}},
        {{"from", kPlayStarts + 250},
         {"to", kPlayStarts + 330},
         {"keys", {"p1.attack", "p2.attack"}}}}},
  };
  if (!route.source.empty()) {
    scenario["options"] = {
        {"level_source", route.source}, {"level_list", {route.entry}}, {"selected", 0}};
  }
  const std::string what = s.source + " (" + mode.name + ")";
  const json out = RunLevel(scenario);
  EXPECT_EQ(Setups(out), std::vector<int>{route.number}) << what;
  EXPECT_FALSE(HasEvent(out, "sound", "snd_lost")) << what;
  EXPECT_FALSE(HasEvent(out, "sound", "snd_win")) << what;
  EXPECT_FALSE(HasEvent(out, "close_program", true)) << what;
  const json& f = out["final"];
  EXPECT_EQ(f["level_number"], route.number) << what;
  EXPECT_EQ(f["transition"], 900) << what;
  EXPECT_NE(f["center_message"], "Przegrana") << what;
  EXPECT_GT(f["players"][0]["health"].get<int>(), 0) << what;
  if (mode.two_players != 0) {
    EXPECT_GT(f["players"][1]["health"].get<int>(), 0) << what;
  }
  if (role == Role::kCampaign || role == Role::kCustom) {
    EXPECT_GT(f["mission_goal"].get<int>(), 0) << what;
    EXPECT_EQ(f["actor_count"].get<int>() > 0, true) << what;
  }
}

TEST(PlayShippedLevels, EachLevelPlaysAFewHundredTicksWithoutALoss) {
  const Mode one{"one player", 0, 0};
  const Mode coop{"cooperation", 1, 0};
  const Mode deathmatch{"deathmatch", 1, 1};
  const Mode pointmatch{"pointmatch", 1, 2};
  int played = 0;
  for (const ShippedLevel& s : ShippedLevels()) {
    ParseResult parsed = ParseSourceFile(s.source);
    ASSERT_TRUE(parsed.ok()) << s.source;
    const Role role = s.role == Role::kCustom ? parsed.source.role.value_or(Role::kCustom) : s.role;
    if (role == Role::kArena) {
      PlayAndExpectNoLoss(s, role, deathmatch);
      PlayAndExpectNoLoss(s, role, pointmatch);
    } else {
      PlayAndExpectNoLoss(s, role, one);
      if (role != Role::kMenu) PlayAndExpectNoLoss(s, role, coop);
    }
    ++played;
  }
  EXPECT_GE(played, 11);
}

}  // namespace
}  // namespace bv::level

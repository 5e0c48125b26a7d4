#include "level/check.h"

#include <gtest/gtest.h>

#include "level/level_source.h"

namespace bv::level {
namespace {

// One legend for every case; the maps below are drawn with it.
const char kLegend[] =
    "level-source 1\n"
    "legend\n"
    "  '#' texture 40 object solid\n"
    "  '.' texture 1\n"
    "  'C' like '.' object cd\n"
    "  '1' like '.' entity start1\n"
    "  '2' like '.' entity start2\n"
    "  'a' like '.' object card0\n"
    "  'b' like '.' object card1\n"
    "  'A' like '.' object door0\n"
    "  'B' like '.' object door1\n"
    "  '^' like '.' object push_up\n"
    "  'v' like '.' object push_down\n"
    "  '<' like '.' object push_left\n"
    "  '>' like '.' object push_right\n"
    "  'P' like '#' object pulse_red\n"
    "  'W' like '#' object animated\n"
    "  'm' like '.' object medkit\n"
    "  'X' like '.' entity enemy5\n"
    "  'T' like '#' entity turret30\n"
    "  't' like '#' entity target20\n"
    "  'o' like '.' object power_off\n"
    "  'O' like '.' object power_on\n"
    "  '5' like '.' object menu_one\n"
    "  '6' like '.' object menu_two\n"
    "  '7' like '.' object menu_options\n"
    "  '8' like '.' object menu_exit\n"
    "  '9' like '.' object menu_sound\n"
    "  '_' texture 0\n"
    "  'S' like '#' entity start1\n"
    "end\n";

CheckReport Check(const std::string& map, Role role = Role::kCampaign) {
  ParseResult r = ParseSourceText(std::string(kLegend) + "map\n" + map + "end\n", "t.lvl");
  EXPECT_TRUE(r.ok()) << (r.ok() ? "" : r.errors.front().Format());
  const LevelSource& src = r.source;
  return CheckLevel(src.image, role, [&src](int x, int y) { return src.Where(x, y); });
}

bool Mentions(const std::vector<std::string>& lines, const std::string& text) {
  for (const std::string& l : lines) {
    if (l.find(text) != std::string::npos) return true;
  }
  return false;
}

std::string All(const CheckReport& r) {
  return FormatReport(r, "t.lvl");
}

TEST(Check, AWinnableLevel) {
  CheckReport r = Check(
      "########\n"
      "#12...C#\n"
      "#.a.#A##\n"
      "#...#C.#\n"
      "########\n");
  EXPECT_TRUE(r.ok()) << All(r);
  EXPECT_TRUE(r.warnings.empty()) << All(r);
  EXPECT_EQ(r.cds, 2);
  EXPECT_EQ(r.mission_goal, 2);
  EXPECT_EQ(r.cds_reachable, 2);
  EXPECT_EQ(r.colours[0].doors_opened, 1);
  EXPECT_EQ(r.colours[0].cards_reachable, 1);
  EXPECT_EQ(r.starts[0].size(), 1u);
  EXPECT_EQ(r.starts[0][0].x, 1);
  EXPECT_NE(All(r).find("result: winnable"), std::string::npos);
}

TEST(Check, NoStart) {
  CheckReport r = Check(
      "#####\n"
      "#.C.#\n"
      "#####\n");
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(Mentions(r.problems, "no start 1")) << All(r);
}

TEST(Check, UnreachableCdsArePointedAtInTheSource) {
  CheckReport r = Check(
      "#######\n"
      "#1.C#C#\n"
      "#######\n");
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.cds_reachable, 1);
  EXPECT_TRUE(Mentions(r.problems, "only 1 of 2 CDs")) << All(r);
  // The legend takes 31 lines and "map" one; the CD is on the map's second row.
  EXPECT_TRUE(Mentions(r.problems, "x 5 y 1 (t.lvl:34:6)")) << All(r);
  EXPECT_NE(FormatReport(r, "t.lvl").find("FAILS"), std::string::npos);
}

TEST(Check, ADoorBeforeItsCard) {
  CheckReport r = Check(
      "#######\n"
      "#1..A.#\n"
      "####.a#\n"
      "####C.#\n"
      "#######\n");
  EXPECT_FALSE(r.ok()) << All(r);
  EXPECT_EQ(r.colours[0].doors_opened, 0);
  EXPECT_EQ(r.colours[0].cards_reachable, 0);
  EXPECT_TRUE(Mentions(r.warnings, "door0 stays shut")) << All(r);
}

TEST(Check, ACardOfAnotherColourOpensNothing) {
  CheckReport r = Check(
      "#######\n"
      "#1b.A.#\n"
      "####.C#\n"
      "#######\n");
  EXPECT_FALSE(r.ok()) << All(r);
}

TEST(Check, EachCardOpensOneDoor) {
  // One card, two doors of its colour: only the first door opens.
  CheckReport one = Check(
      "#########\n"
      "#1a.A.A.#\n"
      "#####C#C#\n"
      "#########\n");
  EXPECT_EQ(one.colours[0].doors_opened, 1);
  EXPECT_EQ(one.cds_reachable, 1);
  EXPECT_FALSE(one.ok());
  // A second card beyond the first door opens the second.
  CheckReport two = Check(
      "#########\n"
      "#1a.AaA.#\n"
      "#####C#C#\n"
      "#########\n");
  EXPECT_EQ(two.colours[0].doors_opened, 2);
  EXPECT_TRUE(two.ok()) << All(two);
}

TEST(Check, DoorsChainThroughColours) {
  CheckReport r = Check(
      "##########\n"
      "#1a.A.bB.C\n"
      "##########\n");
  EXPECT_TRUE(r.ok()) << All(r);
  EXPECT_EQ(r.colours[1].doors_opened, 1);
}

TEST(Check, PulsingAndAnimatedWallsBlock) {
  CheckReport r = Check(
      "#######\n"
      "#1.P.C#\n"
      "###W###\n"
      "###C###\n");
  EXPECT_EQ(r.cds_reachable, 0);
  EXPECT_FALSE(r.ok());
}

TEST(Check, MovingFloorsAreOneWay) {
  // Against the push the floor cannot be entered.
  CheckReport against = Check(
      "#######\n"
      "#1.>.C#\n"
      "#######\n");
  EXPECT_TRUE(against.ok()) << All(against);
  EXPECT_TRUE(Mentions(against.warnings, "no way back")) << All(against);

  CheckReport blocked = Check(
      "#######\n"
      "#1.<.C#\n"
      "#######\n");
  EXPECT_FALSE(blocked.ok()) << All(blocked);

  // A push floor is left only the way it pushes, so a loop back is needed.
  CheckReport loop = Check(
      "#######\n"
      "#1.>.C#\n"
      "#.###.#\n"
      "#.<<<.#\n"
      "#######\n");
  EXPECT_TRUE(loop.ok()) << All(loop);
  EXPECT_FALSE(Mentions(loop.warnings, "no way back")) << All(loop);
}

TEST(Check, MovingFloorsAreLeftSidewaysAgainstThePush) {
  // Off the belt downwards, walking down and left against it: the cell
  // behind the belt cell must be open.
  CheckReport open = Check(
      "########\n"
      "#12....#\n"
      "###.>>.#\n"
      "####C###\n"
      "########\n");
  EXPECT_TRUE(open.ok()) << All(open);
  CheckReport closed = Check(
      "########\n"
      "#12....#\n"
      "####>>.#\n"
      "####C###\n"
      "########\n");
  EXPECT_FALSE(closed.ok()) << All(closed);
  EXPECT_TRUE(closed.IsReachable(4, 2));
}

TEST(Check, MovingFloorIntoAWall) {
  CheckReport r = Check(
      "######\n"
      "#12.C#\n"
      "#..v.#\n"
      "######\n");
  EXPECT_TRUE(Mentions(r.warnings, "push into a wall")) << All(r);
}

TEST(Check, MissionGoalRoundsTheTenth) {
  // 10 CDs need 9: one may stay out of reach, two may not.
  CheckReport nine = Check(
      "#############\n"
      "#12CCCCCCCCC#\n"
      "#############\n"
      "#C###########\n");
  EXPECT_EQ(nine.cds, 10);
  EXPECT_EQ(nine.mission_goal, 9);
  EXPECT_TRUE(nine.ok()) << All(nine);

  CheckReport eight = Check(
      "#############\n"
      "#12CCCCCCCC##\n"
      "#############\n"
      "#CC##########\n");
  EXPECT_FALSE(eight.ok());
}

TEST(Check, ProblemsOfCampaignLevels) {
  CheckReport no_cd = Check(
      "#####\n"
      "#12.#\n"
      "#####\n");
  EXPECT_TRUE(Mentions(no_cd.problems, "no CDs")) << All(no_cd);

  CheckReport in_wall = Check(
      "#####\n"
      "#.2C#\n"
      "##S##\n");
  EXPECT_TRUE(Mentions(in_wall.problems, "start 1 stands in a wall")) << All(in_wall);

  CheckReport walled_start = Check(
      "#####\n"
      "#.2C#\n"
      "#####\n");
  EXPECT_TRUE(Mentions(walled_start.problems, "no start 1"));

  CheckReport lonely = Check(
      "######\n"
      "#1.C##\n"
      "######\n");
  EXPECT_TRUE(lonely.ok());
  EXPECT_TRUE(Mentions(lonely.warnings, "no start 2")) << All(lonely);
}

TEST(Check, Arenas) {
  CheckReport missing = Check(
      "######\n"
      "#1.m.#\n"
      "##t###\n",
      Role::kArena);
  EXPECT_TRUE(Mentions(missing.problems, "no start 2")) << All(missing);

  CheckReport apart = Check(
      "#######\n"
      "#1.m#2#\n"
      "##t####\n",
      Role::kArena);
  EXPECT_TRUE(Mentions(apart.problems, "start 2 cannot be reached")) << All(apart);

  CheckReport good = Check(
      "#######\n"
      "#1.m.2#\n"
      "##t####\n",
      Role::kArena);
  EXPECT_TRUE(good.ok()) << All(good);
  EXPECT_TRUE(good.warnings.empty()) << All(good);
  EXPECT_NE(All(good).find("result: playable"), std::string::npos);

  CheckReport bare = Check(
      "#######\n"
      "#1...2#\n"
      "#######\n",
      Role::kArena);
  EXPECT_TRUE(bare.ok());
  EXPECT_TRUE(Mentions(bare.warnings, "no items that come back")) << All(bare);
  EXPECT_TRUE(Mentions(bare.warnings, "no still targets")) << All(bare);
}

TEST(Check, MenuLevels) {
  CheckReport good = Check(
      "#########\n"
      "#19.5678#\n"
      "#########\n",
      Role::kMenu);
  EXPECT_TRUE(good.ok()) << All(good);
  EXPECT_TRUE(good.warnings.empty()) << All(good);

  CheckReport broken = Check(
      "#########\n"
      "#1..56#8#\n"
      "#########\n",
      Role::kMenu);
  EXPECT_TRUE(Mentions(broken.problems, "no menu_options cell")) << All(broken);
  EXPECT_TRUE(Mentions(broken.problems, "no menu_exit cell can be reached")) << All(broken);
  EXPECT_TRUE(Mentions(broken.warnings, "no menu_sound")) << All(broken);

  // Menu cells on a playing level are a mistake.
  CheckReport stray = Check(
      "######\n"
      "#12C8#\n"
      "######\n");
  EXPECT_TRUE(Mentions(stray.warnings, "menu cells outside the menu")) << All(stray);
}

TEST(Check, AmbushesAtTheStart) {
  CheckReport near = Check(
      "##########\n"
      "#12....X.#\n"
      "#.......C#\n"
      "##########\n");
  EXPECT_TRUE(Mentions(near.warnings, "enemy5 at x 7 y 1")) << All(near);
  EXPECT_TRUE(near.ok());

  CheckReport far = Check(
      "###########\n"
      "#12.......#\n"
      "#........X#\n"
      "#........C#\n"
      "###########\n");
  EXPECT_TRUE(far.warnings.empty()) << All(far);

  CheckReport turret = Check(
      "########\n"
      "#12...C#\n"
      "####T###\n");
  EXPECT_TRUE(Mentions(turret.warnings, "turret30")) << All(turret);
}

TEST(Check, PowerSwitchesComeInPairs) {
  CheckReport r = Check(
      "#######\n"
      "#12o.C#\n"
      "#######\n");
  EXPECT_TRUE(Mentions(r.warnings, "power_on")) << All(r);
  CheckReport both = Check(
      "########\n"
      "#12o.OC#\n"
      "########\n");
  EXPECT_FALSE(Mentions(both.warnings, "power_on")) << All(both);
}

TEST(Check, ReportListsActorsAndCodes) {
  CheckReport r = Check(
      "##t#######\n"
      "#12......#\n"
      "#.......C#\n"
      "#.......X#\n"
      "#........#\n"
      "#........#\n"
      "#......X.#\n"
      "##########\n");
  EXPECT_EQ(r.actors.at(5), 2);
  EXPECT_EQ(r.actors.at(20), 1);
  EXPECT_EQ(r.entity_counts[5], 2);
  EXPECT_EQ(r.object_counts[12], 1);
  std::string text = All(r);
  EXPECT_NE(text.find("enemy5 x2  (moving, 100 hp, damage 6)"), std::string::npos) << text;
  EXPECT_NE(text.find("target20 x1  (still target, 200 hp, damage 0)"), std::string::npos) << text;
  EXPECT_EQ(FormatReport(Check("####\n#1C2\n####\n"), "t", true), "");
}

TEST(Check, LevelFilesWithUnknownCodes) {
  LevelImage image;
  image.at(1, 1) = Cell{1, 255, 255, 255, 0, 1};
  image.at(2, 1) = Cell{1, 255, 255, 255, 12, 2};
  image.at(3, 1) = Cell{1, 255, 255, 255, 77, 0};
  image.at(4, 1) = Cell{0, 255, 255, 255, 0, 99};
  CheckReport r = CheckLevel(image, Role::kCampaign);
  EXPECT_TRUE(r.ok()) << FormatReport(r, "x");
  EXPECT_TRUE(Mentions(r.warnings, "above 48")) << FormatReport(r, "x");
  EXPECT_TRUE(Mentions(r.warnings, "above 39")) << FormatReport(r, "x");
  EXPECT_TRUE(Mentions(r.warnings, "show black")) << FormatReport(r, "x");
  EXPECT_EQ(r.reachable_cells, 4);
}

}  // namespace
}  // namespace bv::level

// Every shipped level read as a player reads it, from frames drawn by the
// game's renderer at the starts and at a spread of places: floors and walls
// tell apart at a glance, with the power on and (where a switch can turn it
// off) in the dark, and the texts over the map stand out from the floor.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <string>

#include "level_frames.h"

namespace bv::level {
namespace {

constexpr double kMinDifference = 40;  // of 255, floor against wall median luma
constexpr double kMinTextContrast = 3;
constexpr int kMinCells = 3;  // of each kind in view, or the frame is not judged

// BV_KEEP_FRAMES=DIR keeps every judged frame as DIR/<level>-<x>-<y>-<on|off>.png.
void Keep(LevelFrames& frames, const std::string& level, int x, int y, bool dark) {
  const char* dir = std::getenv("BV_KEEP_FRAMES");
  if (dir == nullptr) return;
  std::string name = level + "-" + std::to_string(x - game::kLevelLeft) + "-" +
                     std::to_string(y - game::kLevelTop) + (dark ? "-off" : "-on") + ".png";
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  frames.Save(std::string(dir) + "/" + name);
}

std::string Name(const ShippedLevel& s) {
  return s.list_entry.empty()
             ? "menu"
             : s.list_entry + (s.role == Role::kCampaign ? " " + std::to_string(s.number) : "");
}

class LevelReadability : public ::testing::TestWithParam<ShippedLevel> {
 protected:
  void SetUp() override {
    std::string why;
    ASSERT_TRUE(frames_.Open(&why)) << why;
    ASSERT_TRUE(frames_.Load(GetParam())) << GetParam().output;
    points_ = Viewpoints(frames_.world());
    ASSERT_FALSE(points_.empty());
  }

  LevelFrames frames_;
  std::vector<std::pair<int, int>> points_;
};

TEST_P(LevelReadability, FloorsAndWallsDifferEverywhere) {
  for (const uint32_t ambient : {game::kPowerOn, game::kPowerOff}) {
    const bool dark = ambient == game::kPowerOff;
    if (dark && !HasPowerSwitch(frames_.world())) continue;
    double least = 1e9, at_start = -1;
    FrameFigures worst;
    int worst_x = 0, worst_y = 0;
    int judged = 0;
    for (size_t i = 0; i < points_.size(); ++i) {
      const auto [x, y] = points_[i];
      frames_.Draw(x, y, ambient);
      const FrameFigures f = frames_.Measure();
      Keep(frames_, Name(GetParam()), x, y, dark);
      if (f.floor_cells < kMinCells || f.wall_cells < kMinCells) continue;
      ++judged;
      // In the dark the walls must be the ones still seen.
      const double d = dark ? f.wall_luma - f.floor_luma : f.difference();
      if (i == 0) at_start = d;
      if (d < least) least = d, worst = f, worst_x = x, worst_y = y;
      EXPECT_GE(d, kMinDifference)
          << Name(GetParam()) << (dark ? " power off" : " power on") << " at cell "
          << x - game::kLevelLeft << "," << y - game::kLevelTop << ": floor " << f.floor_luma
          << " wall " << f.wall_luma;
    }
    EXPECT_GT(judged, 0);
    std::printf(
        "%-12s %-9s start %5.1f least %5.1f (floor %5.1f wall %5.1f at %d,%d) over %d frames\n",
        Name(GetParam()).c_str(), dark ? "power off" : "power on", at_start, least,
        worst.floor_luma, worst.wall_luma, worst_x - game::kLevelLeft, worst_y - game::kLevelTop,
        judged);
  }
}

TEST_P(LevelReadability, TextsStandOutFromTheFloorBehindThem) {
  double least_upper = 1e9, least_message = 1e9;
  for (const auto& [x, y] : points_) {
    frames_.Draw(x, y, game::kPowerOn);
    const FrameFigures f = frames_.Measure();
    const std::string where = Name(GetParam()) + " at cell " +
                              std::to_string(x - game::kLevelLeft) + "," +
                              std::to_string(y - game::kLevelTop);
    if (f.upper_floor >= 0) {
      const double yellow = ContrastRatio(RelativeLuminance(kHudYellow), f.upper_floor);
      const double green = ContrastRatio(RelativeLuminance(kMessageGreen), f.upper_floor);
      least_upper = std::min({least_upper, yellow, green});
      EXPECT_GE(yellow, kMinTextContrast) << where << " (HUD text)";
      EXPECT_GE(green, kMinTextContrast) << where << " (message over the upper view)";
    }
    if (f.message_floor >= 0) {
      const double green = ContrastRatio(RelativeLuminance(kMessageGreen), f.message_floor);
      least_message = std::min(least_message, green);
      EXPECT_GE(green, kMinTextContrast) << where << " (message line)";
    }
  }
  std::printf("%-12s texts: least %.2f:1 over the upper view, %.2f:1 over the message line\n",
              Name(GetParam()).c_str(), least_upper, least_message);
}

// Texture numbers by name, as the level sources read them.
std::map<std::string, int> TextureNames() {
  std::map<std::string, int> names;
  std::ifstream in(LevelsSourceDir() + "/include/textures.lvh");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream row(line);
    std::string word, name;
    int number = 0;
    if (row >> word >> name >> number && word == "const") names[name] = number;
  }
  return names;
}

struct Cell {
  int x, y;
};

// The menu teaches itself: arrows lead from the start to places in the hall
// from which the pads' names are in view, and each name lies on the floor in
// front of its pad's alcove, with a straight walk north to the pad.
TEST(MenuGuidance, ArrowsLeadFromTheStartToWhereEveryPadsNameIsInView) {
  std::string why;
  LevelFrames frames;
  ASSERT_TRUE(frames.Open(&why)) << why;
  ShippedLevel menu;
  menu.role = Role::kMenu;
  ASSERT_TRUE(frames.Load(menu));
  const game::World& w = frames.world();
  const std::map<std::string, int> t = TextureNames();
  auto find = [&](auto&& match) {
    std::vector<Cell> out;
    for (int x = game::kLevelLeft; x < game::kLevelLeft + game::kLevelSize; ++x) {
      for (int y = game::kLevelTop; y < game::kLevelTop + game::kLevelSize; ++y) {
        if (match(w.cell(x, y))) out.push_back({x, y});
      }
    }
    return out;
  };

  struct Name {
    const char* texture;  // of the middle cell; "_w" and "_e" flank it
    uint8_t pad;          // the menu cell it names
  };
  const Name names[] = {
      {"floor_1gracz", 15}, {"floor_2graczy", 16}, {"floor_opcje", 17}, {"floor_wyjscie", 18}};
  std::vector<Cell> name_cells;
  for (const Name& n : names) {
    const std::vector<Cell> middle = find(
        [&](const game::MapCell& c) { return c.texture == t.at(std::string(n.texture) + "_c"); });
    const std::vector<Cell> pad = find([&](const game::MapCell& c) { return c.object == n.pad; });
    ASSERT_EQ(middle.size(), 1u) << n.texture;
    ASSERT_EQ(pad.size(), 1u) << n.texture;
    const Cell m = middle[0];
    EXPECT_EQ(w.cell(m.x - 1, m.y).texture, t.at(std::string(n.texture) + "_w")) << n.texture;
    EXPECT_EQ(w.cell(m.x + 1, m.y).texture, t.at(std::string(n.texture) + "_e")) << n.texture;
    EXPECT_EQ(pad[0].x, m.x) << n.texture << ": the name is not in front of its pad";
    ASSERT_LT(pad[0].y, m.y) << n.texture;
    for (int y = pad[0].y; y <= m.y; ++y) {
      EXPECT_NE(w.cell(m.x, y).object, 1)
          << n.texture << ": the way north is blocked at row " << y - game::kLevelTop;
    }
    name_cells.push_back(m);
  }

  // Arrows: each leads to the next within two cells ahead of it (forks
  // allowed); where none follows, the player has arrived.
  const std::map<int, Cell> heading = {{t.at("floor_arrow_n"), {0, -1}},
                                       {t.at("floor_arrow_w"), {-1, 0}},
                                       {t.at("floor_arrow_e"), {1, 0}}};
  const std::vector<Cell> arrows =
      find([&](const game::MapCell& c) { return heading.count(c.texture) != 0; });
  auto near = [](Cell a, Cell b, int d) {
    return std::abs(a.x - b.x) <= d && std::abs(a.y - b.y) <= d;
  };
  const Cell start = {static_cast<int>(w.players[0].spawn_x) / game::kCellSize,
                      static_cast<int>(w.players[0].spawn_y) / game::kCellSize};
  std::vector<Cell> todo, ends;
  std::vector<bool> seen(arrows.size(), false);
  for (size_t i = 0; i < arrows.size(); ++i) {
    if (near(arrows[i], start, 2)) todo.push_back(arrows[i]), seen[i] = true;
  }
  ASSERT_FALSE(todo.empty()) << "no arrow by the start";
  while (!todo.empty()) {
    const Cell a = todo.back();
    todo.pop_back();
    const Cell d = heading.at(w.cell(a.x, a.y).texture);
    bool leads = false;
    for (size_t i = 0; i < arrows.size(); ++i) {
      const Cell b = arrows[i];
      const int ahead = (b.x - a.x) * d.x + (b.y - a.y) * d.y;
      if (ahead <= 0 || !near(a, b, 2)) continue;
      leads = true;
      if (!seen[i]) seen[i] = true, todo.push_back(b);
    }
    if (!leads) ends.push_back(a);
  }
  for (size_t i = 0; i < arrows.size(); ++i) {
    EXPECT_TRUE(seen[i]) << "arrow at " << arrows[i].x - game::kLevelLeft << ","
                         << arrows[i].y - game::kLevelTop << " is not on the way from the start";
  }
  // A name is in view when its three cells are whole on the screen.
  std::vector<bool> shown(name_cells.size(), false);
  for (const Cell e : ends) {
    bool any = false;
    for (size_t i = 0; i < name_cells.size(); ++i) {
      const Cell n = name_cells[i];
      if (std::abs(n.x - e.x) <= 5 && std::abs(n.y - e.y) <= 4) shown[i] = any = true;
    }
    EXPECT_TRUE(any) << "the arrows end at " << e.x - game::kLevelLeft << ","
                     << e.y - game::kLevelTop << " with no pad's name in view";
  }
  for (size_t i = 0; i < shown.size(); ++i) EXPECT_TRUE(shown[i]) << names[i].texture;
}

INSTANTIATE_TEST_SUITE_P(Shipped, LevelReadability, ::testing::ValuesIn(ShippedLevels()),
                         [](const ::testing::TestParamInfo<ShippedLevel>& info) {
                           std::string n = Name(info.param);
                           for (char& c : n) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return n;
                         });

}  // namespace

// Test names and failures show the level by its name.
void PrintTo(const ShippedLevel& s, std::ostream* out) {
  *out << Name(s);
}

}  // namespace bv::level

// Every shipped level read as a player reads it, from frames drawn by the
// game's renderer at the starts and at a spread of places: floors and walls
// tell apart at a glance, with the power on and (where a switch can turn it
// off) in the dark, and the texts over the map stand out from the floor.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
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

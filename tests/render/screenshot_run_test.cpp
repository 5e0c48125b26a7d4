// brimvale-sim's screenshots: the frame after a given tick written as a PNG,
// drawn from a crafted program directory, checked at a few pixels.

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "render/program_images.h"
#include "support/level_builder.h"
#include "support/temp_dir.h"

namespace bv::test {
namespace {

using nlohmann::json;

struct Result {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// A PNG read back as 0xRRGGBB values.
class Png {
 public:
  explicit Png(const std::string& path) {
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (loaded == nullptr) return;
    surface_ = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
  }
  ~Png() {
    if (surface_ != nullptr) SDL_FreeSurface(surface_);
  }
  bool ok() const { return surface_ != nullptr; }
  int width() const { return surface_->w; }
  int height() const { return surface_->h; }
  uint32_t At(int x, int y) const {
    const auto* row = static_cast<const uint8_t*>(surface_->pixels) + y * surface_->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFFu;
  }

 private:
  SDL_Surface* surface_ = nullptr;
};

class ScreenshotRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* build = std::getenv("BV_BUILD_DIR");
    ASSERT_NE(build, nullptr);
    tool_ = std::string(build) + "/brimvale-sim";
    WriteProgramImages(dir_);
    ASSERT_TRUE(WriteProgramFont(dir_));
    LevelBuilder menu;
    menu.Entity(50, 50, 1);
    menu.Wall(52, 50);
    menu.Write(dir_.File("data/levels/campaign/0.dmp"));
  }

  static std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

  Result Run(json scenario) {
    scenario["program_dir"] = dir_.path();
    const std::string path = dir_.File("scenario.json");
    std::ofstream(path) << scenario.dump();
    const std::string out = dir_.File("out.txt"), err = dir_.File("err.txt");
    const int status = std::system((tool_ + " " + path + " >" + out + " 2>" + err).c_str());
    Result r;
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(out);
    r.err = Slurp(err);
    return r;
  }

  // A file in the folder "shots" (made when missing).
  std::string Shot(const std::string& name) { return dir_.File("shots/" + name); }

  TempDir dir_;
  std::string tool_;
};

TEST_F(ScreenshotRunTest, WritesTheFrameAfterEachRequestedTick) {
  // From the start of a level change: the shutters meet after tick 111
  // (transition 448) and play begins after tick 223 (896).
  const json scenario = {
      {"world", {{"transition", 0}}},
      {"ticks", 230},
      {"settings", {{"colors", {0x0000FF, 0x00FF00, 0xFF0000}}, {"minimap_alpha", 255}}},
      {"screenshots",
       {{{"tick", 223}, {"path", Shot("play.png")}}, {{"tick", 111}, {"path", Shot("met.png")}}}},
  };
  const Result r = Run(scenario);
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const json out = json::parse(r.out);
  ASSERT_EQ(out["screenshots"].size(), 2u);
  EXPECT_EQ(out["screenshots"][0]["tick"], 111);

  Png met(Shot("met.png"));
  ASSERT_TRUE(met.ok());
  EXPECT_EQ(met.width(), 640);
  EXPECT_EQ(met.height(), 480);
  EXPECT_EQ(met.At(0, 240), 0x0000C0u);  // left shutter
  EXPECT_EQ(met.At(191, 240), 0x0000C0u);
  EXPECT_EQ(met.At(192, 240), 0x00C000u);  // right shutter over it
  EXPECT_EQ(met.At(639, 240), 0x00C000u);

  Png play(Shot("play.png"));
  ASSERT_TRUE(play.ok());
  // The player on the menu level's start cell (50, 50), in the middle; white
  // floor around; the wall two cells right shows as a white dot on the mini map.
  EXPECT_EQ(play.At(100, 240), 0xFFFFFFu);
  // The red player's sprite, faint at the first tick of play, over the white floor.
  const uint32_t centre = play.At(320, 240);
  EXPECT_EQ(centre >> 16, 0xFFu) << std::hex << centre;
  EXPECT_LT(centre & 0xFF, 240u) << std::hex << centre;
  EXPECT_EQ(play.At(4, 374), 0xFFFFFFu);
  EXPECT_EQ(play.At(10, 15), 0xFFFF00u);  // "Zdrowie:" in yellow
}

TEST_F(ScreenshotRunTest, TheIntroShowsTheLogoRisingFromTheBottom) {
  const std::string nowhere = dir_.path() + "/no such folder/intro.png";
  const Result r = Run({{"ticks", 1}, {"screenshots", {{{"tick", 0}, {"path", nowhere}}}}});
  ASSERT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("cannot write"), std::string::npos) << r.err;
  const Result again =
      Run({{"ticks", 1}, {"screenshots", {{{"tick", 0}, {"path", Shot("intro.png")}}}}});
  ASSERT_EQ(again.exit_code, 0) << again.err;
  Png intro(Shot("intro.png"));
  ASSERT_TRUE(intro.ok());
  // After one tick transition is -2069: the logo's top row is 479.
  EXPECT_EQ(intro.At(10, 479), 0xC00000u);
  EXPECT_EQ(intro.At(330, 479), 0xC0C000u);
  EXPECT_EQ(intro.At(10, 478), 0u);
}

TEST_F(ScreenshotRunTest, ProblemsAreReportedNotHidden) {
  struct Case {
    json screenshots;
    int exit_code;
    const char* says;
  };
  const Case cases[] = {
      {{{{"tick", 5}, {"path", "x.png"}}}, 2, "screenshots[0].tick: must be below ticks (5)"},
      {{{{"tick", -1}, {"path", "x.png"}}}, 2, "screenshots[0].tick"},
      {{{{"tick", 1}}}, 2, "screenshots[0].path: is missing"},
      {{{{"tick", 1}, {"path", ""}}}, 2, "screenshots[0].path"},
      {{{{"tick", 1}, {"path", "x.png"}, {"size", 2}}}, 2, "screenshots[0].size: unknown field"},
      {json::object(), 2, "screenshots: must be an array"},
  };
  for (const Case& c : cases) {
    const Result r = Run({{"ticks", 5}, {"screenshots", c.screenshots}});
    EXPECT_EQ(r.exit_code, c.exit_code) << c.screenshots.dump();
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }

  // A closing program ends the run before the tick.
  LevelBuilder menu;
  menu.Entity(50, 50, 1);
  menu.Object(50, 50, 18);  // the exit cell under the start
  menu.Write(dir_.File("data/levels/campaign/0.dmp"));
  Result r = Run({{"world", {{"transition", 0}}},
                  {"ticks", 400},
                  {"screenshots", {{{"tick", 390}, {"path", Shot("late.png")}}}}});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("the run ended after"), std::string::npos) << r.err;

  // Images that cannot be loaded, as start-up would find them.
  std::filesystem::remove(dir_.File("data/objects/7.tga"));
  r = Run({{"ticks", 1}, {"screenshots", {{{"tick", 0}, {"path", Shot("none.png")}}}}});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("(obj)"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("7.tga"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace bv::test

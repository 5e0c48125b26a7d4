// brimvale-inspect data over a copy of the built data tree: clean as built,
// and every damaged file named with a reason.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "media/picture_bytes.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace bv::media {
namespace {

namespace fs = std::filesystem;

TEST(InspectData, TheBuiltTreeStartsCleanlyAndEachDamagedFileIsNamed) {
  test::TempDir dir;
  fs::copy(fs::path(BV_BUILD_DIR) / "data", fs::path(dir.path()) / "data",
           fs::copy_options::recursive);
  test::ToolResult r = test::RunTool(BV_INSPECT_TOOL, "data " + dir.path());
  ASSERT_EQ(r.exit_code, 0) << r.out << r.err;
  nlohmann::json out = nlohmann::json::parse(r.out);
  EXPECT_TRUE(out["starts_cleanly"].get<bool>());
  EXPECT_EQ(out["checked"]["images"], 312);
  EXPECT_EQ(out["checked"]["samples"], 32);
  EXPECT_GE(out["checked"]["levels"], 2);

  const fs::path data = fs::path(dir.path()) / "data";
  const std::vector<uint8_t> junk(40, 0x5A);
  fs::resize_file(data / "font.fnt", 100);
  test::WriteBytes((data / "textures/5.bmp").string(), junk);
  fs::remove(data / "objects/3.tga");
  fs::resize_file(data / "sound/get.wav", 20);
  fs::resize_file(data / "levels/campaign/0.dmp", 1000);
  r = test::RunTool(BV_INSPECT_TOOL, "data " + dir.path());
  EXPECT_EQ(r.exit_code, 1) << r.out;
  out = nlohmann::json::parse(r.out);
  EXPECT_FALSE(out["starts_cleanly"].get<bool>());
  std::vector<std::string> files;
  for (const auto& p : out["problems"]) {
    files.push_back(p["file"]);
    EXPECT_FALSE(p["reason"].get<std::string>().empty()) << p.dump();
  }
  for (const char* damaged : {"font.fnt", "textures/5.bmp", "objects/3.tga", "sound/get.wav",
                              "levels/campaign/0.dmp"}) {
    bool named = false;
    for (const std::string& f : files) named = named || f.find(damaged) != std::string::npos;
    EXPECT_TRUE(named) << damaged << " in " << out["problems"].dump();
  }
}

}  // namespace
}  // namespace bv::media

// brimvale-inspect config, run as a program on settings files.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "settings/config_record.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace bv::settings {
namespace {

test::ToolResult Inspect(const std::string& args) { return test::RunTool(BV_INSPECT_TOOL, args); }

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  test::WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
}

TEST(InspectConfig, DefaultsByteForByteNamedInFileOrder) {
  test::TempDir dir;
  ConfigBytes bytes = EncodeConfig(ConfigRecord{});
  const std::string path = dir.File("config.dat");
  WriteFile(path, {bytes.begin(), bytes.end()});

  test::ToolResult r = Inspect("config " + path);
  ASSERT_EQ(r.exit_code, 0) << r.out;
  auto j = nlohmann::ordered_json::parse(r.out);
  EXPECT_EQ(j.begin().key(), "hud_trans");
  EXPECT_EQ(j["hud_trans"], 102);
  EXPECT_EQ(j["map_trans"], 153);
  EXPECT_EQ(j["p1_color"], 16744448);
  EXPECT_EQ(j["point_limit"], 5000);
  EXPECT_EQ(j["reitem_period"], 600);
  EXPECT_EQ(j["c1_up"], 200);
  EXPECT_EQ(j["c2_atack"], 47);
  EXPECT_EQ(j["file_size"], 44);
}

TEST(InspectConfig, ShortFilesReadAsZerosAndMissingFilesAreRefused) {
  test::TempDir dir;
  const std::string path = dir.File("short.dat");
  WriteFile(path, {230, 7});
  test::ToolResult r = Inspect("config " + path);
  ASSERT_EQ(r.exit_code, 0);
  auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["hud_trans"], 230);
  EXPECT_EQ(j["map_trans"], 7);
  EXPECT_EQ(j["point_limit"], 0);
  EXPECT_EQ(j["file_size"], 2);

  test::ToolResult missing = Inspect("config " + dir.path() + "/none.dat");
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_TRUE(nlohmann::json::parse(missing.out).contains("message"));
  EXPECT_EQ(Inspect("config " + dir.path()).exit_code, 1);  // a folder
  EXPECT_EQ(Inspect("config").exit_code, 2);
  EXPECT_EQ(Inspect("config a b").exit_code, 2);
}

}  // namespace
}  // namespace bv::settings

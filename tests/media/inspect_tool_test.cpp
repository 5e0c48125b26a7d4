// Runs the built brimvale-inspect the way a modder would.

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "media/bitmap_reader.h"
#include "media/converter.h"
#include "media/pattern_pages.h"
#include "media/picture_bytes.h"
#include "media/pixel_format.h"
#include "media/record_archive.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace bv::media {
namespace {

struct ToolRun : test::ToolResult {
  nlohmann::json json() const { return nlohmann::json::parse(out); }
};

ToolRun Inspect(const std::string& args) {
  return {test::RunTool(BV_INSPECT_TOOL, args)};
}

class InspectTool : public ::testing::Test {
 protected:
  std::string Put(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = dir_.File(name);
    test::WriteBytes(path, bytes);
    return path;
  }
  test::TempDir dir_;
};

TEST_F(InspectTool, UsageErrors) {
  for (const char* args : {"", "picture x.tga", "image", "image a.tga 1 2 3", "image a.tga 1 2 3 x",
                           "image a.tga 1 2 3 4 5", "image a.tga 99999999999 1 1 1", "archive",
                           "archive a.fnt BFN", "archive a.fnt BFNTX", "archive a b c"}) {
    ToolRun r = Inspect(args);
    EXPECT_EQ(r.exit_code, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
}

TEST_F(InspectTool, ImageLoadedReportsSizesAndPageChecksum) {
  std::vector<uint32_t> px(100 * 50);
  for (size_t i = 0; i < px.size(); ++i) px[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
  const std::string tga = Put("data/objects/1.tga", test::Tga({0, 0, 2, 100, 50, 24, 32}, px));

  PatternPages expected;
  ASSERT_EQ(expected.LoadFromFile(tga, 50, 50, 64, 64, media::kFormatA8R8G8B8, ReadBitmapFile), 0);
  std::vector<uint8_t> all;
  for (const auto& page : expected.pages()) all.insert(all.end(), page.begin(), page.end());

  ToolRun r = Inspect("image " + tga + " 50 50 64 64");
  ASSERT_EQ(r.exit_code, 0) << r.out;
  nlohmann::json j = r.json();
  EXPECT_EQ(j["width"], 100);
  EXPECT_EQ(j["height"], 50);
  EXPECT_EQ(j["pattern_count"], 2);
  EXPECT_EQ(j["texture_count"], 2);
  EXPECT_EQ(j["pixels_crc32"], PcCrc32(all.data(), all.size()));
  EXPECT_EQ(j.size(), 5u);

  ToolRun whole = Inspect("image " + tga);
  ASSERT_EQ(whole.exit_code, 0);
  EXPECT_EQ(whole.json()["pattern_count"], 1);
  EXPECT_EQ(whole.json()["texture_count"], 1);

  const std::string bmp = Put("data/textures/0.bmp", test::Bmp(2, 2, 24, {1, 2, 3, 4}));
  ToolRun b = Inspect("image " + bmp);
  ASSERT_EQ(b.exit_code, 0);
  EXPECT_EQ(b.json()["width"], 2);
}

TEST_F(InspectTool, ImageRefusedWithCodeOrMessage) {
  const std::string deep = Put("deep.tga", test::Tga({0, 0, 2, 1, 1, 16, 0}, {}));
  ToolRun r = Inspect("image " + deep);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.json(), nlohmann::json({{"message", "Invalid TGA Bit-depth!"}}));

  const std::string missing = dir_.path() + "/none.bmp";
  r = Inspect("image " + missing);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.json()["message"], "Cannot open file \"" + missing + "\"");

  const std::string bar =
      Put("bar.tga", test::Tga({0, 0, 2, 100, 4, 24, 0}, std::vector<uint32_t>(400, 0)));
  EXPECT_EQ(Inspect("image " + bar + " 100 4 128 4").exit_code, 0);
  r = Inspect("image " + bar + " 100 4 64 64");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.json(), nlohmann::json({{"code", -1},
                                      {"text",
                                       "The method was called with invalid parameters or in "
                                       "inapropriate situation"}}));
}

TEST_F(InspectTool, ArchiveListsHeaderAndDirectory) {
  RecordArchive a;
  a.set_file_name(dir_.File("data/font.fnt"));
  a.set_open_mode(OpenMode::kOverwrite);
  a.set_signature(FourCc("BFNT"));
  ASSERT_EQ(a.Open(), 0);
  const std::vector<uint8_t> sizes = {1, 0, 0, 0, 32, 0, 0, 0};
  ASSERT_EQ(a.WriteRecord("font", 1, std::vector<uint8_t>(100, 7)), 0);
  ASSERT_EQ(a.WriteRecord("sizedata", 0, sizes), 0);

  ToolRun r = Inspect("archive " + a.file_name() + " BFNT");
  ASSERT_EQ(r.exit_code, 0) << r.out;
  nlohmann::json j = r.json();
  EXPECT_EQ(j["signature"], "BFNT");
  EXPECT_EQ(j["version"], 1.1);
  EXPECT_EQ(j["secure"], false);
  ASSERT_EQ(j["records"].size(), 2u);
  const nlohmann::json& s = j["records"][1];
  EXPECT_EQ(s["name"], "sizedata");
  EXPECT_EQ(s["type"], 0);
  EXPECT_EQ(s["offset"], a.directory()[1].offset);
  EXPECT_EQ(s["checksum"], PcCrc32(sizes.data(), sizes.size()));
  EXPECT_EQ(s["stored_size"], a.directory()[1].stored_size);
  EXPECT_EQ(s["decoded_size"], 8);

  r = Inspect("archive " + a.file_name());  // expects "RARC"
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.json(), nlohmann::json({{"code", -20}, {"text", "Invalid archive signature"}}));
  r = Inspect("archive " + dir_.path() + "/none.arc");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.json()["code"], -17);

  RecordArchive plain;
  plain.set_file_name(dir_.File("plain.arc"));
  plain.set_open_mode(OpenMode::kOverwrite);
  ASSERT_EQ(plain.Open(), 0);
  r = Inspect("archive " + plain.file_name());
  ASSERT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.json()["signature"], "RARC");
  EXPECT_TRUE(r.json()["records"].empty());
}

}  // namespace
}  // namespace bv::media

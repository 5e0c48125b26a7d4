#include <gtest/gtest.h>

#include <random>

#include "level/decompile.h"
#include "level/level_image.h"
#include "level/level_source.h"
#include "support/temp_dir.h"

namespace bv::level {
namespace {

// Decompiles, compiles the text again and compares the bytes.
void ExpectRoundTrip(const std::vector<uint8_t>& bytes, const std::string& what) {
  ASSERT_EQ(bytes.size(), static_cast<size_t>(kFileSize));
  LevelImage image = LevelImage::FromBytes(bytes);
  ASSERT_EQ(image.ToBytes(), bytes) << what;
  std::string text = Decompile(image, what);
  ParseResult r = ParseSourceText(text, what + ".lvl");
  ASSERT_TRUE(r.ok()) << what << ": " << r.errors.front().Format();
  EXPECT_EQ(r.source.image.ToBytes(), bytes) << what;
}

TEST(RoundTrip, RandomFiles) {
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(kFileSize);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    ExpectRoundTrip(bytes, "random" + std::to_string(seed));
  }
}

// Files made of a few distinct cells, the way levels are, with room to spare
// or with just more cells than the legend has characters.
TEST(RoundTrip, RandomFilesFromSmallPalettes) {
  for (int palette : {1, 2, 17, 93, 94, 95, 120}) {
    std::mt19937 rng(static_cast<uint32_t>(palette));
    std::vector<std::array<uint8_t, 6>> cells(static_cast<size_t>(palette));
    for (auto& c : cells) {
      for (uint8_t& b : c) b = static_cast<uint8_t>(rng());
    }
    std::vector<uint8_t> bytes(kFileSize);
    for (int i = 0; i < kMapSize * kMapSize; ++i) {
      const auto& c = cells[rng() % cells.size()];
      std::copy(c.begin(), c.end(), bytes.begin() + i * kCellBytes);
    }
    ExpectRoundTrip(bytes, "palette" + std::to_string(palette));
  }
}

TEST(RoundTrip, PaddingAndEdgeShapes) {
  LevelImage all_pad;
  ExpectRoundTrip(all_pad.ToBytes(), "all padding");

  LevelImage zeros = LevelImage::FromBytes(std::vector<uint8_t>(kFileSize, 0));
  ExpectRoundTrip(zeros.ToBytes(), "all zero");

  // A map three cells wide must not write a row reading "end".
  LevelImage narrow;
  const Cell e{1, 255, 255, 255, 0, 0}, n{2, 255, 255, 255, 0, 0}, d{3, 255, 255, 255, 0, 0};
  narrow.at(0, 0) = e;
  narrow.at(1, 0) = n;
  narrow.at(2, 0) = d;
  ExpectRoundTrip(narrow.ToBytes(), "narrow");

  LevelImage corner;
  corner.at(99, 99) = Cell{9, 1, 2, 3, 12, 1};
  ExpectRoundTrip(corner.ToBytes(), "corner");
  std::string text = Decompile(corner, "corner");
  EXPECT_NE(text.find("entity start1"), std::string::npos);
}

TEST(RoundTrip, LevelFilesOnDisk) {
  test::TempDir dir;
  std::mt19937 rng(42);
  std::vector<uint8_t> bytes(kFileSize);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng() % 7);
  LevelImage image = LevelImage::FromBytes(bytes);
  std::string error;
  const std::string path = dir.File("a.dmp");
  ASSERT_TRUE(WriteLevelFile(path, image, error)) << error;
  LevelImage back;
  ASSERT_TRUE(ReadLevelFile(path, back, error)) << error;
  EXPECT_EQ(back.ToBytes(), bytes);

  // Files of any other length are refused with a reason.
  for (size_t size : {size_t{0}, size_t{59999}, size_t{60001}}) {
    const std::string p = dir.File("short" + std::to_string(size) + ".dmp");
    std::FILE* f = std::fopen(p.c_str(), "wb");
    std::vector<uint8_t> data(size, 1);
    if (size > 0) std::fwrite(data.data(), 1, size, f);
    std::fclose(f);
    EXPECT_FALSE(ReadLevelFile(p, back, error)) << size;
    EXPECT_NE(error.find("60000"), std::string::npos) << error;
  }
  EXPECT_FALSE(ReadLevelFile(dir.File("missing.dmp"), back, error));
}

}  // namespace
}  // namespace bv::level

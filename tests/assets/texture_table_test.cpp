// docs/textures.md is what the level designer reads: it must match the code.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "texture_table.h"

namespace bv::assets {
namespace {

const char* KindName(TexKind k) {
  switch (k) {
    case TexKind::kNone:
      return "never drawn";
    case TexKind::kFloor:
      return "floor";
    case TexKind::kWall:
      return "wall";
    case TexKind::kDetail:
      return "detail";
    case TexKind::kAnimated:
      return "animated";
  }
  return "";
}

TEST(TextureTable, DocumentListsEveryTextureAsTheCodeDoes) {
  std::ifstream doc(std::string(BV_SOURCE_DIR) + "/docs/textures.md");
  ASSERT_TRUE(doc.good());
  std::regex row(R"(^\| (\d+) \| (\w+) \| ([\w-]+) \| ([\w ]+) \| (\d+) \| .*\|$)");
  int rows = 0;
  std::string line;
  while (std::getline(doc, line)) {
    std::smatch m;
    if (!std::regex_match(line, m, row)) continue;
    int n = std::stoi(m[1]);
    ASSERT_GE(n, 0);
    ASSERT_LT(n, kTextureCount);
    const TextureInfo& info = TextureTable()[n];
    EXPECT_EQ(info.number, n);
    EXPECT_EQ(m[2].str(), info.name) << n;
    EXPECT_EQ(m[3].str(), info.set) << n;
    EXPECT_EQ(m[4].str(), KindName(info.kind)) << n;
    EXPECT_EQ(std::stoi(m[5]), info.patterns) << n;
    ++rows;
  }
  EXPECT_EQ(rows, kTextureCount);
}

TEST(TextureTable, SetsKeepTheAgreedRangesWithFloorsBeforeWalls) {
  struct Range {
    int first, last;
    const char* set;
  };
  const Range ranges[] = {{1, 39, "lab"},           {40, 79, "bunker"}, {80, 119, "outdoor"},
                          {120, 159, "industrial"}, {160, 199, "hell"}, {200, 229, "details"},
                          {230, 255, "animated"}};
  for (const Range& r : ranges) {
    bool seen_wall = false;
    for (int n = r.first; n <= r.last; ++n) {
      const TextureInfo& info = TextureTable()[n];
      EXPECT_STREQ(info.set, r.set) << n;
      if (info.kind == TexKind::kWall) seen_wall = true;
      if (info.kind == TexKind::kFloor) {
        EXPECT_FALSE(seen_wall) << "floor " << n << " after a wall";
      }
      EXPECT_EQ(info.patterns, std::string(r.set) == "animated" ? 4 : 1) << n;
    }
  }
}

}  // namespace
}  // namespace bv::assets

#include "level/level_source.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "level/check.h"
#include "level/decompile.h"

namespace bv::level {
namespace {

// Sources kept in memory, so includes need no disk.
struct Files {
  std::map<std::string, std::string> text;
  FileLoader loader() const {
    return [this](const std::string& path, std::string& out) {
      auto it = text.find(path);
      if (it == text.end()) return false;
      out = it->second;
      return true;
    };
  }
};

ParseResult Parse(const std::string& text, const Files& files = {}) {
  return ParseSourceText(text, "dir/test.lvl", files.loader());
}

std::string Errors(const ParseResult& r) {
  std::string s;
  for (const Diagnostic& d : r.errors) s += d.Format() + "\n";
  return s;
}

TEST(LevelSource, LegendMapAndPadding) {
  ParseResult r = Parse(
      "# a small room\n"
      "level-source 1\n"
      "name \"Pokoj\"\n"
      "role arena\n"
      "legend\n"
      "  '#' texture 41 object solid   # wall\n"
      "  '.' texture 3 tint 80ff40\n"
      "  'C' like '.' object cd\n"
      "  '1' like '.' entity start1\n"
      "  'x' texture 3 object 200 entity 250\n"
      "end\n"
      "map\n"
      "####\n"
      "#1C#   # the row's comment\n"
      "#.x\n"
      "end\n");
  ASSERT_TRUE(r.ok()) << Errors(r);
  const LevelSource& s = r.source;
  EXPECT_EQ(s.name, "Pokoj");
  EXPECT_EQ(s.role, Role::kArena);
  EXPECT_EQ(s.image.at(0, 0), (Cell{41, 255, 255, 255, 1, 0}));
  EXPECT_EQ(s.image.at(1, 1), (Cell{3, 0x80, 0xff, 0x40, 0, 1}));
  EXPECT_EQ(s.image.at(2, 1), (Cell{3, 0x80, 0xff, 0x40, 12, 0}));
  EXPECT_EQ(s.image.at(2, 2), (Cell{3, 255, 255, 255, 200, 250}));
  // A short row and everything beyond the map are padded: solid, undrawn.
  EXPECT_EQ(s.image.at(3, 2), kPadCell);
  EXPECT_EQ(s.image.at(0, 3), kPadCell);
  EXPECT_EQ(s.image.at(99, 99), kPadCell);
  // The checker can point back into the source.
  EXPECT_EQ(s.Where(2, 1), "dir/test.lvl:14:3");
  EXPECT_EQ(s.Where(50, 50), "");
}

TEST(LevelSource, ConstantsIncludesPadOffsetsAndAt) {
  Files files;
  files.text["dir/inc/textures.lvh"] =
      "const LAB_FLOOR 7\n"
      "const DIM 909090\n"
      "legend\n"
      "  '.' texture LAB_FLOOR tint DIM\n"
      "end\n";
  ParseResult r = Parse(
      "level-source 1\n"
      "include \"inc/textures.lvh\"\n"
      "const WALL_OBJ solid\n"
      "legend\n"
      "  '~' texture 0x2a object WALL_OBJ\n"
      "end\n"
      "pad '~'\n"
      "map 10 20\n"
      "..\n"
      "end\n"
      "map 11 20\n"
      "~\n"
      "end\n"
      "at 99 99 '.'\n"
      "at 0 0 texture 5 entity enemy17\n",
      files);
  ASSERT_TRUE(r.ok()) << Errors(r);
  const LevelImage& im = r.source.image;
  EXPECT_EQ(im.at(10, 20), (Cell{7, 0x90, 0x90, 0x90, 0, 0}));
  EXPECT_EQ(im.at(11, 20), (Cell{42, 255, 255, 255, 1, 0}));  // a later map wins
  EXPECT_EQ(im.at(50, 50), (Cell{42, 255, 255, 255, 1, 0}));  // the declared pad
  EXPECT_EQ(im.at(99, 99), (Cell{7, 0x90, 0x90, 0x90, 0, 0}));
  EXPECT_EQ(im.at(0, 0), (Cell{5, 255, 255, 255, 0, 17}));
  EXPECT_EQ(r.source.files.size(), 2u);
  EXPECT_EQ(r.source.Where(10, 20), "dir/test.lvl:9:1");
}

TEST(LevelSource, NamesCoverEveryCode) {
  for (int code = 0; code <= game::kLastObjectCode; ++code) {
    ASSERT_FALSE(ObjectName(code).empty()) << code;
    EXPECT_EQ(ObjectByName(ObjectName(code)), code);
  }
  for (int code = 0; code <= game::kLastActorKind; ++code) {
    ASSERT_FALSE(EntityName(code).empty()) << code;
    EXPECT_EQ(EntityByName(EntityName(code)), code);
  }
  EXPECT_EQ(ObjectName(49), "");
  EXPECT_EQ(EntityName(40), "");
  EXPECT_EQ(ObjectByName("door3"), 43);
  EXPECT_EQ(ObjectByName("card_red"), 35);
  EXPECT_EQ(ObjectByName("door_violet"), 44);
  EXPECT_EQ(EntityByName("turret28"), 28);
}

struct BadSource {
  const char* what;
  const char* text;
  int line;
  int column;
  const char* message;
};

void PrintTo(const BadSource& b, std::ostream* os) {
  *os << b.what;
}

class LevelSourceErrors : public ::testing::TestWithParam<BadSource> {};

TEST_P(LevelSourceErrors, NameTheFileLineAndColumn) {
  const BadSource& bad = GetParam();
  ParseResult r = Parse(bad.text);
  ASSERT_FALSE(r.ok()) << bad.what;
  const Diagnostic& d = r.errors.front();
  EXPECT_EQ(d.where.file, "dir/test.lvl");
  EXPECT_EQ(d.where.line, bad.line) << Errors(r);
  EXPECT_EQ(d.where.column, bad.column) << Errors(r);
  EXPECT_NE(d.message.find(bad.message), std::string::npos) << Errors(r);
}

const char kHead[] = "level-source 1\nlegend\n  '.' texture 1\nend\n";

INSTANTIATE_TEST_SUITE_P(
    Table, LevelSourceErrors,
    ::testing::Values(
        BadSource{"no header", "legend\nend\n", 1, 1, "starts with 'level-source"},
        BadSource{"empty file", "", 1, 1, "starts with 'level-source"},
        BadSource{"future version", "level-source 2\n", 1, 14, "not known"},
        BadSource{"unknown character in the map",
                  "level-source 1\nlegend\n  '.' texture 1\nend\nmap\n...\n..X.\nend\n", 7, 3,
                  "'X' is not in the legend"},
        BadSource{"texture out of range", "level-source 1\nlegend\n  '.' texture 256\nend\n", 3, 15,
                  "out of range"},
        BadSource{"unknown object name", "level-source 1\nlegend\n  '.' object cdd\nend\n", 3, 14,
                  "unknown object 'cdd'"},
        BadSource{"bad tint", "level-source 1\nlegend\n  '.' tint fffff\nend\n", 3, 12,
                  "six hex digits"},
        BadSource{"field twice", "level-source 1\nlegend\n  '.' texture 1 texture 2\nend\n", 3, 17,
                  "given twice"},
        BadSource{"key twice", "level-source 1\nlegend\n  '.' texture 1\n  '.' texture 2\nend\n", 4,
                  3, "already in the legend at dir/test.lvl:3:3"},
        BadSource{"like after a field",
                  "level-source 1\nlegend\n  '.' texture 1\n  ',' texture 2 like '.'\nend\n", 4, 17,
                  "'like' comes before"},
        BadSource{"unclosed legend", "level-source 1\nlegend\n  '.' texture 1\n", 2, 1,
                  "legend block has no 'end'"},
        BadSource{"unclosed map", "level-source 1\nlegend\n  '.' texture 1\nend\nmap\n..\n", 5, 1,
                  "map block has no 'end'"},
        BadSource{"indented map row",
                  "level-source 1\nlegend\n  '.' texture 1\nend\nmap\n  ..\nend\n", 6, 1,
                  "first column"},
        BadSource{"blank map row",
                  "level-source 1\nlegend\n  '.' texture 1\nend\nmap\n..\n\n..\nend\n", 7, 1,
                  "empty map row"},
        BadSource{"text after a row",
                  "level-source 1\nlegend\n  '.' texture 1\nend\nmap\n.. x\nend\n", 6, 4,
                  "one word"},
        BadSource{"too wide", "level-source 1\nlegend\n  '.' texture 1\nend\nmap 98 0\n...\nend\n",
                  6, 3, "wider than 100"},
        BadSource{"coordinate out of range", "level-source 1\nat 100 0 texture 1\n", 2, 4,
                  "coordinate"},
        BadSource{"unknown statement", "level-source 1\nmapp\n", 2, 1, "unknown statement 'mapp'"},
        BadSource{"missing include", "level-source 1\ninclude \"nope.lvh\"\n", 2, 9,
                  "cannot read included file 'dir/nope.lvh'"},
        BadSource{"unclosed string", "level-source 1\nname \"abc\n", 2, 6, "closing"},
        BadSource{"bad character literal", "level-source 1\nlegend\n  'ab' texture 1\nend\n", 3, 3,
                  "one printable character"},
        BadSource{"role unknown", "level-source 1\nrole deathmatch\n", 2, 6, "expected a role"},
        BadSource{"const shadowing a name", "level-source 1\nconst cd 3\n", 2, 7,
                  "already a name"}),
    [](const ::testing::TestParamInfo<BadSource>& info) { return std::to_string(info.index); });

TEST(LevelSource, MapTallerThanTheLevel) {
  std::string text = kHead;
  text += "map 0 98\n..\n..\n..\nend\n";
  ParseResult r = Parse(text);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.errors.front().where.line, 8);
  EXPECT_NE(r.errors.front().message.find("taller"), std::string::npos);
}

TEST(LevelSource, IncludedFilesHoldOnlyDefinitions) {
  Files files;
  files.text["dir/bad.lvh"] = "legend\n  '.' texture 1\nend\nmap\n.\nend\n";
  ParseResult r = Parse("level-source 1\ninclude \"bad.lvh\"\n", files);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.errors.front().where.file, "dir/bad.lvh");
  EXPECT_EQ(r.errors.front().where.line, 4);
  EXPECT_NE(r.errors.front().message.find("not allowed in an included file"), std::string::npos);
}

TEST(LevelSource, IncludeCyclesStop) {
  Files files;
  files.text["dir/a.lvh"] = "include \"a.lvh\"\n";
  ParseResult r = Parse("level-source 1\ninclude \"a.lvh\"\n", files);
  ASSERT_FALSE(r.ok());
  EXPECT_NE(Errors(r).find("nest deeper"), std::string::npos);
}

TEST(LevelSource, ErrorsStopAfterALimit) {
  std::string text = kHead;
  text += "map\n";
  for (int i = 0; i < 50; ++i) text += "#\n";
  text += "end\n";
  for (int i = 0; i < 50; ++i) text += "at 1 1 texture 999\n";
  ParseResult r = Parse(text);
  EXPECT_EQ(static_cast<int>(r.errors.size()), kMaxErrors);
}

TEST(LevelSource, RecognisesSources) {
  EXPECT_TRUE(LooksLikeSource("# comment\n\n  level-source 1\n"));
  EXPECT_FALSE(LooksLikeSource("legend\n"));
  EXPECT_FALSE(LooksLikeSource(std::string(60000, '\0')));
  EXPECT_FALSE(LooksLikeSource(""));
}

}  // namespace
}  // namespace bv::level

namespace bv::level {
namespace {

// Damaged sources (bytes changed, lines dropped or repeated, random text)
// give errors or a level, never a crash; a level that comes out checks and
// round-trips like any other.
TEST(LevelSource, DamagedSourcesNeverCrash) {
  const std::string base =
      "level-source 1\n"
      "name \"x\"\n"
      "role arena\n"
      "const W 20\n"
      "legend\n"
      "  '#' texture W object solid\n"
      "  '.' texture 1 tint 808080\n"
      "  'C' like '.' object cd\n"
      "  '1' like '.' entity start1\n"
      "  '>' like '.' object push_right\n"
      "end\n"
      "pad '#'\n"
      "map 3 4\n"
      "#######\n"
      "#1.>.C#   # row\n"
      "#######\n"
      "end\n"
      "at 9 9 texture 5 object 40 entity 2\n";
  std::mt19937 rng(99);
  for (int round = 0; round < 3000; ++round) {
    std::string text = base;
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) {
      const size_t at = rng() % text.size();
      switch (rng() % 4) {
        case 0:
          text[at] = static_cast<char>(rng() % 256);
          break;
        case 1:
          text.erase(at, 1 + rng() % 12);
          break;
        case 2:
          text.insert(at, text.substr(rng() % text.size(), 1 + rng() % 20));
          break;
        default:
          text.insert(at, 1, "'#\"\n \t=end"[rng() % 11]);
          break;
      }
      if (text.empty()) text = "x";
    }
    ParseResult r = ParseSourceText(text, "damaged.lvl");
    if (!r.ok()) {
      EXPECT_LE(static_cast<int>(r.errors.size()), kMaxErrors);
      continue;
    }
    CheckReport report = CheckLevel(r.source.image, r.source.role.value_or(Role::kCustom));
    (void)FormatReport(report, "damaged.lvl");
    ParseResult back = ParseSourceText(Decompile(r.source.image, "damaged"), "back.lvl");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.source.image.ToBytes(), r.source.image.ToBytes());
  }
  std::string noise(5000, '\0');
  for (char& c : noise) c = static_cast<char>(rng() % 256);
  EXPECT_FALSE(ParseSourceText(noise, "noise.lvl").ok());
}

}  // namespace
}  // namespace bv::level

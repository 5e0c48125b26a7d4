// brimvale-level as a program: its commands, messages and exit codes.

#include <gtest/gtest.h>


#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

class LevelCli : public ::testing::Test {
 protected:
  Result Run(const std::string& args) {
    bv::test::ToolResult t = bv::test::RunTool(std::string(BV_BUILD_DIR) + "/brimvale-level", args);
    return {t.exit_code, t.out, t.err};
  }
  static std::string Read(const std::string& path) { return bv::test::ReadWholeFile(path); }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = dir.File(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  bv::test::TempDir dir;
};

const char kGood[] =
    "level-source 1\n"
    "role campaign\n"
    "legend\n"
    "  '#' texture 20 object solid\n"
    "  '.' texture 1\n"
    "  'C' like '.' object cd\n"
    "  '1' like '.' entity start1\n"
    "  '2' like '.' entity start2\n"
    "end\n"
    "map\n"
    "######\n"
    "#12.C#\n"
    "######\n"
    "end\n";

TEST_F(LevelCli, CompileDecompileCheck) {
  const std::string src = Write("a.lvl", kGood);
  const std::string dmp = dir.File("a.dmp");
  Result c = Run("compile " + src + " " + dmp);
  EXPECT_EQ(c.status, 0) << c.err;
  EXPECT_EQ(std::filesystem::file_size(dmp), 60000u);

  Result d = Run("decompile " + dmp + " " + dir.File("b.lvl"));
  EXPECT_EQ(d.status, 0) << d.err;
  Result again = Run("compile " + dir.File("b.lvl") + " " + dir.File("b.dmp"));
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(Read(dmp), Read(dir.File("b.dmp")));

  Result s = Run("check " + src);
  EXPECT_EQ(s.status, 0) << s.err;
  EXPECT_NE(s.out.find("result: winnable"), std::string::npos) << s.out;
  Result f = Run("check " + dmp);
  EXPECT_EQ(f.status, 0) << f.err;
  Result q = Run("check --quiet " + src);
  EXPECT_EQ(q.status, 0);
  EXPECT_EQ(q.out, "");
  // The same file as a menu lacks its pads: a problem, reported on stderr.
  Result menu = Run("check --role menu " + dmp);
  EXPECT_EQ(menu.status, 1);
  EXPECT_NE(menu.err.find("no menu_one cell"), std::string::npos) << menu.err;
}

TEST_F(LevelCli, ErrorsNameFileLineAndColumn) {
  std::string bad = kGood;
  bad.replace(bad.find("#12.C#"), 6, "#12.Q#");
  const std::string src = Write("bad.lvl", bad);
  Result c = Run("compile " + src + " " + dir.File("bad.dmp"));
  EXPECT_EQ(c.status, 1);
  EXPECT_NE(c.err.find(src + ":12:5: error: 'Q' is not in the legend"), std::string::npos) << c.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("bad.dmp")));
  Result k = Run("check " + src);
  EXPECT_EQ(k.status, 2);
}

TEST_F(LevelCli, BadArgumentsAndFiles) {
  EXPECT_EQ(Run("").status, 2);
  EXPECT_EQ(Run("frobnicate a b").status, 2);
  EXPECT_EQ(Run("check --role boss " + Write("x.lvl", kGood)).status, 2);
  EXPECT_EQ(Run("check " + dir.File("missing.lvl")).status, 2);
  Result size = Run("check " + Write("short.dmp", std::string(100, '\0')));
  EXPECT_EQ(size.status, 2);
  EXPECT_NE(size.err.find("60000"), std::string::npos) << size.err;
  EXPECT_EQ(Run("decompile " + dir.File("short.dmp") + " " + dir.File("o.lvl")).status, 2);
}

}  // namespace

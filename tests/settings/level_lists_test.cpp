#include "settings/level_lists.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "support/temp_dir.h"

namespace bv::settings {
namespace {

using Names = std::vector<std::string>;

void Touch(const std::string& path) {
  std::ofstream(path) << "x";
}

TEST(LevelLists, MissingFoldersGiveEmptyLists) {
  test::TempDir dir;
  EXPECT_TRUE(ListCampaigns(game::PlacesOfProgram(dir.path())).empty());
  EXPECT_TRUE(ListCustomLevels(game::PlacesOfProgram(dir.path())).empty());
  dir.MakeDir("data/levels/campaign");
  dir.MakeDir("data/levels/custom");
  EXPECT_TRUE(ListCampaigns(game::PlacesOfProgram(dir.path())).empty());
  EXPECT_TRUE(ListCustomLevels(game::PlacesOfProgram(dir.path())).empty());
}

TEST(LevelLists, CampaignsAreTheFoldersOnlySortedByName) {
  test::TempDir dir;
  // Created out of order; files and level files beside them are skipped.
  for (const char* d : {"Zima", "beta", ".hidden", "alpha", "10", "2"}) {
    dir.MakeDir(std::string("data/levels/campaign/") + d);
  }
  Touch(dir.File("data/levels/campaign/0.dmp"));
  Touch(dir.File("data/levels/campaign/notes.txt"));
  EXPECT_EQ(ListCampaigns(game::PlacesOfProgram(dir.path())),
            (Names{".hidden", "10", "2", "alpha", "beta", "Zima"}));
}

TEST(LevelLists, CampaignFoldersReachedThroughALinkCount) {
  test::TempDir dir;
  const std::string real = dir.MakeDir("elsewhere/story");
  dir.MakeDir("data/levels/campaign");
  ASSERT_EQ(::symlink(real.c_str(), dir.File("data/levels/campaign/story").c_str()), 0);
  EXPECT_EQ(ListCampaigns(game::PlacesOfProgram(dir.path())), (Names{"story"}));
}

TEST(LevelLists, CustomLevelsLoseTheirExtension) {
  test::TempDir dir;
  for (const char* f :
       {"zoo.dmp", "arena.dmp", "Big map.dmp", "readme.txt", "old.dmp.bak", "upper.DMP", ".dmp"}) {
    Touch(dir.File(std::string("data/levels/custom/") + f));
  }
  // Kept: a folder whose name matches the pattern is listed too.
  dir.MakeDir("data/levels/custom/folder.dmp");
  EXPECT_EQ(ListCustomLevels(game::PlacesOfProgram(dir.path())),
            (Names{"", "arena", "Big map", "folder", "zoo"}));
}

TEST(LevelLists, DisplayNames) {
  struct Case {
    std::string name;
    std::string shown;
  } cases[] = {
      {"arena", "arena"},
      {"\xC5\x82\xC4\x85ka", "\xC5\x82\xC4\x85ka"},  // "łąka" in UTF-8 stays
      {"\xB3\xB9ka", "\xC5\x82\xC4\x85ka"},          // "łąka" in Windows-1250 is converted
      {"a\xC5", "a\xC4\xB9"},                        // a cut-off sequence is not UTF-8
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},      // four-byte UTF-8
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LevelDisplayName(c.name), c.shown) << c.name;
}

TEST(LevelLists, NameOrder) {
  struct Case {
    const char* a;
    const char* b;
    bool less;
  } cases[] = {{"a", "b", true},  {"B", "a", false},  {"a", "B", true},
               {"A", "a", true},  {"a", "A", false},  {"a", "a", false},
               {"a", "ab", true}, {"ab", "a", false}, {"10", "2", true}};
  for (const Case& c : cases) EXPECT_EQ(LevelNameLess(c.a, c.b), c.less) << c.a << " " << c.b;
}

}  // namespace
}  // namespace bv::settings

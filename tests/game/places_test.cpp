#include "game/places.h"

#include <gtest/gtest.h>

#include <fstream>

#include "game/paths.h"
#include "support/temp_dir.h"

namespace bv::game {
namespace {

TEST(FindPlaces, AProgramBesideItsDataKeepsEverythingBesideIt) {
  test::TempDir dir;
  dir.MakeDir("data");
  const PlacesEnvironment env{"/home/ola", "/home/ola/cfg", "/home/ola/dat"};
  for (const std::string& program : {dir.path(), dir.path() + "/"}) {
    const Places p = FindPlaces(program, env);
    EXPECT_EQ(p.data_root, dir.path());
    EXPECT_EQ(p.settings_dir, dir.path());
    EXPECT_EQ(p.replays_dir, dir.path() + "/replays");
    EXPECT_EQ(p.user_levels_dir, "");
  }
}

TEST(FindPlaces, AnInstalledProgramReadsThePrefixAndWritesTheHome) {
  test::TempDir dir;
  const std::string bin = dir.MakeDir("opt/bv/bin");
  dir.MakeDir("opt/bv/share/brimvale/data");
  // A data file beside the program is not a data folder.
  std::ofstream(bin + "/data") << "x";
  struct Case {
    PlacesEnvironment env;
    std::string config, data;
  } cases[] = {
      {{"/home/ola", "", ""}, "/home/ola/.config", "/home/ola/.local/share"},
      {{"/home/ola/", "/x/cfg/", "/x/dat"}, "/x/cfg", "/x/dat"},
      // Relative XDG values are not to be used.
      {{"/home/ola", "cfg", "dat"}, "/home/ola/.config", "/home/ola/.local/share"},
  };
  for (const Case& c : cases) {
    const Places p = FindPlaces(bin, c.env);
    EXPECT_EQ(p.data_root, dir.path() + "/opt/bv/share/brimvale");
    EXPECT_EQ(p.settings_dir, c.config + "/brimvale");
    EXPECT_EQ(p.replays_dir, c.data + "/brimvale/replays");
    EXPECT_EQ(p.user_levels_dir, c.data + "/brimvale/levels/custom");
  }
  // A program reached through "..": the prefix is the folder above it.
  EXPECT_EQ(FindPlaces(dir.path() + "/opt/bv/share/../bin", cases[0].env).data_root,
            dir.path() + "/opt/bv/share/brimvale");
}

TEST(DataPaths, WindowsNamesBecomeTheDisksUtf8) {
  struct Case {
    std::string relative, path;
  } cases[] = {
      {"\\data\\font.fnt", "/r/data/font.fnt"},
      // "Łąka" and "żółw" in Windows-1250.
      {"\\data\\levels\\campaign\\\xA3\xB9ka\\1.dmp", "/r/data/levels/campaign/\xC5\x81\xC4\x85ka/1.dmp"},
      {"\\data\\levels\\custom\\\xBF\xF3\xB3w.dmp", "/r/data/levels/custom/\xC5\xBC\xC3\xB3\xC5\x82w.dmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(DataPath("/r", c.relative), c.path) << c.relative;
}

TEST(DataPaths, CustomLevelsAreLookedForInThePlayersFolderToo) {
  Places p{"/r", "/s", "/s/replays", "/u/levels"};
  using Paths = std::vector<std::string>;
  EXPECT_EQ(DataPathCandidates(p, "\\data\\levels\\custom\\arena.dmp"),
            (Paths{"/r/data/levels/custom/arena.dmp", "/u/levels/arena.dmp"}));
  // Files copied with Windows-1250 names are found as they stand, after the UTF-8 name.
  EXPECT_EQ(DataPathCandidates(p, "\\data\\levels\\custom\\\xB3\xB9ka.dmp"),
            (Paths{"/r/data/levels/custom/\xC5\x82\xC4\x85ka.dmp",
                   "/r/data/levels/custom/\xB3\xB9ka.dmp", "/u/levels/\xC5\x82\xC4\x85ka.dmp",
                   "/u/levels/\xB3\xB9ka.dmp"}));
  // Campaigns and other data only under the data root; nor without a player's folder.
  EXPECT_EQ(DataPathCandidates(p, "\\data\\levels\\campaign\\K\\1.dmp"),
            (Paths{"/r/data/levels/campaign/K/1.dmp"}));
  EXPECT_EQ(DataPathCandidates(p, "\\data\\levels\\customs\\a.dmp"),
            (Paths{"/r/data/levels/customs/a.dmp"}));
  p.user_levels_dir.clear();
  EXPECT_EQ(DataPathCandidates(p, "\\data\\levels\\custom\\arena.dmp"),
            (Paths{"/r/data/levels/custom/arena.dmp"}));
}

TEST(DataPaths, NamesOnDiskAsTheGameHoldsThem) {
  struct Case {
    std::string file_name;
    std::optional<std::string> name;
  } cases[] = {
      {"arena", "arena"},
      {"\xC5\x82\xC4\x85ka", "\xB3\xB9ka"},  // "łąka" in UTF-8
      {"\xB3\xB9ka", "\xB3\xB9ka"},          // already Windows-1250: not UTF-8
      {"\xF0\x9F\x98\x80", std::nullopt},    // no Windows-1250 byte for it
      {"a?b", "a?b"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(GameName(c.file_name), c.name) << c.file_name;
}

}  // namespace
}  // namespace bv::game

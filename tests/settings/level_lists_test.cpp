#include "settings/level_lists.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "game/level_setup.h"
#include "game/level_store.h"
#include "game/places.h"
#include "game/world.h"
#include "settings/live_options.h"
#include "support/level_builder.h"
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

TEST(LevelLists, EntriesAreWindows1250AndShownInUtf8) {
  test::TempDir dir;
  // "Łąka" and "żółw" as the disk spells them; an old copy's Windows-1250
  // name ("łza"); a name no Windows-1250 byte can write.
  dir.MakeDir("data/levels/campaign/\xC5\x81\xC4\x85ka");
  Touch(dir.File("data/levels/custom/\xC5\xBC\xC3\xB3\xC5\x82w.dmp"));
  Touch(dir.File("data/levels/custom/\xB3za.dmp"));
  Touch(dir.File("data/levels/custom/\xF0\x9F\x98\x80.dmp"));
  const game::Places places = game::PlacesOfProgram(dir.path());
  EXPECT_EQ(ListCampaigns(places), (Names{"\xA3\xB9ka"}));
  EXPECT_EQ(ListCustomLevels(places), (Names{"\xB3za", "\xBF\xF3\xB3w"}));
  EXPECT_EQ(LevelDisplayName("\xA3\xB9ka"), "\xC5\x81\xC4\x85ka");
  EXPECT_EQ(LevelDisplayName("arena"), "arena");
}

TEST(LevelLists, ThePlayersOwnCustomLevelsJoinTheShippedOnes) {
  test::TempDir dir;
  game::Places places = game::PlacesOfProgram(dir.path() + "/share");
  places.user_levels_dir = dir.path() + "/home/levels";
  Touch(dir.File("share/data/levels/custom/arena.dmp"));
  Touch(dir.File("share/data/levels/custom/zoo.dmp"));
  Touch(dir.File("home/levels/arena.dmp"));
  Touch(dir.File("home/levels/Moja.dmp"));
  Touch(dir.File("home/levels/notes.txt"));
  EXPECT_EQ(ListCustomLevels(places), (Names{"arena", "Moja", "zoo"}));
  // Campaigns come from the data folder only.
  dir.MakeDir("home/levels/K");
  EXPECT_TRUE(ListCampaigns(places).empty());
  // No player's folder yet: the shipped levels.
  places.user_levels_dir = dir.path() + "/home/none";
  EXPECT_EQ(ListCustomLevels(places), (Names{"arena", "zoo"}));
}

// An installed game: a campaign with Polish letters in the shared data, a
// custom level of the player's own likewise; the lists show them and the
// level setup loads the entry chosen, through the same places.
TEST(LevelLists, AnInstalledGamesPolishLevelsAreListedAndLoad) {
  test::TempDir dir;
  dir.MakeDir("usr/bin");
  game::PlacesEnvironment env;
  env.home = dir.path() + "/home";
  const game::Places places = game::FindPlaces(dir.path() + "/usr/bin", env);
  test::LevelBuilder campaign, own;
  campaign.Texture(7, 5, 11);
  own.Texture(7, 5, 22);
  // "Łąka" and "żółw" as the disk spells them.
  campaign.Write(dir.File("usr/share/brimvale/data/levels/campaign/\xC5\x81\xC4\x85ka/1.dmp"));
  own.Write(dir.File("home/.local/share/brimvale/levels/custom/\xC5\xBC\xC3\xB3\xC5\x82w.dmp"));

  LiveOptions live;
  game::FileLevelStore store(places);
  auto world = std::make_unique<game::World>();
  live.set_level_source(LevelSource::kCampaign);
  live.set_level_list(ListCampaigns(places));
  ASSERT_EQ(live.level_list(), (Names{"\xA3\xB9ka"}));
  live.set_selected(0);
  ASSERT_EQ(game::SetupLevel(*world, live, store, 1, 0).status, game::SetupStatus::kLoaded);
  EXPECT_EQ(world->grid[7][5].texture, 11);

  live.set_level_source(LevelSource::kCustom);
  live.set_level_list(ListCustomLevels(places));
  ASSERT_EQ(live.level_list(), (Names{"\xBF\xF3\xB3w"}));
  live.set_selected(0);
  ASSERT_EQ(game::SetupLevel(*world, live, store, 1, 0).status, game::SetupStatus::kLoaded);
  EXPECT_EQ(world->grid[7][5].texture, 22);
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

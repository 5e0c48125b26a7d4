#include "game/level_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "game/level_setup.h"
#include "game/paths.h"
#include "settings/live_options.h"
#include "support/level_builder.h"
#include "support/temp_dir.h"

namespace bv::game {
namespace {

TEST(FileLevelStore, ReadsAtMostALevelFromUnderItsRoot) {
  test::TempDir dir;
  FileLevelStore store(dir.path());
  test::LevelBuilder level;
  level.Texture(7, 5, 42);
  level.Write(dir.File("data/levels/campaign/0.dmp"));
  level.Write(dir.File("data/levels/custom/short.dmp"), 601);
  std::vector<uint8_t> longer = level.File();
  longer.resize(kLevelFileSize + 100, 9);
  std::ofstream(dir.File("data/levels/custom/long.dmp"), std::ios::binary)
      .write(reinterpret_cast<const char*>(longer.data()),
             static_cast<std::streamsize>(longer.size()));

  auto menu = store.Read(MenuLevelPath());
  ASSERT_TRUE(menu);
  EXPECT_EQ(*menu, level.File());
  auto short_file = store.Read(CustomLevelPath("short"));
  ASSERT_TRUE(short_file);
  EXPECT_EQ(short_file->size(), 601u);
  auto long_file = store.Read(CustomLevelPath("long"));
  ASSERT_TRUE(long_file);
  EXPECT_EQ(*long_file, level.File());

  EXPECT_TRUE(store.Exists(MenuLevelPath()));
  EXPECT_FALSE(store.Exists(CustomLevelPath("missing")));
  EXPECT_FALSE(store.Read(CustomLevelPath("missing")));
  // A folder where a file should be is neither a level nor an existing file.
  dir.MakeDir("data/levels/custom/folder.dmp");
  EXPECT_FALSE(store.Exists(CustomLevelPath("folder")));
  EXPECT_FALSE(store.Read(CustomLevelPath("folder")));
}

// The setup keeps a short level, but the player is told which file it was.
TEST(FileLevelStore, AShortFileSaysSoOnceOnStandardError) {
  test::TempDir dir;
  FileLevelStore store(dir.path());
  test::LevelBuilder level;
  level.Write(dir.File("data/levels/custom/short.dmp"), 601);
  level.Write(dir.File("data/levels/custom/whole.dmp"));
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(store.Read(CustomLevelPath("short")).has_value());
  ASSERT_TRUE(store.Read(CustomLevelPath("whole")).has_value());
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("short.dmp is 601 bytes"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST(FileLevelStore, AFolderInPlaceOfALevelFileIsASetupError) {
  test::TempDir dir;
  FileLevelStore store(dir.path());
  test::LevelBuilder().Write(dir.File("data/levels/campaign/0.dmp"));
  auto world = std::make_unique<World>();
  SetStartValues(*world);
  settings::LiveOptions options;
  options.set_level_source(settings::LevelSource::kCampaign);
  options.set_level_list({"Kampania"});
  ASSERT_EQ(SetupLevel(*world, options, store, 0, 0).status, SetupStatus::kLoaded);
  // Not an empty level: the world keeps the one it has.
  std::filesystem::create_directories(dir.path() + "/data/levels/campaign/Kampania/6.dmp");
  EXPECT_EQ(SetupLevel(*world, options, store, 6, 0).status, SetupStatus::kFileError);
}

TEST(FileLevelStore, FindsThePlayersOwnCustomLevelsAndPolishNames) {
  test::TempDir dir;
  Places places = PlacesOfProgram(dir.path() + "/share");
  places.user_levels_dir = dir.path() + "/home/levels";
  FileLevelStore store(places);
  test::LevelBuilder shipped, own;
  shipped.Texture(7, 5, 1);
  own.Texture(7, 5, 2);
  shipped.Write(dir.File("share/data/levels/custom/arena.dmp"));
  own.Write(dir.File("home/levels/arena.dmp"));
  own.Write(dir.File("home/levels/\xC5\xBC\xC3\xB3\xC5\x82w.dmp"));  // "żółw.dmp"
  shipped.Write(dir.File("share/data/levels/campaign/\xC5\x81\xC4\x85ka/1.dmp"));

  // A name in both folders: the shipped level.
  EXPECT_EQ(store.Read(CustomLevelPath("arena")), shipped.File());
  EXPECT_EQ(store.Read(CustomLevelPath("\xBF\xF3\xB3w")), own.File());
  EXPECT_TRUE(store.Exists(CustomLevelPath("\xBF\xF3\xB3w")));
  EXPECT_TRUE(store.Exists(CampaignLevelPath("\xA3\xB9ka", 1)));
  EXPECT_EQ(store.Read(CampaignLevelPath("\xA3\xB9ka", 1)), shipped.File());
  EXPECT_FALSE(store.Read(CustomLevelPath("missing")));
  // The player's folder holds custom levels only.
  own.Write(dir.File("home/levels/K/1.dmp"));
  EXPECT_FALSE(store.Exists(CampaignLevelPath("K", 1)));
}

TEST(MemoryLevelStore, HandsOutWhatItHoldsUpToALevel) {
  MemoryLevelStore store;
  EXPECT_FALSE(store.Exists(MenuLevelPath()));
  EXPECT_FALSE(store.Read(MenuLevelPath()));
  store.Put(MenuLevelPath(), std::vector<uint8_t>(kLevelFileSize + 5, 3));
  store.Put(CustomLevelPath("empty"), {});
  EXPECT_TRUE(store.Exists(MenuLevelPath()));
  EXPECT_EQ(store.Read(MenuLevelPath())->size(), static_cast<size_t>(kLevelFileSize));
  EXPECT_TRUE(store.Read(CustomLevelPath("empty"))->empty());
  store.Remove(MenuLevelPath());
  EXPECT_FALSE(store.Exists(MenuLevelPath()));
}

}  // namespace
}  // namespace bv::game

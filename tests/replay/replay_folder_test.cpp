// The game's replay folder: one file per run, named by its start, the last
// twenty kept, the player's own files never touched.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "replay/replay_folder.h"
#include "support/temp_dir.h"

namespace bv::replay {
namespace {

namespace fs = std::filesystem;

TEST(ReplayFolder, RunNamesSortByTheirStart) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 2;
  t.tm_mday = 1;
  t.tm_hour = 18;
  t.tm_min = 4;
  t.tm_sec = 9;
  EXPECT_EQ(RunFileName(t), "2026-03-01_18-04-09.bvr");
  EXPECT_EQ(RunFileName(t, 3), "2026-03-01_18-04-09-3.bvr");
  struct Case {
    const char* name;
    bool run;
  } cases[] = {
      {"2026-03-01_18-04-09.bvr", true},   {"2026-03-01_18-04-09-12.bvr", true},
      {"2026-03-01_18-04-09.BVR", false},  {"best-game.bvr", false},
      {"2026-03-01_18-04-09-.bvr", false}, {"2026-03-01 18-04-09.bvr", false},
      {"2026-03-01_18-04-09x.bvr", false}, {".bvr", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsRunFileName(c.name), c.run) << c.name;
}

TEST(ReplayFolder, TheNewestTwentyRunsStayAndOtherFilesAreLeftAlone) {
  test::TempDir dir;
  const std::string folder = dir.MakeDir("replays");
  std::vector<std::string> names;
  for (int i = 0; i < 25; ++i) {
    std::tm t{};
    t.tm_year = 125;
    t.tm_mday = 1 + i % 3;
    t.tm_hour = i;
    names.push_back(RunFileName(t, 1 + i % 2));
  }
  names.push_back("2025-01-09_00-00-00-10.bvr");  // after "-9" of the same second
  names.push_back("2025-01-09_00-00-00-9.bvr");
  for (const std::string& n : names) std::ofstream(fs::path(folder) / n) << "x";
  std::ofstream(fs::path(folder) / "keeper.bvr") << "x";
  std::ofstream(fs::path(folder) / "notes.txt") << "x";

  const std::vector<std::string> removed = PruneRuns(folder);
  EXPECT_EQ(removed.size(), 7u);
  int left = 0;
  for (const auto& e : fs::directory_iterator(folder))
    left += IsRunFileName(e.path().filename().string());
  EXPECT_EQ(left, 20);
  EXPECT_TRUE(fs::exists(fs::path(folder) / "keeper.bvr"));
  EXPECT_TRUE(fs::exists(fs::path(folder) / "notes.txt"));
  EXPECT_TRUE(fs::exists(fs::path(folder) / "2025-01-09_00-00-00-10.bvr"));
  // The oldest went: day 1, hour 0.
  EXPECT_FALSE(fs::exists(fs::path(folder) / names[0]));
}

TEST(ReplayFolder, TwoRunsInOneSecondGetTwoFiles) {
  test::TempDir dir;
  const std::string folder = (fs::path(dir.path()) / "a" / "replays").string();
  FileSink first, second;
  std::string error;
  ASSERT_TRUE(CreateRunFile(folder, 1767225600, first, &error)) << error;
  ASSERT_TRUE(CreateRunFile(folder, 1767225600, second, &error)) << error;
  EXPECT_NE(first.path(), second.path());
  EXPECT_TRUE(IsRunFileName(fs::path(second.path()).filename().string()));
  const uint8_t bytes[] = {1, 2, 3};
  ASSERT_TRUE(first.Append(bytes, 3, &error));
  EXPECT_EQ(fs::file_size(first.path()), 3u);  // on disk at once, before any close
}

TEST(ReplayFolder, AFolderThatCannotBeMadeIsReported) {
  test::TempDir dir;
  std::ofstream(fs::path(dir.path()) / "file") << "x";
  FileSink sink;
  std::string error;
  EXPECT_FALSE(
      CreateRunFile((fs::path(dir.path()) / "file" / "replays").string(), 0, sink, &error));
  EXPECT_NE(error.find("replays"), std::string::npos) << error;
}

}  // namespace
}  // namespace bv::replay

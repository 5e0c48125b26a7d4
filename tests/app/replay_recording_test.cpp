// The program's own recording: a file per run in the replays folder,
// complete up to its last second when the program never gets to finish it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/replay_recording.h"
#include "game/key_source.h"
#include "game/world.h"
#include "replay/reader.h"
#include "replay/replay_folder.h"
#include "settings/live_options.h"
#include "sim/play_clock.h"
#include "support/temp_dir.h"

namespace bv::app {
namespace {

namespace fs = std::filesystem;

// Passes of one step each, the play clock and the intro's counter moving.
void Play(ReplayRecording& rec, game::World& w, int steps) {
  game::KeyTable keys;
  for (int i = 0; i < steps; ++i) {
    rec.RealTime(1.0);
    sim::AdvancePlayClock(w, 1.0);
    game::KeySource& read = rec.BeforeStep(keys);
    read.Update();
    ++w.transition;
    rec.AfterStep();
  }
}

TEST(ReplayRecording, ARunIsOneFileThatEndsWithItsRecord) {
  test::TempDir dir;
  const std::string folder = dir.path() + "/replays";
  auto w = std::make_unique<game::World>();
  game::SetStartValues(*w);
  settings::LiveOptions live;
  std::string path;
  {
    ReplayRecording rec(*w, live);
    std::string error;
    ASSERT_TRUE(rec.Start(folder, 1234, &error)) << error;
    EXPECT_TRUE(rec.recording());
    path = rec.path();
    Play(rec, *w, 200);
    rec.Finish();
    rec.Finish();  // once only
  }
  EXPECT_TRUE(replay::IsRunFileName(fs::path(path).filename().string()));
  const replay::ReplayFile file = replay::ReplayFile::Load(path);
  EXPECT_TRUE(file.finished());
  EXPECT_EQ(file.steps(), 200u);
  EXPECT_EQ(file.header().seed, 1234u);
  EXPECT_EQ(file.header().recorder, "brimvale");
}

TEST(ReplayRecording, AKilledRunKeepsEverySecondButTheLast) {
  test::TempDir dir;
  auto w = std::make_unique<game::World>();
  game::SetStartValues(*w);
  settings::LiveOptions live;
  auto rec = std::make_unique<ReplayRecording>(*w, live);
  ASSERT_TRUE(rec->Start(dir.path(), 1, nullptr));
  Play(*rec, *w, 90 * 3 + 40);
  // The file as a kill would leave it: read before the recording ends.
  const replay::ReplayFile file = replay::ReplayFile::Load(rec->path());
  EXPECT_FALSE(file.finished());
  EXPECT_EQ(file.steps(), 90u * 3);
}

TEST(ReplayRecording, AFolderThatCannotBeMadeLeavesTheRunUnrecorded) {
  test::TempDir dir;
  const std::string blocker = dir.path() + "/file";
  std::ofstream(blocker) << "x";
  auto w = std::make_unique<game::World>();
  settings::LiveOptions live;
  ReplayRecording rec(*w, live);
  std::string error;
  EXPECT_FALSE(rec.Start(blocker + "/replays", 1, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(rec.recording());
  // The tick hook passes the keys straight through.
  game::KeyTable keys;
  EXPECT_EQ(&rec.BeforeStep(keys), &keys);
  Play(rec, *w, 10);
  rec.Finish();
}

TEST(ReplayRecording, TheFolderKeepsTheNewestTwentyRuns) {
  test::TempDir dir;
  for (int i = 0; i < 25; ++i) {
    std::ofstream(dir.path() + "/2020-01-01_00-00-" + (i < 10 ? "0" : "") + std::to_string(i) +
                  ".bvr")
        << "old";
  }
  std::ofstream(dir.path() + "/mine.bvr") << "kept";
  auto w = std::make_unique<game::World>();
  settings::LiveOptions live;
  ReplayRecording rec(*w, live);
  ASSERT_TRUE(rec.Start(dir.path(), 1, nullptr));
  int runs = 0;
  for (const auto& e : fs::directory_iterator(dir.path())) {
    if (replay::IsRunFileName(e.path().filename().string())) ++runs;
  }
  EXPECT_EQ(runs, 20);
  EXPECT_TRUE(fs::exists(rec.path()));
  EXPECT_TRUE(fs::exists(dir.path() + "/mine.bvr"));
}

}  // namespace
}  // namespace bv::app

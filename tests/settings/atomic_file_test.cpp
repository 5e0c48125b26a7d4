#include "settings/atomic_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "settings/config_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace bv::settings {
namespace {

namespace fs = std::filesystem;

using test::Names;
using test::ReadFile;
using test::WriteFile;

std::vector<uint8_t> Pattern(std::size_t n, uint8_t seed) {
  std::vector<uint8_t> v(n);
  for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(seed + i * 7);
  return v;
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteFileAtomically(path, bytes.data(), bytes.size());
}

TEST(WriteFileAtomically, ReusesALeftTemporaryAndLeavesOnlyTheTarget) {
  test::TempDir dir;
  const std::string path = dir.File("brimvale.ini");
  EXPECT_EQ(TemporaryPathFor(path), path + ".tmp");
  WriteFile(TemporaryPathFor(path), Pattern(300, 4));  // longer than the new text
  ASSERT_TRUE(WriteFileAtomically(path, std::string("[window]\nscale=2\n")));
  const std::vector<uint8_t> back = ReadFile(path);
  EXPECT_EQ(std::string(back.begin(), back.end()), "[window]\nscale=2\n");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"brimvale.ini"});
}

TEST(WriteFileAtomically, RefusesALinkInThePlaceOfItsTemporary) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  const std::string victim = dir.File("victim");
  WriteFile(victim, Pattern(5, 1));
  fs::create_symlink(victim, TemporaryPathFor(path));
  EXPECT_FALSE(Save(path, Pattern(44, 2)));
  EXPECT_EQ(ReadFile(victim), Pattern(5, 1));
  RemoveStaleTemporary(path);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"victim"});
  EXPECT_TRUE(Save(path, Pattern(44, 2)));
}

TEST(RemoveStaleTemporary, RemovesLeftoversButNotASaveInProgress) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  WriteFile(path, Pattern(44, 1));
  WriteFile(TemporaryPathFor(path), Pattern(20, 2));
  // An older build's per-process names: one of a process long gone, one of
  // a live process (this one), and names that only look alike.
  WriteFile(path + ".tmp999999999-3", Pattern(44, 3));
  const std::string live = path + ".tmp" + std::to_string(::getpid()) + "-0";
  WriteFile(live, Pattern(44, 4));
  WriteFile(path + ".tmpx-1", Pattern(1, 5));
  WriteFile(dir.File("other.dat.tmp999999999-3"), Pattern(1, 6));
  RemoveStaleTemporary(path);
  EXPECT_EQ(Names(dir.path()),
            (std::vector<std::string>{"config.dat", fs::path(live).filename().string(),
                                      "config.dat.tmpx-1", "other.dat.tmp999999999-3"}));
  EXPECT_EQ(ReadFile(path), Pattern(44, 1));

  // A temporary whose lock is held belongs to a save running now.
  const int fd = ::open(TemporaryPathFor(path).c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  RemoveStaleTemporary(path);
  EXPECT_TRUE(fs::exists(TemporaryPathFor(path)));
  ::close(fd);
  RemoveStaleTemporary(path);
  EXPECT_FALSE(fs::exists(TemporaryPathFor(path)));
}

// Two programs saving the same file at once (the game and the options
// tool) take turns: the file is always one of the two, whole.
TEST(WriteFileAtomically, ConcurrentSaversTakeTurns) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  const std::vector<uint8_t> a = Pattern(44, 1);
  const std::vector<uint8_t> b = Pattern(44, 2);
  ASSERT_TRUE(Save(path, a));
  std::vector<pid_t> children;
  for (const auto* bytes : {&a, &b}) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      bool ok = true;
      for (int i = 0; i < 40; ++i) ok = Save(path, *bytes) && ok;
      ::_exit(ok ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (int i = 0; i < 200; ++i) {
    const std::vector<uint8_t> now = ReadFile(path);
    ASSERT_TRUE(now == a || now == b) << "read " << i << ": " << now.size() << " bytes";
  }
  for (pid_t pid : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"config.dat"});
}

// A saving process killed at random moments: every time config.dat is the
// old record or the new one, 44 bytes, and after the next start (the
// settings load) nothing else is left in the folder.
TEST(SaveConfigFile, KilledAtRandomMomentsLeavesOldOrNewAndNothingElse) {
  test::TempDir dir;
  const std::string path = ConfigPath(dir.path());
  ConfigBytes old_bytes{};
  ConfigBytes new_bytes{};
  for (std::size_t i = 0; i < old_bytes.size(); ++i) {
    old_bytes[i] = static_cast<uint8_t>(i + 1);
    new_bytes[i] = static_cast<uint8_t>(200 - i);
  }
  const std::vector<uint8_t> old_file(old_bytes.begin(), old_bytes.end());
  const std::vector<uint8_t> new_file(new_bytes.begin(), new_bytes.end());

  // How long one save takes here, so the kills spread over a whole save.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(SaveConfigFile(dir.path(), old_bytes));
  const auto one_save = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - start) / 5;
  const int64_t window = std::max<int64_t>(200, one_save.count() * 2 + 300);

  std::random_device seed_source;
  const unsigned seed = seed_source();
  std::mt19937 random(seed);
  std::uniform_int_distribution<int64_t> delay(0, window);
  int olds = 0;
  int news = 0;
  int leftovers = 0;
  constexpr int kKills = 240;
  for (int i = 0; i < kKills; ++i) {
    SCOPED_TRACE("kill " + std::to_string(i) + ", seed " + std::to_string(seed));
    ASSERT_TRUE(SaveConfigFile(dir.path(), old_bytes));
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      SaveConfigFile(dir.path(), new_bytes);
      ::_exit(0);
    }
    ::usleep(static_cast<useconds_t>(delay(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);

    const std::vector<uint8_t> now = ReadFile(path);
    ASSERT_EQ(now.size(), 44u);
    ASSERT_TRUE(now == old_file || now == new_file);
    (now == old_file ? olds : news) += 1;
    if (Names(dir.path()).size() > 1) ++leftovers;

    const ConfigLoad load = LoadConfigFile(dir.path());  // the next start
    ASSERT_EQ(load.status, ConfigLoadStatus::kLoaded);
    ASSERT_TRUE(load.bytes == old_bytes || load.bytes == new_bytes);
    ASSERT_EQ(Names(dir.path()), std::vector<std::string>{"config.dat"});
  }
  std::printf("%d kills: %d old, %d new, %d with a temporary until the next start\n", kKills,
              olds, news, leftovers);
}

}  // namespace
}  // namespace bv::settings

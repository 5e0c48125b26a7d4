#include "settings/block_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "settings/unprivileged.h"
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

TEST(LoadBlock, ReadsUpToTheCountAndLeavesTheRestOfTheBuffer) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  struct Case {
    std::size_t file_size;
    std::size_t copied;
  } cases[] = {{0, 0}, {10, 10}, {43, 43}, {44, 44}, {45, 44}, {1000, 44}};
  for (const Case& c : cases) {
    const std::vector<uint8_t> file = Pattern(c.file_size, 1);
    WriteFile(path, file);
    std::vector<uint8_t> buf(44, 0xEE);
    ASSERT_TRUE(LoadBlock(path, buf.data(), buf.size())) << c.file_size;
    for (std::size_t i = 0; i < buf.size(); ++i) {
      EXPECT_EQ(buf[i], i < c.copied ? file[i] : 0xEE) << c.file_size << " at " << i;
    }
  }
}

TEST(LoadBlock, FailsOnWhatIsNotAReadableFile) {
  test::TempDir dir;
  uint8_t buf[44] = {};
  EXPECT_FALSE(LoadBlock(dir.path() + "/missing.dat", buf, sizeof buf));
  EXPECT_FALSE(LoadBlock(dir.MakeDir("folder.dat"), buf, sizeof buf));
  // A pipe must neither hang nor count as a settings file.
  const std::string fifo = dir.path() + "/fifo.dat";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(LoadBlock(fifo, buf, sizeof buf));
}

TEST(LoadBlock, FailsOnAFileWithoutReadPermission) {
  test::TempDir dir;
  ::chmod(dir.path().c_str(), 0755);
  const std::string path = dir.File("config.dat");
  WriteFile(path, Pattern(44, 3));
  ::chmod(path.c_str(), 0);
  EXPECT_TRUE(test::AsUnprivileged([&] {
    uint8_t buf[44] = {};
    return !LoadBlock(path, buf, sizeof buf);
  }));
}

TEST(SaveBlock, WritesExactlyTheBytesAndLeavesNothingElse) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  WriteFile(path, Pattern(500, 9));  // a longer old file is replaced whole
  const std::vector<uint8_t> bytes = Pattern(44, 5);
  ASSERT_TRUE(SaveBlock(path, bytes.data(), bytes.size()));
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"config.dat"});

  const std::string fresh = dir.path() + "/new.dat";
  ASSERT_TRUE(SaveBlock(fresh, bytes.data(), bytes.size()));
  EXPECT_EQ(ReadFile(fresh), bytes);
}

TEST(SaveBlock, KeepsThePermissionsOfTheFileItReplaces) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  WriteFile(path, Pattern(44, 1));
  ::chmod(path.c_str(), 0640);
  const std::vector<uint8_t> bytes = Pattern(44, 2);
  ASSERT_TRUE(SaveBlock(path, bytes.data(), bytes.size()));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SaveBlock, FailsWithoutHarmWhereItCannotWrite) {
  test::TempDir dir;
  const std::vector<uint8_t> bytes = Pattern(44, 5);
  EXPECT_FALSE(SaveBlock(dir.path() + "/no/such/folder/config.dat", bytes.data(), bytes.size()));
  // A folder in the file's place stays a folder.
  const std::string folder = dir.MakeDir("config.dat");
  EXPECT_FALSE(SaveBlock(folder, bytes.data(), bytes.size()));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"config.dat"});
}

TEST(SaveBlock, FailsInAFolderWithoutWritePermissionAndKeepsTheOldFile) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  const std::vector<uint8_t> old = Pattern(44, 1);
  WriteFile(path, old);
  ::chmod(path.c_str(), 0666);  // the file itself would be writable
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_TRUE(test::AsUnprivileged([&] {
    const std::vector<uint8_t> bytes = Pattern(44, 2);
    return !SaveBlock(path, bytes.data(), bytes.size());
  }));
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"config.dat"});
}

// Simulated write failures: a full disk after a few bytes, and a process
// killed in the middle of its write.
ssize_t WriteThenDiskFull(int fd, const void* buf, std::size_t n) {
  static bool first = true;
  if (first) {
    first = false;
    return ::write(fd, buf, n < 10 ? n : 10);
  }
  first = true;
  errno = ENOSPC;
  return -1;
}

ssize_t WriteHalfThenDie(int fd, const void* buf, std::size_t n) {
  (void)::write(fd, buf, n / 2);
  ::kill(::getpid(), SIGKILL);
  return -1;
}

ssize_t WriteOneByte(int fd, const void* buf, std::size_t n) {
  return ::write(fd, buf, n ? 1 : 0);
}

TEST(SaveBlock, AFullDiskLeavesTheOldFileAndNoTemporary) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  const std::vector<uint8_t> old = Pattern(44, 1);
  WriteFile(path, old);
  const std::vector<uint8_t> bytes = Pattern(44, 2);
  EXPECT_FALSE(detail::SaveBlockWith(path, bytes.data(), bytes.size(), WriteThenDiskFull));
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"config.dat"});
}

TEST(SaveBlock, ShortWritesAreCarriedOn) {
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  const std::vector<uint8_t> bytes = Pattern(44, 2);
  EXPECT_TRUE(detail::SaveBlockWith(path, bytes.data(), bytes.size(), WriteOneByte));
  EXPECT_EQ(ReadFile(path), bytes);
}

TEST(SaveBlockDeathTest, ASaveKilledHalfwayLeavesTheOldFileWhole) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  test::TempDir dir;
  const std::string path = dir.File("config.dat");
  const std::vector<uint8_t> old = Pattern(44, 1);
  WriteFile(path, old);
  const std::vector<uint8_t> bytes = Pattern(44, 2);
  EXPECT_EXIT(detail::SaveBlockWith(path, bytes.data(), bytes.size(), WriteHalfThenDie),
              ::testing::KilledBySignal(SIGKILL), "");
  EXPECT_EQ(ReadFile(path), old);
  // The next save still works beside the half-written leftover.
  ASSERT_TRUE(SaveBlock(path, bytes.data(), bytes.size()));
  EXPECT_EQ(ReadFile(path), bytes);
}

}  // namespace
}  // namespace bv::settings

#include "settings/config_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "settings/polish.h"
#include "settings/unprivileged.h"
#include "support/temp_dir.h"

namespace bv::settings {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(ConfigFile, PathIsInTheProgramFolder) {
  EXPECT_EQ(ConfigPath("/opt/brimvale"), "/opt/brimvale/config.dat");
}

TEST(ConfigFile, NoFileAndAFolderMeanDefaults) {
  test::TempDir dir;
  EXPECT_EQ(LoadConfigFile(dir.path()).status, ConfigLoadStatus::kNoFile);
  dir.MakeDir("config.dat");
  EXPECT_EQ(LoadConfigFile(dir.path()).status, ConfigLoadStatus::kNoFile);
}

TEST(ConfigFile, ShortAndLongFilesLoad) {
  test::TempDir dir;
  WriteFile(dir.File("config.dat"), std::string("\x07\x08\x09", 3));
  ConfigLoad load = LoadConfigFile(dir.path());
  ASSERT_EQ(load.status, ConfigLoadStatus::kLoaded);
  EXPECT_EQ(load.bytes[0], 7);
  EXPECT_EQ(load.bytes[2], 9);
  for (std::size_t i = 3; i < load.bytes.size(); ++i) EXPECT_EQ(load.bytes[i], 0) << i;

  WriteFile(dir.File("config.dat"), std::string(100, '\x05'));
  load = LoadConfigFile(dir.path());
  ASSERT_EQ(load.status, ConfigLoadStatus::kLoaded);
  for (uint8_t b : load.bytes) EXPECT_EQ(b, 5);
}

TEST(ConfigFile, SomethingUnreadableIsAnError) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("config.dat").c_str(), 0600), 0);
  const ConfigLoad load = LoadConfigFile(dir.path());
  EXPECT_EQ(load.status, ConfigLoadStatus::kError);
  EXPECT_EQ(load.bytes, ConfigBytes{});
}

TEST(ConfigFile, AFileWithoutReadPermissionIsAnError) {
  test::TempDir dir;
  ::chmod(dir.path().c_str(), 0755);
  WriteFile(dir.File("config.dat"), std::string(44, '\x01'));
  ::chmod(dir.File("config.dat").c_str(), 0);
  EXPECT_TRUE(test::AsUnprivileged(
      [&] { return LoadConfigFile(dir.path()).status == ConfigLoadStatus::kError; }));
}

TEST(ConfigFile, SaveThenLoad) {
  test::TempDir dir;
  ConfigBytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 5);
  ASSERT_TRUE(SaveConfigFile(dir.path(), bytes));
  const ConfigLoad load = LoadConfigFile(dir.path());
  EXPECT_EQ(load.status, ConfigLoadStatus::kLoaded);
  EXPECT_EQ(load.bytes, bytes);
}

TEST(ConfigFile, TheFirstSaveMakesTheSettingsFolder) {
  test::TempDir dir;
  const ConfigBytes bytes{};
  ASSERT_TRUE(SaveConfigFile(dir.path() + "/home/.config/brimvale", bytes));
  EXPECT_EQ(LoadConfigFile(dir.path() + "/home/.config/brimvale").status,
            ConfigLoadStatus::kLoaded);
  // A folder that cannot be made is a failed save.
  WriteFile(dir.File("file"), "x");
  EXPECT_FALSE(SaveConfigFile(dir.path() + "/file/brimvale", bytes));
}

TEST(ConfigFile, ErrorTexts) {
  EXPECT_EQ(kConfigLoadErrorText, test::Pl("Wystąpił błąd podczas ładowania pliku konfiguracji !"));
  EXPECT_EQ(kConfigSaveErrorText,
            test::Pl("Wystąpił błąd podczas zapisywania pliku konfiguracji !"));
}

}  // namespace
}  // namespace bv::settings

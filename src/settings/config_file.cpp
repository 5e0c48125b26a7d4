#include "settings/config_file.h"

#include <sys/stat.h>

#include <filesystem>

#include "settings/block_file.h"

namespace bv::settings {

// clang-format off
const char kConfigLoadErrorText[] =
    "Wyst\xB9pi\xB3 b\xB3\xB9" "d podczas \xB3" "adowania pliku konfiguracji !";
const char kConfigSaveErrorText[] =
    "Wyst\xB9pi\xB3 b\xB3\xB9" "d podczas zapisywania pliku konfiguracji !";
// clang-format on

std::string ConfigPath(const std::string& settings_dir) {
  return settings_dir + "/config.dat";
}

ConfigLoad LoadConfigFile(const std::string& settings_dir) {
  ConfigLoad result;
  const std::string path = ConfigPath(settings_dir);
  RemoveStaleTemporary(path);  // what a save killed in an earlier run left
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return result;
  result.status = LoadBlock(path, result.bytes.data(), result.bytes.size())
                      ? ConfigLoadStatus::kLoaded
                      : ConfigLoadStatus::kError;
  if (result.status == ConfigLoadStatus::kError) result.bytes.fill(0);
  return result;
}

bool SaveConfigFile(const std::string& settings_dir, const ConfigBytes& bytes) {
  // An installed game's settings folder is made on its first save.
  std::error_code ec;
  std::filesystem::create_directories(settings_dir, ec);
  return SaveBlock(ConfigPath(settings_dir), bytes.data(), bytes.size());
}

}  // namespace bv::settings

#pragma once

#include <string>

#include "settings/config_record.h"

namespace bv::settings {

// The two settings errors, reported through the fatal report with code -1.
extern const char kConfigLoadErrorText[];  // "Wystąpił błąd podczas ładowania pliku konfiguracji !"
extern const char
    kConfigSaveErrorText[];  // "Wystąpił błąd podczas zapisywania pliku konfiguracji !"
constexpr int kConfigErrorCode = -1;

// config.dat in the settings folder, in the platform's spelling.
std::string ConfigPath(const std::string& settings_dir);

enum class ConfigLoadStatus {
  kNoFile,  // nothing at the path (a folder there counts as no file): keep the defaults
  kLoaded,  // bytes holds the file's first 44 bytes, zeros after a short file's end
  kError,   // something is there but cannot be read: report, apply nothing
};

struct ConfigLoad {
  ConfigLoadStatus status = ConfigLoadStatus::kNoFile;
  ConfigBytes bytes{};
};

// Also clears what an interrupted save left beside the file.
ConfigLoad LoadConfigFile(const std::string& settings_dir);

// False when the file could not be written; the old file is then untouched.
bool SaveConfigFile(const std::string& settings_dir, const ConfigBytes& bytes);

}  // namespace bv::settings

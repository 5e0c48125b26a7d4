#pragma once

#include <string>
#include <vector>

#include "settings/screen_settings.h"

namespace bv::settings {

// brimvale.ini in the settings folder, in the platform's spelling.
std::string ScreenSettingsPath(const std::string& settings_dir);

// The file is small text, one "key = value" a line; blank lines and lines
// starting with '#' or ';' are comments, "[name]" lines are kept and
// ignored. Anything the game does not know (other keys, comments) is kept
// as it stands when the file is written again.
constexpr std::size_t kMaxScreenSettingsFileSize = 64 * 1024;

struct ScreenSettingsLoad {
  ScreenSettings settings;  // the defaults unless the whole file read well
  bool found = false;       // a file was there
  // Empty when the file was missing or read well. Otherwise one line for
  // standard error naming the file, the line and the fault; the settings
  // are then the defaults.
  std::string complaint;
};

// brimvale.ini and what the game keeps of it between its load and its save.
class ScreenSettingsFile {
 public:
  explicit ScreenSettingsFile(std::string settings_dir);

  const std::string& path() const { return path_; }

  // Reads the file (also clearing what an interrupted save left beside it).
  ScreenSettingsLoad Load();
  // The text Save would write for these settings.
  std::string Text(const ScreenSettings& settings) const;
  // Writes the file in one step; false when it could not (the old file is
  // then untouched).
  bool Save(const ScreenSettings& settings) const;

  // Reads text as the file's contents; path only names it in the complaint.
  static ScreenSettingsLoad Parse(const std::string& path, const std::string& text,
                                  std::vector<std::string>* kept_lines);

 private:
  std::string path_;
  std::vector<std::string> lines_;  // the file's lines as read, to write back around ours
};

}  // namespace bv::settings

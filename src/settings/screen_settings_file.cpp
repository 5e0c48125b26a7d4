#include "settings/screen_settings_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "settings/atomic_file.h"

namespace bv::settings {

namespace {

constexpr const char* kBlank = " \t";

std::string Trim(const std::string& s) {
  const std::size_t a = s.find_first_not_of(kBlank);
  if (a == std::string::npos) return "";
  const std::size_t b = s.find_last_not_of(kBlank);
  return s.substr(a, b - a + 1);
}

bool IsKeyChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

bool IsComment(const std::string& trimmed) {
  return trimmed.empty() || trimmed[0] == '#' || trimmed[0] == ';' ||
         (trimmed.front() == '[' && trimmed.back() == ']');
}

// Splits "key = value"; false when the line is not one.
bool SplitLine(const std::string& line, std::string* key, std::string* value) {
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  *key = Trim(line.substr(0, eq));
  *value = Trim(line.substr(eq + 1));
  if (key->empty()) return false;
  for (char c : *key) {
    if (!IsKeyChar(c)) return false;
  }
  return true;
}

int FindSetting(const std::string& key) {
  for (int i = 0; i < kScreenSettingCount; ++i) {
    if (key == kScreenSettings[static_cast<std::size_t>(i)].name) return i;
  }
  return -1;
}

int FindTextSetting(const std::string& key) {
  for (int i = 0; i < kTextSettingCount; ++i) {
    if (key == kTextSettings[static_cast<std::size_t>(i)].name) return i;
  }
  return -1;
}

std::string KeyLine(const std::string& key, const std::string& value) {
  return value.empty() ? key + " =\n" : key + " = " + value + "\n";
}

// Text the game wrote or a person typed: no control bytes but tabs and line ends.
bool LooksLikeText(const std::string& text) {
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
    if (c == 0x7F) return false;
  }
  return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    at = end + 1;
  }
  return lines;
}

std::string Complaint(const std::string& path, int line, const std::string& what) {
  std::string where = path;
  if (line > 0) where += ":" + std::to_string(line);
  return where + ": " + what + "; using the default screen settings";
}

}  // namespace

std::string ScreenSettingsPath(const std::string& settings_dir) {
  return settings_dir + "/brimvale.ini";
}

ScreenSettingsFile::ScreenSettingsFile(std::string settings_dir)
    : path_(ScreenSettingsPath(settings_dir)) {}

ScreenSettingsLoad ScreenSettingsFile::Parse(const std::string& path, const std::string& text,
                                             std::vector<std::string>* kept_lines) {
  ScreenSettingsLoad load;
  load.found = true;
  if (kept_lines != nullptr) kept_lines->clear();
  if (text.size() > kMaxScreenSettingsFileSize) {
    load.complaint = Complaint(path, 0, "larger than " +
                                            std::to_string(kMaxScreenSettingsFileSize / 1024) +
                                            " KiB, not a settings file");
    return load;
  }
  if (!LooksLikeText(text)) {
    load.complaint = Complaint(path, 0, "not a text file");
    return load;
  }
  const std::vector<std::string> lines = SplitLines(text);
  // Kept even when damaged, so a save loses nothing a person wrote.
  if (kept_lines != nullptr) *kept_lines = lines;
  ScreenSettings read;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const int line_no = static_cast<int>(n) + 1;
    const std::string trimmed = Trim(lines[n]);
    if (IsComment(trimmed)) continue;
    std::string key, value;
    if (!SplitLine(trimmed, &key, &value)) {
      load.complaint = Complaint(path, line_no, "\"" + trimmed + "\" is not key = value");
      return load;
    }
    const int text_index = FindTextSetting(key);
    if (text_index >= 0) {
      const auto t = static_cast<TextSetting>(text_index);
      if (!read.set_text(t, value)) {
        load.complaint =
            Complaint(path, line_no,
                      key + " = \"" + value + "\" is not " + InfoOf(t).about + " of at most " +
                          std::to_string(InfoOf(t).max_length) + " characters");
        return load;
      }
      continue;
    }
    const int index = FindSetting(key);
    if (index < 0) continue;  // someone else's key: kept, not ours to judge
    const auto s = static_cast<ScreenSetting>(index);
    int v = 0;
    if (!ParseScreenValue(s, value, &v)) {
      load.complaint = Complaint(path, line_no,
                                 key + " = \"" + value + "\" is not one of " +
                                     AllowedScreenValues(s));
      return load;
    }
    read.set(s, v);
  }
  load.settings = read;
  return load;
}

ScreenSettingsLoad ScreenSettingsFile::Load() {
  lines_.clear();
  RemoveStaleTemporary(path_);
  struct stat st {};
  if (::stat(path_.c_str(), &st) != 0) return {};
  ScreenSettingsLoad load;
  if (!S_ISREG(st.st_mode)) {
    load.found = true;
    load.complaint = Complaint(path_, 0, "not a file");
    return load;
  }
  if (static_cast<std::size_t>(st.st_size) > kMaxScreenSettingsFileSize) {
    return Parse(path_, std::string(kMaxScreenSettingsFileSize + 1, ' '), nullptr);
  }
  std::ifstream in(path_, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.good() && !in.eof()) {
    load.found = true;
    load.complaint = Complaint(path_, 0, "cannot be read");
    return load;
  }
  return Parse(path_, text, &lines_);
}

std::string ScreenSettingsFile::Text(const ScreenSettings& settings) const {
  std::array<bool, kScreenSettingCount> written{};
  std::array<bool, kTextSettingCount> text_written{};
  std::string out;
  if (lines_.empty()) {
    out +=
        "# Brimvale: the game window, its frame pacing and the network game's choice\n"
        "# (config.dat holds the rest).\n";
  }
  for (const std::string& line : lines_) {
    std::string key, value;
    const std::string trimmed = Trim(line);
    if (IsComment(trimmed)) {
      out += line + "\n";
      continue;
    }
    if (!SplitLine(trimmed, &key, &value)) {
      // Kept for the person who wrote it, but no longer in the way.
      out += "# " + line + "\n";
      continue;
    }
    const int text_index = FindTextSetting(key);
    if (text_index >= 0) {
      out += KeyLine(key, settings.text(static_cast<TextSetting>(text_index)));
      text_written[static_cast<std::size_t>(text_index)] = true;
      continue;
    }
    const int index = FindSetting(key);
    if (index < 0) {
      out += line + "\n";
      continue;
    }
    const auto s = static_cast<ScreenSetting>(index);
    out += key + " = " + ScreenValueText(s, settings.value(s)) + "\n";
    written[static_cast<std::size_t>(index)] = true;
  }
  for (int i = 0; i < kScreenSettingCount; ++i) {
    if (written[static_cast<std::size_t>(i)]) continue;
    const auto s = static_cast<ScreenSetting>(i);
    out += "# " + AllowedScreenValues(s) + "\n";
    out += std::string(InfoOf(s).name) + " = " + ScreenValueText(s, settings.value(s)) + "\n";
  }
  for (int i = 0; i < kTextSettingCount; ++i) {
    if (text_written[static_cast<std::size_t>(i)]) continue;
    const auto t = static_cast<TextSetting>(i);
    out += std::string("# ") + InfoOf(t).about + "\n";
    out += KeyLine(InfoOf(t).name, settings.text(t));
  }
  return out;
}

bool ScreenSettingsFile::Save(const ScreenSettings& settings) const {
  return WriteFileAtomically(path_, Text(settings));
}

}  // namespace bv::settings

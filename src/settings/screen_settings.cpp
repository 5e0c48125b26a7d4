#include "settings/screen_settings.h"

#include <cctype>

namespace bv::settings {

namespace {

bool SameWord(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i] != '\0'; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return i == a.size() && b[i] == '\0';
}

bool HasRange(const ScreenSettingInfo& info) {
  return info.min <= info.max;
}

}  // namespace

bool ScreenValueAllowed(ScreenSetting s, int value) {
  const ScreenSettingInfo& info = InfoOf(s);
  if (value >= 0 && value < info.word_count) return true;
  return HasRange(info) && value >= info.min && value <= info.max;
}

bool ParseScreenValue(ScreenSetting s, const std::string& text, int* value) {
  const ScreenSettingInfo& info = InfoOf(s);
  for (int i = 0; i < info.word_count; ++i) {
    if (SameWord(text, info.words[static_cast<std::size_t>(i)])) {
      *value = i;
      return true;
    }
  }
  if (!HasRange(info) || text.empty() || text.size() > 9) return false;
  int n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  if (n < info.min || n > info.max) return false;
  *value = n;
  return true;
}

std::string ScreenValueText(ScreenSetting s, int value) {
  const ScreenSettingInfo& info = InfoOf(s);
  if (value >= 0 && value < info.word_count) return info.words[static_cast<std::size_t>(value)];
  return std::to_string(value);
}

std::string AllowedScreenValues(ScreenSetting s) {
  const ScreenSettingInfo& info = InfoOf(s);
  std::string out;
  for (int i = 0; i < info.word_count; ++i) {
    if (i > 0) out += " | ";
    out += info.words[static_cast<std::size_t>(i)];
  }
  if (HasRange(info)) {
    if (!out.empty()) out += " | ";
    out += std::to_string(info.min) + ".." + std::to_string(info.max);
  }
  return out;
}

bool TextValueAllowed(TextSetting s, const std::string& text) {
  const TextSettingInfo& info = InfoOf(s);
  return TextAllowed(info.kind, info.max_length, text);
}

ScreenSettings::ScreenSettings() {
  for (std::size_t i = 0; i < values_.size(); ++i) values_[i] = kScreenSettings[i].default_value;
  for (std::size_t i = 0; i < texts_.size(); ++i) texts_[i] = kTextSettings[i].default_value;
}

bool ScreenSettings::set_text(TextSetting s, const std::string& text) {
  if (!TextValueAllowed(s, text)) return false;
  texts_[static_cast<std::size_t>(s)] = text;
  return true;
}

bool ScreenSettings::set(ScreenSetting s, int value) {
  if (!ScreenValueAllowed(s, value)) return false;
  values_[static_cast<std::size_t>(s)] = value;
  return true;
}

}  // namespace bv::settings

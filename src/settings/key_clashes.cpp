#include "settings/key_clashes.h"

#include <vector>

#include "game/key_source.h"
#include "media/key_names.h"
#include "settings/options_texts.h"

namespace bv::settings {

namespace {

std::string KeyLabel(uint8_t code) {
  const std::string name = media::KeyName(code);
  if (name.empty()) return std::string(text::kUnnamedKey) + std::to_string(code);
  return name + " (" + std::to_string(code) + ")";
}

std::string UseOf(int edit) {
  return std::string(text::kPlayerTabs[edit / kConfigKeysPerPlayer]) + " " +
         text::kKeyActions[edit % kConfigKeysPerPlayer];
}

}  // namespace

KeyClashes FindKeyClashes(const std::array<uint8_t, kConfigKeyCount>& codes) {
  KeyClashes out;
  int clashing_keys = 0;
  std::array<bool, kConfigKeyCount> seen{};
  for (int first = 0; first < kConfigKeyCount; ++first) {
    if (seen[first]) continue;
    const uint8_t code = codes[first];
    std::vector<int> users;
    for (int e = first; e < kConfigKeyCount; ++e) {
      if (codes[e] == code) {
        users.push_back(e);
        seen[e] = true;
      }
    }
    const bool escape = code == game::kKeyEscape;
    if (users.size() < 2 && !escape) continue;
    for (int e : users) out.marked[e] = true;
    if (clashing_keys++ > 0) continue;
    out.line = KeyLabel(code) + ":";
    for (size_t i = 0; i < users.size(); ++i) out.line += (i ? ", " : " ") + UseOf(users[i]);
    if (escape) out.line += std::string(", ") + text::kEscapeUse;
  }
  if (clashing_keys > 1) out.line += " (+" + std::to_string(clashing_keys - 1) + ")";
  return out;
}

}  // namespace bv::settings

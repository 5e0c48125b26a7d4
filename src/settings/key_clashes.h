#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/config_table.h"

namespace bv::settings {

// Keys bound more than once: by two actions, by both players, or to Escape,
// which the game itself uses. A clash is allowed, as it always was; it is
// only shown.
struct KeyClashes {
  // Per key edit (the file's order): its code is used somewhere else too.
  std::array<bool, kConfigKeyCount> marked{};
  // Names the first clash, in Windows-1250, "W (17): Gracz 1 Góra, Gracz 2
  // Góra", with " (+N)" when N more keys clash; empty without a clash.
  std::string line;
};

KeyClashes FindKeyClashes(const std::array<uint8_t, kConfigKeyCount>& codes);

}  // namespace bv::settings

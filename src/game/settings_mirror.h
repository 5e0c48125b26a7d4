#pragma once

#include <array>
#include <cstdint>

#include "game/world.h"
#include "settings/config_record.h"

namespace bv::game {

// The world's key_codes slot of config key k (0..11, the file's order): the
// world puts attack before change weapon, the file change weapon first.
constexpr int KeyCodeSlot(int config_key) {
  const int player = config_key / settings::kConfigKeysPerPlayer;
  const int key = config_key % settings::kConfigKeysPerPlayer;
  const int action = key == settings::kKeyChange   ? settings::kKeyAttack
                     : key == settings::kKeyAttack ? settings::kKeyChange
                                                   : key;
  return player * settings::kConfigKeysPerPlayer + action;
}
// The config key whose code lands in key_codes slot `slot`: the swap is its
// own inverse.
constexpr int ConfigKeyOfSlot(int slot) {
  return KeyCodeSlot(slot);
}
constexpr bool SlotsSwapBack() {
  for (int k = 0; k < settings::kConfigKeyCount; ++k) {
    if (ConfigKeyOfSlot(KeyCodeSlot(k)) != k) return false;
  }
  return true;
}
static_assert(SlotsSwapBack(), "key_codes slots and config keys map one to one");

// key_codes as the mirror makes them from the record's keys.
std::array<uint8_t, kKeyCount> MirroredKeyCodes(const settings::ConfigRecord& record);

// Settings into the world, as each close of the options window makes them:
// hud_alpha, minimap_alpha, both players' colour, enemy_color, game_mode and
// key_codes take the record's values. Every other setting stays where it
// lives (the live options, the drawing device).
void MirrorSettings(const settings::ConfigRecord& record, World& world);

// What the settings save takes from the world's mirrors: the transparencies,
// the colours and the mode (they equal the controls whenever the options
// window is hidden). The keys are saved from the key edits themselves.
void SaveMirroredSettings(const World& world, settings::ConfigRecord& record);

}  // namespace bv::game

#include "media/pad_keys.h"

namespace bv::media {

KeyState PadKeyTable(const std::vector<PadReading>& pads, const PlayerKeyCodes& key_codes,
                     bool two_players) {
  KeyState table{};
  for (const PadReading& pad : pads) {
    const int player = two_players ? pad.place : 0;
    if (player < 0 || player >= PadSlots::kPlaces) continue;
    const PadActions actions = ActionsOf(pad.state);
    for (int a = 0; a < kPadPlayerActions; ++a) {
      if (actions[a])
        table[key_codes[static_cast<size_t>(player * kPadPlayerActions + a)]] = kKeyHeld;
    }
    if (actions[kPadEscape]) table[game::kKeyEscape] = kKeyHeld;
  }
  return table;
}

int32_t KeysWithPads::Update() {
  const int32_t result = keyboard_.Update();
  readings_.clear();
  pads_.Read(readings_);
  pad_table_ = PadKeyTable(readings_, key_codes_, second_player_ == 1);
  return result;
}

}  // namespace bv::media

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/key_source.h"
#include "media/key_state.h"
#include "media/pad_slots.h"
#include "media/pad_state.h"

namespace bv::media {

// One pad as read for a step: its place (PadSlots) and its controls.
struct PadReading {
  int place;
  PadState state;
};

// The pads the game reads. SDL's game controllers in the game; a fake in
// tests.
class PadSource {
 public:
  virtual ~PadSource() = default;
  // The pads plugged in, as they are now. None while the program lacks the
  // focus, so that a pad never drives a game in the background.
  virtual void Read(std::vector<PadReading>& out) = 0;
  // Which pad drives which player.
  virtual const PadSlots& slots() const = 0;
};

using PlayerKeyCodes = std::array<uint8_t, 12>;

// The key table the pads make: a control held reads as the player's bound
// key for its action (from key_codes, the world's order), Start and Back as
// Escape. The pad in place 0 drives player 1, place 1 player 2; in
// one-player games every pad drives player 1.
KeyState PadKeyTable(const std::vector<PadReading>& pads, const PlayerKeyCodes& key_codes,
                     bool two_players);

// The tick's key source: the keyboard and the pads at once. Each Update reads
// both; a key is down when the keyboard holds it or a pad's control bound to
// it is held. The key codes and the player count are read at each Update,
// so the options window's new keys and a new game take effect at once; both
// must outlive this object (they are the world's key_codes and
// second_player).
class KeysWithPads final : public game::KeySource {
 public:
  KeysWithPads(game::KeySource& keyboard, PadSource& pads, const PlayerKeyCodes& key_codes,
               const uint8_t& second_player)
      : keyboard_(keyboard), pads_(pads), key_codes_(key_codes), second_player_(second_player) {}

  // The keyboard's result: the pads report no errors.
  int32_t Update() override;
  bool KeyDown(uint8_t code) const override {
    return keyboard_.KeyDown(code) || (pad_table_[code] & kKeyHeld) != 0;
  }

 private:
  game::KeySource& keyboard_;
  PadSource& pads_;
  const PlayerKeyCodes& key_codes_;
  const uint8_t& second_player_;
  std::vector<PadReading> readings_;
  KeyState pad_table_{};
};

}  // namespace bv::media

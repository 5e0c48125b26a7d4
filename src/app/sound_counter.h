#pragma once

#include "game/sound_slots.h"
#include "sound/sound_bank.h"

namespace bv::app {

// The tick's sound player: the bank, counting what the rules asked for and
// how much of it had no sample to play (a missing file stays silent).
class SoundCounter final : public game::SoundPlayer {
 public:
  explicit SoundCounter(sound::SoundBank& bank) : bank_(bank) {}

  void Play(game::SoundSlot slot, int index) override {
    ++played_;
    const int sample = game::SampleIndex(slot, index);
    if (sample < 0 || bank_.samples()[static_cast<size_t>(sample)] == nullptr) ++silent_;
    bank_.Play(slot, index);
  }

  long played() const { return played_; }
  long silent() const { return silent_; }

 private:
  sound::SoundBank& bank_;
  long played_ = 0;
  long silent_ = 0;
};

}  // namespace bv::app

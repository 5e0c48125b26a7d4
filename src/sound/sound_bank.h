#pragma once

#include <array>
#include <string>

#include "game/places.h"
#include "game/sound_slots.h"
#include "sound/sample.h"

namespace bv::sound {

// The game's samples on SDL_mixer: loaded once, fired and forgotten on any
// free channel, freed at shutdown. No music, volume, panning or stopping.
// Without an audio device the bank stays silent and everything else works.
class SoundBank final : public game::SoundPlayer {
 public:
  static constexpr int kFrequency = 22050;
  static constexpr int kChannels = 16;

  SoundBank() = default;
  ~SoundBank() override { Close(); }
  SoundBank(const SoundBank&) = delete;
  SoundBank& operator=(const SoundBank&) = delete;

  // Opens the output: 22050 Hz mixing on 16 channels. False when no audio
  // device can be opened; the game then runs silent.
  bool Open();
  bool is_open() const { return open_; }

  // Loads the samples in load order from "\data\sound\<name>.wav" under the
  // data root. A missing or refused file leaves its sample silent. Returns
  // how many loaded.
  int LoadSamples(const game::Places& places);
  // The samples in load order, null where silent. They point into the bank
  // and stay valid (silent after Close) while the bank lives.
  const std::array<Sample*, game::kSampleCount>& samples() const { return handles_; }
  // Why a sample is silent; empty when it loaded.
  const std::string& load_error(int sample_index) const;

  // Plays a slot's sample on any free channel; dropped when none is free.
  void Play(game::SoundSlot slot, int index) override;
  void PlaySample(int sample_index);

  // Frees every sample in load order, then closes the output. Safe to repeat.
  void Close();

 private:
  void FreeSamples();

  bool open_ = false;
  std::array<Sample, game::kSampleCount> storage_{};
  std::array<Sample*, game::kSampleCount> handles_{};
  std::array<std::string, game::kSampleCount> errors_{};
};

}  // namespace bv::sound

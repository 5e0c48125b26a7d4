#pragma once

#include <cstdint>
#include <string>

namespace bv::game {

// The sample slots, in load order. gun, kill and shell hold several samples.
enum class SoundSlot : uint8_t {
  kAlert,
  kAlertLong,
  kAtack1,
  kAtack2,
  kChangeGun,
  kDeatch,
  kGet,
  kGun,       // 5, by weapon slot
  kKill,      // 8, chosen at random
  kKillDoor,
  kLightOff,
  kLightOn,
  kLost,
  kLvlSnd,
  kMenuSnd,
  kNoAmmo,
  kOpenDoor,
  kShell,     // 3, chosen at random
  kWin,
};

constexpr int kSoundSlotCount = 19;
// The slot table names 32 sample files (5 gun, 8 kill, 3 shell, 16 single).
constexpr int kSampleCount = 32;

// Number of samples a slot holds (1, or 5, 8, 3 for the indexed slots).
int SlotSize(SoundSlot slot);
// "snd_gun", as the world names the slot.
const char* SlotName(SoundSlot slot);
// Position 0..31 of a slot's sample in load order; -1 for an index out of range.
int SampleIndex(SoundSlot slot, int index);
// File base name of sample 0..31 in load order: "alert", ..., "gun0", ..., "win".
std::string SampleFileName(int sample_index);

// Where the rules send their sounds. Fire and forget: nothing comes back.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(SoundSlot slot, int index) = 0;
};

// A player that plays nothing, for code paths that run without sound.
class SilentSoundPlayer final : public SoundPlayer {
 public:
  void Play(SoundSlot, int) override {}
};

}  // namespace bv::game

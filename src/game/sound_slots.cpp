#include "game/sound_slots.h"

namespace bv::game {

namespace {

struct SlotInfo {
  const char* name;
  const char* file;
  int size;
};

constexpr SlotInfo kSlots[kSoundSlotCount] = {
    {"snd_alert", "alert", 1},         {"snd_alertlong", "alertlong", 1},
    {"snd_atack1", "atack1", 1},       {"snd_atack2", "atack2", 1},
    {"snd_changegun", "changegun", 1}, {"snd_deatch", "deatch", 1},
    {"snd_get", "get", 1},             {"snd_gun", "gun", 5},
    {"snd_kill", "kill", 8},           {"snd_killdoor", "killdoor", 1},
    {"snd_lightoff", "lightoff", 1},   {"snd_lighton", "lighton", 1},
    {"snd_lost", "lost", 1},           {"snd_lvlsnd", "lvlsnd", 1},
    {"snd_menusnd", "menusnd", 1},     {"snd_noammo", "noammo", 1},
    {"snd_opendoor", "opendoor", 1},   {"snd_shell", "shell", 3},
    {"snd_win", "win", 1},
};

}  // namespace

int SlotSize(SoundSlot slot) { return kSlots[static_cast<int>(slot)].size; }

const char* SlotName(SoundSlot slot) { return kSlots[static_cast<int>(slot)].name; }

int SampleIndex(SoundSlot slot, int index) {
  int s = static_cast<int>(slot);
  if (s < 0 || s >= kSoundSlotCount || index < 0 || index >= kSlots[s].size) return -1;
  int base = 0;
  for (int i = 0; i < s; ++i) base += kSlots[i].size;
  return base + index;
}

std::string SampleFileName(int sample_index) {
  int base = 0;
  for (const SlotInfo& info : kSlots) {
    if (sample_index < base + info.size) {
      if (sample_index < base) break;
      std::string name = info.file;
      if (info.size > 1) name += static_cast<char>('0' + (sample_index - base));
      return name;
    }
    base += info.size;
  }
  return {};
}

}  // namespace bv::game

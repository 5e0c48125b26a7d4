#pragma once

// Every sample the game loads, as a short silent WAV in a program folder,
// for the window tests that start the whole program.

#include <cstdint>
#include <vector>

#include "game/sound_slots.h"
#include "sound/wav_writer.h"
#include "support/temp_dir.h"

namespace bv::test {

inline void WriteProgramSamples(const TempDir& dir) {
  const std::vector<uint8_t> wav = PcmWav(64);
  for (int i = 0; i < game::kSampleCount; ++i) {
    WriteFile(dir.File("data/sound/" + game::SampleFileName(i) + ".wav"), wav);
  }
}

}  // namespace bv::test

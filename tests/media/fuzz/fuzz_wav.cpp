// libFuzzer target: the WAV check the sound bank runs before decoding. A
// file it accepts must decode without asking for more than its own size
// allows.

#include <SDL.h>

#include <cstdint>
#include <cstdlib>

#include "sound/wav_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!bv::sound::CheckWav(data, size).empty()) return 0;
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (rw == nullptr) return 0;
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV_RW(rw, 1, &spec, &buffer, &length) != nullptr) {
    // Plain samples never grow by more than 24 to 32 bits on decoding.
    if (length > 2 * size + 64) std::abort();
    SDL_FreeWAV(buffer);
  }
  return 0;
}

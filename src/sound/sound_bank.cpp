#include "sound/sound_bank.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "game/paths.h"
#include "sound/wav_check.h"

namespace bv::sound {

namespace {

constexpr int kOutputChannels = 2;
constexpr int kChunkFrames = 512;  // about 23 ms at 22050 Hz

// The whole file, or empty with the reason in error.
std::vector<uint8_t> ReadSoundFile(const std::string& path, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "missing file " + path;
    return {};
  }
  auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxWavFileBytes) {
    error = "file too large for a sound sample: " + path;
    return {};
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    error = "cannot read " + path;
    return {};
  }
  return bytes;
}

}  // namespace

bool SoundBank::Open() {
  if (open_) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // The mixing rate and format are fixed; SDL converts for the device.
  if (Mix_OpenAudioDevice(kFrequency, AUDIO_S16SYS, kOutputChannels, kChunkFrames, nullptr, 0) !=
      0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(kChannels);
  open_ = true;
  return true;
}

int SoundBank::LoadSamples(const game::Places& places) {
  FreeSamples();
  int loaded = 0;
  for (int i = 0; i < game::kSampleCount; ++i) {
    std::string path =
        game::DataPath(places.data_root, "\\data\\sound\\" + game::SampleFileName(i) + ".wav");
    std::string& error = errors_[i];
    error.clear();
    if (!open_) {
      error = "no audio output";
      continue;
    }
    std::vector<uint8_t> bytes = ReadSoundFile(path, error);
    if (!error.empty()) continue;
    error = CheckWav(bytes.data(), bytes.size());
    if (!error.empty()) {
      error = path + ": " + error;
      continue;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = rw != nullptr ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (chunk == nullptr) {
      error = path + ": " + Mix_GetError();
      continue;
    }
    storage_[i].chunk = chunk;
    handles_[i] = &storage_[i];
    ++loaded;
  }
  return loaded;
}

const std::string& SoundBank::load_error(int sample_index) const {
  static const std::string kNone;
  if (sample_index < 0 || sample_index >= game::kSampleCount) return kNone;
  return errors_[sample_index];
}

void SoundBank::Play(game::SoundSlot slot, int index) {
  PlaySample(game::SampleIndex(slot, index));
}

void SoundBank::PlaySample(int sample_index) {
  if (!open_ || sample_index < 0 || sample_index >= game::kSampleCount) return;
  Mix_Chunk* chunk = storage_[sample_index].chunk;
  if (chunk == nullptr) return;
  // -1 when every channel is busy: the sound is dropped.
  Mix_PlayChannel(-1, chunk, 0);
}

void SoundBank::FreeSamples() {
  for (int i = 0; i < game::kSampleCount; ++i) {
    if (storage_[i].chunk != nullptr) Mix_FreeChunk(storage_[i].chunk);
    storage_[i].chunk = nullptr;
    handles_[i] = nullptr;
  }
}

void SoundBank::Close() {
  FreeSamples();
  if (!open_) return;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

}  // namespace bv::sound

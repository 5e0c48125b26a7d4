// Every sample the sound bank loads is a 16-bit PCM WAV that SDL reads, with sound in it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "data_paths.h"
#include "game/sound_slots.h"

namespace bv::assets {
namespace {

struct Sample {
  SDL_AudioSpec spec{};
  std::vector<int16_t> data;
};

bool LoadWav(const std::string& path, Sample* out) {
  Uint8* buf = nullptr;
  Uint32 len = 0;
  if (!SDL_LoadWAV(path.c_str(), &out->spec, &buf, &len)) return false;
  out->data.assign(reinterpret_cast<int16_t*>(buf), reinterpret_cast<int16_t*>(buf) + len / 2);
  SDL_FreeWAV(buf);
  return true;
}

TEST(Sounds, EverySampleIsSixteenBitMonoPcmWithSoundInIt) {
  std::set<std::vector<int16_t>> seen;
  for (int i = 0; i < game::kSampleCount; ++i) {
    std::string name = game::SampleFileName(i);
    SCOPED_TRACE(name);
    Sample s;
    ASSERT_TRUE(LoadWav(test::DataFile("sound/" + name + ".wav"), &s)) << SDL_GetError();
    EXPECT_EQ(s.spec.format, AUDIO_S16LSB);
    EXPECT_EQ(s.spec.channels, 1);
    EXPECT_EQ(s.spec.freq, 22050);
    double seconds = s.data.size() / 22050.0;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 5.0);
    int peak = 0, clipped = 0;
    for (int16_t v : s.data) {
      peak = std::max(peak, std::abs(static_cast<int>(v)));
      clipped += std::abs(static_cast<int>(v)) >= 32767;
    }
    EXPECT_GT(peak, 32767 / 3) << "too quiet";
    EXPECT_EQ(clipped, 0);
    // Ends at rest so it does not click when it stops.
    EXPECT_LT(std::abs(static_cast<int>(s.data.back())), 200);
    EXPECT_TRUE(seen.insert(s.data).second) << "same as another sample";
  }
}

TEST(Sounds, RapidWeaponsAreShortEnoughForTheirFireRate) {
  // Fire delays of 16 and 10 ticks (MP 5, Minigun) at 90 ticks a second; a
  // sample should have spent most of its energy before the next shot.
  for (const char* name : {"gun2", "gun4"}) {
    SCOPED_TRACE(name);
    Sample s;
    ASSERT_TRUE(LoadWav(test::DataFile(std::string("sound/") + name + ".wav"), &s));
    double total = 0, early = 0;
    size_t window = 22050 * 10 / 90;
    for (size_t i = 0; i < s.data.size(); ++i) {
      double e = static_cast<double>(s.data[i]) * s.data[i];
      total += e;
      if (i < window) early += e;
    }
    EXPECT_GT(early / total, 0.8);
  }
}

}  // namespace
}  // namespace bv::assets

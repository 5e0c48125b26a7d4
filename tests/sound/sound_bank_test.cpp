#include "sound/sound_bank.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <string>

#include "sound/wav_writer.h"
#include "support/temp_dir.h"

namespace bv::sound {
namespace {

using game::kSampleCount;
using game::SampleFileName;

// A program directory with every sample; sample i lasts 100 * (i + 1) frames,
// so each loaded sample shows which file it came from.
class SoundBankTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Never a real device, whatever the shell says.
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    dir_.MakeDir("data/sound");
    for (int i = 0; i < kSampleCount; ++i) {
      test::WriteFile(SamplePath(i), test::PcmWav(100 * (i + 1)));
    }
  }
  std::string SamplePath(int i) const {
    return dir_.File("data/sound/" + SampleFileName(i) + ".wav");
  }
  // Bytes of a loaded sample: 22050 Hz, 16-bit stereo, as the bank mixes.
  static uint32_t LoadedBytes(int i) { return 100u * (i + 1) * 4; }

  test::TempDir dir_;
};

TEST_F(SoundBankTest, OpensAt22050HzWith16Channels) {
  SoundBank bank;
  ASSERT_TRUE(bank.Open()) << SDL_GetError();
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
  EXPECT_EQ(frequency, 22050);
  EXPECT_EQ(Mix_AllocateChannels(-1), 16);
  EXPECT_TRUE(bank.Open());  // a second open changes nothing
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1);
}

TEST_F(SoundBankTest, LoadsEverySampleInTableOrder) {
  SoundBank bank;
  ASSERT_TRUE(bank.Open());
  EXPECT_EQ(bank.LoadSamples(game::PlacesOfProgram(dir_.path())), kSampleCount);
  for (int i = 0; i < kSampleCount; ++i) {
    Sample* s = bank.samples()[i];
    ASSERT_NE(s, nullptr) << SampleFileName(i) << ": " << bank.load_error(i);
    ASSERT_NE(s->chunk, nullptr);
    EXPECT_EQ(s->chunk->alen, LoadedBytes(i)) << SampleFileName(i);
    EXPECT_EQ(bank.load_error(i), "");
  }
  // Slots reach their samples through the flat order.
  EXPECT_EQ(bank.samples()[game::SampleIndex(game::SoundSlot::kKill, 7)]->chunk->alen,
            LoadedBytes(19));
}

TEST_F(SoundBankTest, AMissingOrDamagedFileLeavesOnlyThatSampleSilent) {
  std::remove(SamplePath(9).c_str());  // gun2
  std::vector<uint8_t> damaged = test::PcmWav(100);
  damaged.resize(damaged.size() / 2);
  test::WriteFile(SamplePath(31), damaged);  // win
  SoundBank bank;
  ASSERT_TRUE(bank.Open());
  EXPECT_EQ(bank.LoadSamples(game::PlacesOfProgram(dir_.path())), kSampleCount - 2);
  EXPECT_EQ(bank.samples()[9], nullptr);
  EXPECT_EQ(bank.samples()[31], nullptr);
  EXPECT_NE(bank.load_error(9).find("missing"), std::string::npos) << bank.load_error(9);
  EXPECT_NE(bank.load_error(31), "");
  EXPECT_NE(bank.samples()[8], nullptr);
  bank.Play(game::SoundSlot::kGun, 2);
  bank.Play(game::SoundSlot::kWin, 0);
  EXPECT_EQ(Mix_Playing(-1), 0);
  bank.Play(game::SoundSlot::kGun, 1);
  EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(SoundBankTest, SoundsBeyondSixteenAreDropped) {
  test::WriteFile(SamplePath(0), test::PcmWav(22050 * 3));  // three seconds
  SoundBank bank;
  ASSERT_TRUE(bank.Open());
  ASSERT_EQ(bank.LoadSamples(game::PlacesOfProgram(dir_.path())), kSampleCount);
  for (int i = 0; i < 20; ++i) bank.Play(game::SoundSlot::kAlert, 0);
  EXPECT_EQ(Mix_Playing(-1), 16);
  // Indices outside a slot play nothing.
  bank.Play(game::SoundSlot::kShell, 3);
  bank.PlaySample(-1);
  bank.PlaySample(kSampleCount);
  EXPECT_EQ(Mix_Playing(-1), 16);
}

TEST_F(SoundBankTest, CloseFreesEverythingAndTheBankStaysUsable) {
  SoundBank bank;
  ASSERT_TRUE(bank.Open());
  ASSERT_EQ(bank.LoadSamples(game::PlacesOfProgram(dir_.path())), kSampleCount);
  auto kept = bank.samples();  // what the world's resources hold
  bank.Play(game::SoundSlot::kLvlSnd, 0);
  bank.Close();
  EXPECT_FALSE(bank.is_open());
  EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  for (int i = 0; i < kSampleCount; ++i) {
    EXPECT_EQ(bank.samples()[i], nullptr);
    EXPECT_EQ(kept[i]->chunk, nullptr);  // handles kept elsewhere turn silent, not dangling
  }
  bank.Play(game::SoundSlot::kWin, 0);
  bank.Close();
  // Opened again, it loads again.
  ASSERT_TRUE(bank.Open());
  EXPECT_EQ(bank.LoadSamples(game::PlacesOfProgram(dir_.path())), kSampleCount);
}

TEST_F(SoundBankTest, WithoutAnAudioDeviceTheGameRunsSilent) {
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SoundBank bank;
  EXPECT_FALSE(bank.Open());
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_FALSE(bank.is_open());
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  EXPECT_EQ(bank.LoadSamples(game::PlacesOfProgram(dir_.path())), 0);
  for (int i = 0; i < kSampleCount; ++i) EXPECT_EQ(bank.samples()[i], nullptr);
  EXPECT_NE(bank.load_error(0), "");
  bank.Play(game::SoundSlot::kAlert, 0);
  bank.Close();
}

}  // namespace
}  // namespace bv::sound

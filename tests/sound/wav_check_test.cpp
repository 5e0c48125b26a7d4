#include "sound/wav_check.h"

#include <gtest/gtest.h>

#include "sound/wav_writer.h"

namespace bv::sound {
namespace {

using test::Chunk;
using test::FormatBody;
using test::RiffWave;

std::string Check(const std::vector<uint8_t>& bytes) {
  return CheckWav(bytes.data(), bytes.size());
}

TEST(CheckWav, AcceptsPlainFormats) {
  std::vector<uint8_t> extensible = FormatBody(0xFFFE, 2, 44100, 16);
  test::PutLe(extensible, 22, 2);  // extra size
  test::PutLe(extensible, 16, 2);  // valid bits
  test::PutLe(extensible, 3, 4);   // channel mask
  test::PutLe(extensible, 1, 2);   // sub-format: PCM
  extensible.resize(40, 0);
  struct {
    const char* what;
    std::vector<uint8_t> file;
  } cases[] = {
      {"16-bit mono", test::PcmWav(100)},
      {"16-bit stereo 44100", test::PcmWav(100, 44100, 2)},
      {"8-bit",
       RiffWave({{"fmt ", FormatBody(1, 1, 11025, 8)}, {"data", std::vector<uint8_t>(101)}})},
      {"24-bit",
       RiffWave({{"fmt ", FormatBody(1, 1, 22050, 24)}, {"data", std::vector<uint8_t>(30)}})},
      {"float",
       RiffWave({{"fmt ", FormatBody(3, 1, 22050, 32)}, {"data", std::vector<uint8_t>(40)}})},
      {"extensible", RiffWave({{"fmt ", extensible}, {"data", std::vector<uint8_t>(40)}})},
      {"odd chunk before the data", RiffWave({{"fmt ", FormatBody(1, 1, 22050, 16)},
                                              {"LIST", std::vector<uint8_t>(5)},
                                              {"data", std::vector<uint8_t>(20)}})},
      {"a minute",
       RiffWave({{"fmt ", FormatBody(1, 1, 8000, 8)}, {"data", std::vector<uint8_t>(8000 * 60)}})},
  };
  for (const auto& c : cases) EXPECT_EQ(Check(c.file), "") << c.what;
}

TEST(CheckWav, RefusesDamagedAndOversizedFiles) {
  std::vector<uint8_t> truncated = test::PcmWav(100);
  truncated.resize(truncated.size() - 10);
  std::vector<uint8_t> not_riff = test::PcmWav(10);
  not_riff[0] = 'X';
  struct {
    const char* what;
    std::vector<uint8_t> file;
  } cases[] = {
      {"empty", {}},
      {"not RIFF", not_riff},
      {"data cut short", truncated},
      {"data claims 4 GB", RiffWave({{"fmt ", FormatBody(1, 1, 22050, 16)},
                                     {"data", std::vector<uint8_t>(8), 0xFFFFFFF0}})},
      {"one frame per second for an hour",
       RiffWave({{"fmt ", FormatBody(1, 1, 1, 8)}, {"data", std::vector<uint8_t>(3600)}})},
      {"over a minute", RiffWave({{"fmt ", FormatBody(1, 1, 8000, 8)},
                                  {"data", std::vector<uint8_t>(8000 * 60 + 8)}})},
      {"no channels",
       RiffWave({{"fmt ", FormatBody(1, 0, 22050, 16)}, {"data", std::vector<uint8_t>(8)}})},
      {"nine channels",
       RiffWave({{"fmt ", FormatBody(1, 9, 22050, 16)}, {"data", std::vector<uint8_t>(18)}})},
      {"rate 0", RiffWave({{"fmt ", FormatBody(1, 1, 0, 16)}, {"data", std::vector<uint8_t>(8)}})},
      {"12-bit",
       RiffWave({{"fmt ", FormatBody(1, 1, 22050, 12)}, {"data", std::vector<uint8_t>(8)}})},
      {"compressed",
       RiffWave({{"fmt ", FormatBody(2, 1, 22050, 4)}, {"data", std::vector<uint8_t>(8)}})},
      {"format too short",
       RiffWave({{"fmt ", std::vector<uint8_t>(10)}, {"data", std::vector<uint8_t>(8)}})},
      {"no format", RiffWave({{"data", std::vector<uint8_t>(8)}})},
      {"no data", RiffWave({{"fmt ", FormatBody(1, 1, 22050, 16)}})},
      {"data before format",
       RiffWave({{"data", std::vector<uint8_t>(8)}, {"fmt ", FormatBody(1, 1, 22050, 16)}})},
      {"two data chunks", RiffWave({{"fmt ", FormatBody(1, 1, 22050, 16)},
                                    {"data", std::vector<uint8_t>(8)},
                                    {"data", std::vector<uint8_t>(8)}})},
      {"two formats", RiffWave({{"fmt ", FormatBody(1, 1, 22050, 16)},
                                {"fmt ", FormatBody(1, 1, 1, 16)},
                                {"data", std::vector<uint8_t>(8)}})},
  };
  for (const auto& c : cases) EXPECT_NE(Check(c.file), "") << c.what;

  std::vector<uint8_t> huge = test::PcmWav(10);
  huge.resize(kMaxWavFileBytes + 1, 0);
  EXPECT_NE(Check(huge), "");
}

}  // namespace
}  // namespace bv::sound

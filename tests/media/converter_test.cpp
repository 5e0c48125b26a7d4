#include "media/converter.h"

#include <gtest/gtest.h>

#include <string>

#include "media/error_codes.h"
#include "media/pixel_format.h"

namespace bv::media {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) {
  return std::vector<uint8_t>(s.begin(), s.end());
}

TEST(Crc32, MatchesZlibCheckValues) {
  const std::vector<uint8_t> digits = Bytes("123456789");
  EXPECT_EQ(PcCrc32(digits.data(), digits.size()), 0xCBF43926u);
  EXPECT_EQ(PcCrc32(nullptr, 0), 0u);
}

TEST(BlockCoding, RoundTripsInBothModes) {
  std::vector<uint8_t> data;
  for (int i = 0; i < 5000; ++i) data.push_back(static_cast<uint8_t>(i * 7 % 13));
  for (int32_t mode : {kBlockStored, kBlockDeflate}) {
    for (size_t len : {size_t{0}, size_t{1}, data.size()}) {
      std::vector<uint8_t> stored;
      ASSERT_EQ(PcEncodeBlock(data.data(), len, mode, &stored), kOk) << mode;
      std::vector<uint8_t> out(len);
      size_t got = 99;
      ASSERT_EQ(PcDecodeBlock(stored.data(), stored.size(), out.data(), out.size(), mode, &got),
                kOk)
          << mode << " " << len;
      EXPECT_EQ(got, len);
      EXPECT_TRUE(std::equal(out.begin(), out.end(), data.begin())) << mode << " " << len;
    }
  }
}

TEST(BlockCoding, RefusesWhatItCannotDecodeWithoutWritingPastTheBuffer) {
  std::vector<uint8_t> data(1000, 'x');
  std::vector<uint8_t> deflated;
  ASSERT_EQ(PcEncodeBlock(data.data(), data.size(), kBlockDeflate, &deflated), kOk);

  // One guard byte after a too-small destination must stay untouched.
  std::vector<uint8_t> small(100 + 1, 0xAB);
  size_t got = 0;
  EXPECT_EQ(PcDecodeBlock(deflated.data(), deflated.size(), small.data(), 100, kBlockDeflate, &got),
            kErrRecordCorrupt);
  EXPECT_EQ(small[100], 0xAB);
  EXPECT_EQ(PcDecodeBlock(data.data(), data.size(), small.data(), 100, kBlockStored, &got),
            kErrRecordCorrupt);

  std::vector<uint8_t> out(data.size());
  // Truncated stream, garbage, enciphered and unknown modes.
  EXPECT_EQ(PcDecodeBlock(deflated.data(), deflated.size() / 2, out.data(), out.size(),
                          kBlockDeflate, &got),
            kErrRecordCorrupt);
  EXPECT_EQ(PcDecodeBlock(data.data(), data.size(), out.data(), out.size(), kBlockDeflate, &got),
            kErrRecordCorrupt);
  for (int32_t mode : {2, 3, 4, -1, 255})
    EXPECT_EQ(PcDecodeBlock(deflated.data(), deflated.size(), out.data(), out.size(), mode, &got),
              kErrRecordCorrupt)
        << mode;
  std::vector<uint8_t> stored;
  EXPECT_EQ(PcEncodeBlock(data.data(), data.size(), kBlockEnciphered, &stored), kErrInvalidCall);
}

TEST(BlockCoding, MostDecodedBytesOfAPayload) {
  EXPECT_EQ(PcMaxDecodedLength(kBlockStored, 10), 10u);
  EXPECT_EQ(PcMaxDecodedLength(kBlockDeflate, 10), 10u * 1032 + 1024);
  EXPECT_EQ(PcMaxDecodedLength(kBlockEnciphered, 10), 0u);
  // Deflate's best case stays within the bound.
  std::vector<uint8_t> zeros(1 << 20, 0);
  std::vector<uint8_t> stored;
  ASSERT_EQ(PcEncodeBlock(zeros.data(), zeros.size(), kBlockDeflate, &stored), kOk);
  EXPECT_LE(zeros.size(), PcMaxDecodedLength(kBlockDeflate, stored.size()));
}

TEST(PixelFormats, AcceptedFormatsAndTheirSizes) {
  struct {
    int32_t format;
    int bytes;
  } cases[] = {{20, 0}, {21, 4}, {22, 4}, {23, 2}, {24, 2}, {25, 2}, {26, 2},
               {27, 1}, {28, 0}, {29, 2}, {30, 2}, {31, 0}, {0, 0},  {-21, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(BytesPerPixel(c.format), c.bytes) << c.format;
    EXPECT_EQ(IsAcceptedFormat(c.format), c.bytes != 0) << c.format;
  }
}

TEST(LineConv, CopiesArgbAndMakesXrgbOpaque) {
  const uint32_t src[3] = {0x12345678u, 0x00FF0000u, 0x80000000u};
  uint32_t dst[3] = {};
  ASSERT_EQ(PcLineConv(src, dst, 3, kFormatA8R8G8B8, kFormatA8R8G8B8), kOk);
  EXPECT_EQ(dst[0], 0x12345678u);
  EXPECT_EQ(dst[2], 0x80000000u);
  ASSERT_EQ(PcLineConv(src, dst, 3, kFormatX8R8G8B8, kFormatA8R8G8B8), kOk);
  EXPECT_EQ(dst[0], 0xFF345678u);
  EXPECT_EQ(dst[1], 0xFFFF0000u);
  EXPECT_EQ(dst[2], 0xFF000000u);
}

TEST(LineConv, NarrowsAndWidensEveryAcceptedFormat) {
  // Opaque red, translucent white and black, through each format and back.
  struct {
    int32_t format;
    uint32_t red;                 // packed value of 0xFFFF0000
    uint32_t back_of_half_white;  // 0x80FFFFFF there and back
  } cases[] = {
      {kFormatR5G6B5, 0xF800, 0xFFFFFFFFu},   {kFormatX1R5G5B5, 0xFC00, 0xFFFFFFFFu},
      {kFormatA1R5G5B5, 0xFC00, 0xFFFFFFFFu}, {kFormatA4R4G4B4, 0xFF00, 0x88FFFFFFu},
      {kFormatR3G3B2, 0xE0, 0xFFFFFFFFu},     {kFormatA8R3G3B2, 0xFFE0, 0x80FFFFFFu},
      {kFormatX4R4G4B4, 0xFF00, 0xFFFFFFFFu}, {kFormatX8R8G8B8, 0xFFFF0000u, 0xFFFFFFFFu},
  };
  for (const auto& c : cases) {
    const uint32_t in[3] = {0xFFFF0000u, 0x80FFFFFFu, 0xFF000000u};
    uint8_t packed[12] = {};
    ASSERT_EQ(PcLineConv(in, packed, 3, kFormatA8R8G8B8, c.format), kOk) << c.format;
    const int n = BytesPerPixel(c.format);
    uint32_t first = 0;
    for (int i = 0; i < n; ++i) first |= static_cast<uint32_t>(packed[i]) << (8 * i);
    EXPECT_EQ(first, c.red) << c.format;
    uint32_t back[3] = {};
    ASSERT_EQ(PcLineConv(packed, back, 3, c.format, kFormatA8R8G8B8), kOk) << c.format;
    EXPECT_EQ(back[0], 0xFFFF0000u) << c.format;
    EXPECT_EQ(back[1], c.back_of_half_white) << c.format;
    EXPECT_EQ(back[2], 0xFF000000u) << c.format;
  }
}

TEST(LineConv, RefusesFormatsOutsideTheTable) {
  uint32_t px = 0;
  EXPECT_EQ(PcLineConv(&px, &px, 1, kFormatA8, kFormatA8R8G8B8), kErrFormat);
  EXPECT_EQ(PcLineConv(&px, &px, 1, kFormatA8R8G8B8, 31), kErrFormat);
  EXPECT_EQ(PcLineConv(&px, &px, -1, kFormatA8R8G8B8, kFormatA8R8G8B8), kErrInvalidCall);
  EXPECT_EQ(PcLineConv(nullptr, nullptr, 0, kFormatA8R8G8B8, kFormatR5G6B5), kOk);
}

TEST(Converter, AvailabilitySwitch) {
  EXPECT_TRUE(ConverterAvailable());
  SetConverterAvailable(false);
  EXPECT_FALSE(ConverterAvailable());
  SetConverterAvailable(true);
  EXPECT_TRUE(ConverterAvailable());
}

}  // namespace
}  // namespace bv::media

#include "media/tga_reader.h"

#include <gtest/gtest.h>

#include "media/picture_bytes.h"
#include "support/temp_dir.h"

namespace bv::media {
namespace {

using test::Tga;
using test::TgaHeader;

Bitmap Decode(const std::vector<uint8_t>& b) {
  return DecodeTga(b.data(), b.size(), "pic.tga");
}

std::string MessageOf(const std::vector<uint8_t>& b) {
  try {
    Decode(b);
  } catch (const ImageFileError& e) {
    return std::string("file: ") + e.what();
  } catch (const ImageReadError& e) {
    return e.what();
  }
  return "no error";
}

TEST(TgaReader, RowOrderFollowsDescriptorBitFive) {
  const std::vector<uint32_t> stored = {0x010203, 0x040506, 0x0A0B0C, 0x0D0E0F};
  Bitmap bottom_first = Decode(Tga({0, 0, 2, 2, 2, 24, 0}, stored));
  EXPECT_FALSE(bottom_first.has_alpha);
  EXPECT_EQ(bottom_first.pixels, (std::vector<uint32_t>{0x0A0B0C, 0x0D0E0F, 0x010203, 0x040506}));
  Bitmap top_first = Decode(Tga({0, 0, 2, 2, 2, 24, 32}, stored));
  EXPECT_EQ(top_first.pixels, stored);
  // Descriptor bits 0..3 (alpha bits) are ignored.
  EXPECT_EQ(Decode(Tga({0, 0, 2, 2, 2, 24, 32 + 8}, stored)).pixels, stored);
}

TEST(TgaReader, ThirtyTwoBitKeepsAlphaAndTheIdFieldIsSkipped) {
  const std::vector<uint32_t> stored = {0x80FF0000u, 0x00000001u, 0xFF00FF00u};
  Bitmap b = Decode(Tga({5, 0, 2, 3, 1, 32, 32}, stored));
  EXPECT_TRUE(b.has_alpha);
  EXPECT_EQ(b.width, 3);
  EXPECT_EQ(b.height, 1);
  EXPECT_EQ(b.pixels, stored);
}

TEST(TgaReader, RunLengthPackets) {
  struct {
    const char* what;
    uint16_t width, height;
    std::vector<uint8_t> packets;  // 24-bit: a pixel is three bytes b g r
    std::vector<uint32_t> top_down;
  } cases[] = {
      {"repeat 131 gives four equal",
       4,
       1,
       {131, 1, 2, 3},
       {0x030201, 0x030201, 0x030201, 0x030201}},
      {"raw 3 gives four values", 4, 1, {3, 1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0}, {1, 2, 3, 4}},
      {"packets run across rows", 2, 2, {129, 9, 0, 0, 129, 7, 0, 0}, {7, 7, 9, 9}},
      {"repeat past the picture is cut", 2, 1, {255, 5, 0, 0}, {5, 5}},
      {"raw past the picture is cut, its excess may be absent",
       2,
       1,
       {5, 1, 0, 0, 2, 0, 0},
       {1, 2}},
      {"mixed", 3, 1, {0, 1, 0, 0, 129, 2, 0, 0}, {1, 2, 2}},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> b = test::TgaHeaderBytes({0, 0, 10, c.width, c.height, 24, 0});
    b.insert(b.end(), c.packets.begin(), c.packets.end());
    Bitmap got = Decode(b);
    EXPECT_EQ(got.pixels, c.top_down) << c.what;
  }
  // 32-bit packets carry alpha.
  std::vector<uint8_t> b = test::TgaHeaderBytes({0, 0, 10, 2, 1, 32, 32});
  b.insert(b.end(), {129, 1, 2, 3, 0x40});
  EXPECT_EQ(Decode(b).pixels, (std::vector<uint32_t>{0x40030201u, 0x40030201u}));
}

TEST(TgaReader, RefusedPicturesInTheirOrder) {
  struct {
    const char* what;
    TgaHeader header;
    const char* message;
  } cases[] = {
      {"grey-scale", {0, 0, 3, 1, 1, 8, 0}, kTgaNotTrueColor},
      {"colour-mapped type", {0, 1, 1, 1, 1, 8, 0}, kTgaNotTrueColor},
      {"no picture", {0, 0, 0, 1, 1, 24, 0}, kTgaNotTrueColor},
      {"run-length grey", {0, 0, 11, 1, 1, 24, 0}, kTgaNotTrueColor},
      {"true colour with a colour map", {0, 1, 2, 1, 1, 24, 0}, kTgaColorMapped},
      {"16-bit", {0, 0, 2, 1, 1, 16, 0}, kTgaBadDepth},
      {"8-bit", {0, 0, 10, 1, 1, 8, 0}, kTgaBadDepth},
      {"mirrored and 16-bit", {0, 0, 2, 1, 1, 16, 16}, kTgaBadDepth},
      {"right to left", {0, 0, 2, 1, 1, 24, 16}, kTgaMirrored},
      {"right to left, top first", {0, 0, 2, 1, 1, 32, 48}, kTgaMirrored},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MessageOf(Tga(c.header, {0, 0, 0, 0})), c.message) << c.what;
}

TEST(TgaReader, ShortFilesAreFileErrors) {
  std::vector<uint8_t> full = Tga({3, 0, 2, 2, 2, 32, 0}, {1, 2, 3, 4});
  for (size_t cut : {size_t{0}, size_t{17}, size_t{18}, size_t{20}, full.size() - 1}) {
    std::vector<uint8_t> b(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(MessageOf(b), "file: File \"pic.tga\" ends before the picture it announces") << cut;
  }
  std::vector<uint8_t> rle = test::TgaHeaderBytes({0, 0, 10, 4, 1, 24, 0});
  EXPECT_EQ(MessageOf(rle).rfind("file: ", 0), 0u);  // no packets at all
  rle.insert(rle.end(), {130, 1, 2});                // repeat packet missing a byte
  EXPECT_EQ(MessageOf(rle).rfind("file: ", 0), 0u);
  rle.back() = 3;
  rle.push_back(4);  // three pixels, the fourth never comes
  EXPECT_EQ(MessageOf(rle).rfind("file: ", 0), 0u);
  rle.insert(rle.end(), {1, 1, 1});  // raw packet for the last pixel, one byte short
  EXPECT_EQ(MessageOf(rle).rfind("file: ", 0), 0u);
}

TEST(TgaReader, ZeroSizedPictureIsEmpty) {
  Bitmap b = Decode(Tga({0, 0, 10, 0, 7, 24, 0}, {}));
  EXPECT_EQ(b.width, 0);
  EXPECT_EQ(b.height, 7);
  EXPECT_TRUE(b.pixels.empty());
}

TEST(TgaReader, HugePicturesAreRefusedBeforeAllocating) {
  // 65535 x 65535 at 32 bits is 16 GiB; a few packet bytes must not make us try.
  std::vector<uint8_t> b = test::TgaHeaderBytes({0, 0, 10, 65535, 65535, 32, 0});
  b.insert(b.end(), {255, 1, 2, 3, 4});
  EXPECT_EQ(MessageOf(b), "TGA picture is too large (65535 x 65535)");
  // 4096 x 4096 at 32 bits is exactly the bound; a larger one is refused.
  std::vector<uint8_t> edge = test::TgaHeaderBytes({0, 0, 10, 4096, 4097, 32, 0});
  EXPECT_EQ(MessageOf(edge), "TGA picture is too large (4096 x 4097)");
  // Within the bound, but the packets present could not fill it: a file error.
  std::vector<uint8_t> claim = test::TgaHeaderBytes({0, 0, 10, 4096, 4096, 32, 0});
  claim.insert(claim.end(), {255, 1, 2, 3, 4});
  EXPECT_EQ(MessageOf(claim).rfind("file: ", 0), 0u);
}

TEST(TgaReader, FilesOnDisk) {
  test::TempDir dir;
  const std::string path = dir.File("data/objects/0.tga");
  try {
    ReadTgaFile(path);
    ADD_FAILURE() << "missing file read";
  } catch (const ImageFileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\"");
  }
  test::WriteBytes(path, Tga({0, 0, 2, 1, 1, 24, 0}, {0x123456}));
  EXPECT_EQ(ReadTgaFile(path).pixels, std::vector<uint32_t>{0x123456});
  EXPECT_THROW(ReadTgaFile(dir.path()), ImageFileError);
}

}  // namespace
}  // namespace bv::media

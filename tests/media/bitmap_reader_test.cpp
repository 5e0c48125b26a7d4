#include "media/bitmap_reader.h"

#include <gtest/gtest.h>
#include <SDL.h>

#include <algorithm>

#include "media/error_codes.h"
#include "media/pattern_pages.h"
#include "media/picture_bytes.h"
#include "media/pixel_format.h"
#include "media/tga_reader.h"
#include "support/temp_dir.h"

namespace bv::media {
namespace {

using test::Bmp;

TEST(WindowsBitmap, TwentyFourBitIsOpaque) {
  const std::vector<uint32_t> px = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
  std::vector<uint8_t> file = Bmp(3, 2, 24, px);
  Bitmap b = DecodeWindowsBitmap(file.data(), file.size(), "t.bmp");
  EXPECT_FALSE(b.has_alpha);
  EXPECT_EQ(b.width, 3);
  EXPECT_EQ(b.height, 2);
  EXPECT_EQ(b.pixels, px);
}

TEST(WindowsBitmap, ThirtyTwoBitTakesItsFourthByteAsAlpha) {
  const std::vector<uint32_t> px = {0x80112233u, 0xFF445566u, 0x10778899u, 0x00AABBCCu};
  std::vector<uint8_t> file = Bmp(2, 2, 32, px);
  Bitmap b = DecodeWindowsBitmap(file.data(), file.size(), "t.bmp");
  EXPECT_TRUE(b.has_alpha);
  EXPECT_EQ(b.pixels, px);
}

TEST(WindowsBitmap, ThirtyTwoBitWithAllAlphaZeroStaysTransparent) {
  const std::vector<uint32_t> px = {0x00112233u, 0x00445566u};
  std::vector<uint8_t> file = Bmp(2, 1, 32, px);
  Bitmap b = DecodeWindowsBitmap(file.data(), file.size(), "t.bmp");
  EXPECT_TRUE(b.has_alpha);
  EXPECT_EQ(b.pixels, px);
  // Also for a top-down file (negative height).
  std::vector<uint8_t> top_down = Bmp(1, 2, 32, {0x00000001u, 0x00000002u});
  test::PutU32(top_down, 22, static_cast<uint32_t>(-2));
  EXPECT_EQ(DecodeWindowsBitmap(top_down.data(), top_down.size(), "t.bmp").pixels,
            (std::vector<uint32_t>{0x00000002u, 0x00000001u}));
}

TEST(WindowsBitmap, BrokenFilesRaiseTheirMessage) {
  std::vector<uint8_t> good = Bmp(2, 2, 24, {1, 2, 3, 4});
  struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"not a bitmap", {'G', 'I', 'F', '8', '9', 'a', 0, 0}},
      {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 30)},
      {"pixels cut", std::vector<uint8_t>(good.begin(), good.end() - 7)},
  };
  for (const auto& c : cases) {
    try {
      DecodeWindowsBitmap(c.bytes.data(), c.bytes.size(), "t.bmp");
      ADD_FAILURE() << c.what << " was read";
    } catch (const ImageReadError& e) {
      EXPECT_NE(std::string(e.what()).find("t.bmp"), std::string::npos) << c.what;
    }
  }
}

TEST(WindowsBitmap, HugeDeclaredSizesAreRefusedBeforeAllocating) {
  for (uint32_t w : {40000u, 0x7FFFFFFFu, 0x80000000u}) {
    std::vector<uint8_t> file = Bmp(2, 2, 32, {1, 2, 3, 4});
    test::PutU32(file, 18, w);
    test::PutU32(file, 22, 40000);
    EXPECT_THROW(DecodeWindowsBitmap(file.data(), file.size(), "t.bmp"), ImageReadError) << w;
  }
}

// SDL's allocations pass through here during a decode, so a test sees the
// largest block a file made SDL ask for.
struct LargestSdlBlock {
  static inline SDL_malloc_func malloc_fn;
  static inline SDL_calloc_func calloc_fn;
  static inline SDL_realloc_func realloc_fn;
  static inline SDL_free_func free_fn;
  static inline size_t largest = 0;
  static void* Malloc(size_t n) {
    largest = std::max(largest, n);
    return malloc_fn(n);
  }
  static void* Calloc(size_t n, size_t each) {
    largest = std::max(largest, n * each);
    return calloc_fn(n, each);
  }
  static void* Realloc(void* p, size_t n) {
    largest = std::max(largest, n);
    return realloc_fn(p, n);
  }
  static void Free(void* p) { free_fn(p); }

  LargestSdlBlock() {
    SDL_GetMemoryFunctions(&malloc_fn, &calloc_fn, &realloc_fn, &free_fn);
    largest = 0;
    SDL_SetMemoryFunctions(Malloc, Calloc, Realloc, Free);
  }
  ~LargestSdlBlock() { SDL_SetMemoryFunctions(malloc_fn, calloc_fn, realloc_fn, free_fn); }
};

// A file cut off after its header must not be taken for a picture of the
// claimed size with the missing pixels made up.
TEST(WindowsBitmap, AFileTooShortForItsPixelsIsRefusedBeforeAllocating) {
  // 31 bytes: a core header claiming 61990 x 256 at 24 bits, then 5 bytes.
  std::vector<uint8_t> core(31, 0);
  core[0] = 'B';
  core[1] = 'M';
  test::PutU32(core, 2, 31);
  test::PutU32(core, 10, 26);
  test::PutU32(core, 14, 12);
  test::PutU16(core, 18, 61990);
  test::PutU16(core, 20, 256);
  test::PutU16(core, 22, 1);
  test::PutU16(core, 24, 24);

  std::vector<uint8_t> info = Bmp(4, 3, 32, std::vector<uint32_t>(12, 0xFF000000u));
  const std::vector<uint8_t> info_cut(info.begin(), info.end() - 1);
  std::vector<uint8_t> fields = Bmp(2, 2, 32, {1, 2, 3, 4});
  test::PutU32(fields, 30, 3);  // bit fields: still whole rows
  test::PutU32(fields, 22, 200);
  std::vector<uint8_t> top_down = Bmp(2, 2, 24, {1, 2, 3, 4});
  test::PutU32(top_down, 22, static_cast<uint32_t>(-300));
  std::vector<uint8_t> far_offset = Bmp(2, 2, 24, {1, 2, 3, 4});
  test::PutU32(far_offset, 10, 0x7FFFFFF0u);
  // 25 bytes: a core header claiming 61990 x 32256, cut inside its depth
  // (SDL used to size a 2 GB surface by it).
  std::vector<uint8_t> core_cut(core.begin(), core.begin() + 25);
  test::PutU16(core_cut, 20, 32256);
  // An info header cut before its depth and compression.
  std::vector<uint8_t> info_header_cut(info.begin(), info.begin() + 30);
  test::PutU32(info_header_cut, 18, 20000);
  test::PutU32(info_header_cut, 22, 20000);

  struct {
    const char* what;
    const std::vector<uint8_t>& bytes;
  } cases[] = {{"core header", core},       {"last byte missing", info_cut},
               {"bit fields", fields},      {"top-down", top_down},
               {"pixels past the end", far_offset}, {"core header cut", core_cut},
               {"info header cut", info_header_cut}};
  for (const auto& c : cases) {
    LargestSdlBlock sdl;
    try {
      DecodeWindowsBitmap(c.bytes.data(), c.bytes.size(), "short.bmp");
      ADD_FAILURE() << c.what << " was read";
    } catch (const ImageReadError& e) {
      EXPECT_NE(std::string(e.what()).find("short.bmp"), std::string::npos) << c.what;
    }
    EXPECT_LT(sdl.largest, 64u * 1024) << c.what;
  }
  EXPECT_EQ(DecodeWindowsBitmap(info.data(), info.size(), "t.bmp").width, 4);
}

TEST(BitmapReader, ChoosesTheReaderByExtension) {
  EXPECT_TRUE(HasTgaExtension("a.tga"));
  EXPECT_TRUE(HasTgaExtension("/x/A.TGA"));
  EXPECT_TRUE(HasTgaExtension("b.TgA"));
  EXPECT_FALSE(HasTgaExtension("a.bmp"));
  EXPECT_FALSE(HasTgaExtension("tga"));
  EXPECT_FALSE(HasTgaExtension("a.tga.bmp"));

  test::TempDir dir;
  const std::vector<uint8_t> tga = test::Tga({0, 0, 2, 1, 1, 32, 0}, {0x80010203u});
  test::WriteBytes(dir.File("upper.TGA"), tga);
  EXPECT_EQ(ReadBitmapFile(dir.File("upper.TGA")).pixels, std::vector<uint32_t>{0x80010203u});
  // A TGA under another name goes to the bitmap reader, which refuses it.
  test::WriteBytes(dir.File("tga.bmp"), tga);
  EXPECT_THROW(ReadBitmapFile(dir.File("tga.bmp")), ImageReadError);
  // A 16-bit TGA fails with the TGA reader's text.
  test::WriteBytes(dir.File("deep.tga"), test::Tga({0, 0, 2, 1, 1, 16, 0}, {}));
  try {
    ReadBitmapFile(dir.File("deep.tga"));
    ADD_FAILURE();
  } catch (const ImageReadError& e) {
    EXPECT_STREQ(e.what(), kTgaBadDepth);
  }
  try {
    ReadBitmapFile(dir.File("data/textures/7.bmp"));
    ADD_FAILURE();
  } catch (const ImageFileError& e) {
    EXPECT_NE(std::string(e.what()).find("data/textures/7.bmp"), std::string::npos);
  }
}

TEST(BitmapReader, GameTileThroughPatternPages) {
  // A 64x64 24-bit tile as the game loads it: one 50x50 pattern in a 64x64 texture.
  test::TempDir dir;
  std::vector<uint32_t> px(64 * 64);
  for (size_t i = 0; i < px.size(); ++i) px[i] = static_cast<uint32_t>(i);
  test::WriteBytes(dir.File("data/textures/0.bmp"), Bmp(64, 64, 24, px));
  PatternPages img;
  ASSERT_EQ(img.LoadFromFile(dir.File("data/textures/0.bmp"), 50, 50, 64, 64,
                             media::kFormatA8R8G8B8, ReadBitmapFile),
            kOk);
  EXPECT_EQ(img.pattern_count(), 1);
  EXPECT_EQ(img.PixelAt(0, 49, 49), 0xFF000000u | (49 * 64 + 49));
  EXPECT_EQ(img.PixelAt(0, 50, 0), 0u);
}

}  // namespace
}  // namespace bv::media

#include "media/pattern_pages.h"

#include <gtest/gtest.h>

#include "media/converter.h"
#include "media/error_codes.h"
#include "media/picture_bytes.h"
#include "media/pixel_format.h"
#include "media/raw_image.h"
#include "media/record_archive.h"
#include "support/temp_dir.h"

namespace bv::media {
namespace {

// Every pixel tells where it came from: 0xAA yy xx, alpha AA.
Bitmap Picture(int32_t w, int32_t h, bool has_alpha, uint32_t alpha = 0x80) {
  Bitmap b;
  b.width = w;
  b.height = h;
  b.has_alpha = has_alpha;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      b.pixels.push_back((has_alpha ? alpha : 0u) << 24 | static_cast<uint32_t>(y) << 8 |
                         static_cast<uint32_t>(x));
  return b;
}

uint32_t Source(int32_t x, int32_t y, uint32_t alpha) {
  return alpha << 24 | static_cast<uint32_t>(y) << 8 | static_cast<uint32_t>(x);
}

TEST(PatternPages, HundredByFiftyInFiftySquaresGivesTwoOpaqueTextures) {
  PatternPages img;
  ASSERT_EQ(img.LoadFromBitmap(Picture(100, 50, false), 50, 50, 64, 64, kFormatA8R8G8B8), kOk);
  EXPECT_TRUE(img.loaded());
  EXPECT_EQ(img.pattern_count(), 2);
  EXPECT_EQ(img.texture_count(), 2);
  EXPECT_EQ(img.patterns_per_texture(), 1);
  ASSERT_EQ(img.page(0).size(), 64u * 64u * 4u);
  for (int t = 0; t < 2; ++t)
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x) {
        const uint32_t want = (x < 50 && y < 50) ? Source(t * 50 + x, y, 0xFF) : 0u;
        ASSERT_EQ(img.PixelAt(t, x, y), want) << t << " " << x << " " << y;
      }
}

TEST(PatternPages, CountsAndRefusals) {
  struct {
    const char* what;
    int32_t w, h, pw, ph, tw, th;
    int32_t code, patterns, textures;
  } cases[] = {
      {"right columns unused", 120, 50, 50, 50, 64, 64, kOk, 2, 2},
      {"zero pattern is the whole picture", 120, 50, 0, 0, 128, 64, kOk, 1, 1},
      {"zero width only", 120, 50, 0, 25, 128, 64, kOk, 2, 1},
      {"bar", 100, 4, 100, 4, 128, 4, kOk, 1, 1},
      {"bar into a small texture", 100, 4, 100, 4, 64, 64, kErrInvalidCall, 0, 0},
      {"pattern taller than the texture", 50, 50, 50, 50, 64, 32, kErrInvalidCall, 0, 0},
      {"pattern wider than the picture", 40, 50, 50, 50, 64, 64, kErrInvalidCall, 0, 0},
      {"pattern taller than the picture", 50, 40, 50, 50, 64, 64, kErrInvalidCall, 0, 0},
      {"negative pattern", 50, 50, -5, 50, 64, 64, kErrInvalidCall, 0, 0},
      {"negative texture", 50, 50, 50, 50, -64, 64, kErrInvalidCall, 0, 0},
      {"zero-sized picture", 0, 0, 0, 0, 64, 64, kErrInvalidCall, 0, 0},
      {"zero-height picture", 10, 0, 0, 0, 64, 64, kErrInvalidCall, 0, 0},
      {"eight per texture, nine patterns", 90, 10, 10, 10, 40, 20, kOk, 9, 2},
      {"texture pages beyond 64 MiB", 10, 10, 10, 10, 1 << 16, 1 << 16, kErrCreateTexture, 0, 0},
      {"texture size overflowing", 10, 10, 10, 10, INT32_MAX, INT32_MAX, kErrCreateTexture, 0, 0},
  };
  for (const auto& c : cases) {
    PatternPages img;
    EXPECT_EQ(
        img.LoadFromBitmap(Picture(c.w, c.h, true), c.pw, c.ph, c.tw, c.th, media::kFormatA8R8G8B8),
        c.code)
        << c.what;
    EXPECT_EQ(img.loaded(), c.code == kOk) << c.what;
    EXPECT_EQ(img.pattern_count(), c.patterns) << c.what;
    EXPECT_EQ(img.texture_count(), c.textures) << c.what;
  }
}

TEST(PatternPages, PackingRuleAndUntouchedSlots) {
  // Nine 10x10 patterns from a 90x10 strip into 40x20 textures (4 across, 2 down).
  PatternPages img;
  ASSERT_EQ(img.LoadFromBitmap(Picture(90, 10, true), 10, 10, 40, 20, kFormatA8R8G8B8), kOk);
  EXPECT_EQ(img.patterns_per_row(), 4);
  EXPECT_EQ(img.patterns_per_column(), 2);
  for (int32_t p = 0; p < 16; ++p) {
    const PatternPlace at = img.PlaceOf(p);
    EXPECT_EQ(at.texture, p / 8) << p;
    EXPECT_EQ(at.x, p % 8 % 4 * 10) << p;
    EXPECT_EQ(at.y, p % 8 / 4 * 10) << p;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        const uint32_t want = p < 9 ? Source(p * 10 + x, y, 0x80) : 0u;
        ASSERT_EQ(img.PixelAt(at.texture, at.x + x, at.y + y), want) << p;
      }
  }
}

TEST(PatternPages, PatternsComeRowByRowFromThePicture) {
  // A 3x2 grid of 4x4 patterns: pattern 4 is column 1 of row 1.
  PatternPages img;
  ASSERT_EQ(img.LoadFromBitmap(Picture(13, 9, true), 4, 4, 4, 4, kFormatA8R8G8B8), kOk);
  EXPECT_EQ(img.pattern_count(), 6);
  EXPECT_EQ(img.PixelAt(4, 0, 0), Source(4, 4, 0x80));
  EXPECT_EQ(img.PixelAt(5, 3, 3), Source(11, 7, 0x80));
}

TEST(PatternPages, AlphaKeptOnlyForPicturesThatHaveIt) {
  PatternPages with, without;
  ASSERT_EQ(with.LoadFromBitmap(Picture(2, 2, true, 0x10), 0, 0, 2, 2, media::kFormatA8R8G8B8),
            kOk);
  ASSERT_EQ(without.LoadFromBitmap(Picture(2, 2, false), 0, 0, 2, 2, media::kFormatA8R8G8B8), kOk);
  EXPECT_EQ(with.PixelAt(0, 1, 1), Source(1, 1, 0x10));
  EXPECT_EQ(without.PixelAt(0, 1, 1), Source(1, 1, 0xFF));
}

TEST(PatternPages, OtherFormatsHoldTheirOwnPixelSize) {
  PatternPages img;
  ASSERT_EQ(img.LoadFromBitmap(Picture(3, 2, false), 0, 0, 4, 2, kFormatR5G6B5), kOk);
  EXPECT_EQ(img.row_pitch(), 8u);
  EXPECT_EQ(img.page(0).size(), 16u);
  EXPECT_EQ(img.format(), kFormatR5G6B5);
}

TEST(PatternPages, StateAndFormatChecks) {
  PatternPages img;
  EXPECT_EQ(img.LoadFromBitmap(Picture(4, 4, true), 0, 0, 4, 4, kFormatA8), kErrFormat);
  EXPECT_EQ(img.LoadFromBitmap(Picture(4, 4, true), 0, 0, 4, 4, 99), kErrFormat);
  Bitmap inconsistent = Picture(4, 4, true);
  inconsistent.pixels.pop_back();
  EXPECT_EQ(img.LoadFromBitmap(inconsistent, 0, 0, 4, 4, media::kFormatA8R8G8B8), kErrInvalidCall);
  ASSERT_EQ(img.LoadFromBitmap(Picture(4, 4, true), 0, 0, 4, 4, media::kFormatA8R8G8B8), kOk);
  // A load on a loaded image fails and leaves it as it was.
  EXPECT_EQ(img.LoadFromBitmap(Picture(8, 8, true), 0, 0, 8, 8, media::kFormatA8R8G8B8),
            kErrInvalidCall);
  EXPECT_EQ(img.texture_width(), 4);
  img.Release();
  EXPECT_FALSE(img.loaded());
  EXPECT_EQ(img.texture_count(), 0);
  EXPECT_EQ(img.LoadFromBitmap(Picture(8, 8, true), 0, 0, 8, 8, media::kFormatA8R8G8B8), kOk);
}

TEST(PatternPages, WithoutTheConverterEveryLoadFails) {
  SetConverterAvailable(false);
  PatternPages img;
  EXPECT_EQ(img.LoadFromBitmap(Picture(4, 4, true), 0, 0, 4, 4, media::kFormatA8R8G8B8),
            kErrConverter);
  bool read = false;
  EXPECT_EQ(img.LoadFromFile("x.tga", 0, 0, 4, 4, media::kFormatA8R8G8B8,
                             [&](const std::string&) {
                               read = true;
                               return Picture(4, 4, true);
                             }),
            kErrConverter);
  EXPECT_FALSE(read);
  PatternPages source;
  SetConverterAvailable(true);
  ASSERT_EQ(source.LoadFromBitmap(Picture(4, 4, true), 0, 0, 4, 4, media::kFormatA8R8G8B8), kOk);
  std::vector<uint8_t> record;
  ASSERT_EQ(BuildRawImage(source, &record), kOk);
  SetConverterAvailable(false);
  EXPECT_EQ(img.LoadFromMemory(record.data(), record.size(), media::kFormatA8R8G8B8),
            kErrConverter);
  EXPECT_FALSE(img.loaded());
  SetConverterAvailable(true);
}

TEST(PatternPages, LoadFromFileChecksBeforeReadingAndPassesReaderErrors) {
  PatternPages img;
  auto failing = [](const std::string& path) -> Bitmap {
    throw ImageFileError("Cannot open file \"" + path + "\"");
  };
  EXPECT_EQ(img.LoadFromFile("a.bmp", 0, 0, 4, 4, kFormatA8, failing), kErrFormat);
  EXPECT_THROW(img.LoadFromFile("a.bmp", 0, 0, 4, 4, media::kFormatA8R8G8B8, failing),
               ImageFileError);
  EXPECT_FALSE(img.loaded());
  auto good = [](const std::string&) { return Picture(100, 50, false); };
  ASSERT_EQ(img.LoadFromFile("a.bmp", 50, 50, 64, 64, media::kFormatA8R8G8B8, good), kOk);
  EXPECT_EQ(img.pattern_count(), 2);
  EXPECT_EQ(img.LoadFromFile("a.bmp", 50, 50, 64, 64, media::kFormatA8R8G8B8, failing),
            kErrInvalidCall);
}

// Raw image records.

std::vector<uint8_t> Record(int32_t tw, int32_t th, int32_t pw, int32_t ph, int32_t count,
                            size_t pixel_bytes) {
  std::vector<uint8_t> r;
  test::AddU32(r, kRawImageMagic);
  for (int32_t v : {tw, th, pw, ph, count}) test::AddU32(r, static_cast<uint32_t>(v));
  for (size_t i = 0; i < pixel_bytes; ++i) r.push_back(static_cast<uint8_t>(i * 13));
  return r;
}

TEST(RawImage, BuiltRecordLoadsBackToTheSamePages) {
  PatternPages source;
  ASSERT_EQ(source.LoadFromBitmap(Picture(90, 10, true), 10, 10, 40, 20, media::kFormatA8R8G8B8),
            kOk);
  std::vector<uint8_t> record;
  ASSERT_EQ(BuildRawImage(source, &record), kOk);
  ASSERT_EQ(record.size(), 24u + 2u * 40u * 20u * 4u);
  RawImageHeader h;
  ASSERT_EQ(ReadRawImageHeader(record.data(), record.size(), &h), kOk);
  EXPECT_EQ(h.texture_width, 40);
  EXPECT_EQ(h.pattern_height, 10);
  EXPECT_EQ(h.texture_count, 2);

  PatternPages copy;
  ASSERT_EQ(copy.LoadFromMemory(record.data(), record.size(), media::kFormatA8R8G8B8), kOk);
  EXPECT_EQ(copy.pages(), source.pages());
  EXPECT_EQ(copy.pattern_count(), 16);  // every slot of every texture
  EXPECT_EQ(copy.patterns_per_row(), 4);
}

TEST(RawImage, ZeroPatternSizeMeansTheTexture) {
  std::vector<uint8_t> r = Record(8, 4, 0, 0, 3, 3 * 8 * 4 * 4);
  PatternPages img;
  ASSERT_EQ(img.LoadFromMemory(r.data(), r.size(), media::kFormatA8R8G8B8), kOk);
  EXPECT_EQ(img.pattern_width(), 8);
  EXPECT_EQ(img.pattern_height(), 4);
  EXPECT_EQ(img.pattern_count(), 3);
  EXPECT_EQ(img.PixelAt(2, 7, 3), 0x7366594Cu);  // the record's last four bytes, 380..383 * 13
}

TEST(RawImage, BadRecords) {
  const size_t full = 2 * 8 * 4 * 4;
  struct {
    const char* what;
    std::vector<uint8_t> record;
    int32_t code;
  } cases[] = {
      {"empty", {}, kErrInvalidData},
      {"short header", Record(8, 4, 4, 4, 2, 0), kErrInvalidData},
      {"no textures", Record(8, 4, 4, 4, 0, full), kErrInvalidCall},
      {"negative count", Record(8, 4, 4, 4, -2, full), kErrInvalidCall},
      {"negative pattern", Record(8, 4, -4, 4, 2, full), kErrInvalidCall},
      {"pattern wider than the texture", Record(8, 4, 9, 4, 2, full), kErrInvalidCall},
      {"pattern taller than the texture", Record(8, 4, 4, 5, 2, full), kErrInvalidCall},
      {"zero texture", Record(0, 0, 0, 0, 1, full), kErrInvalidCall},
      {"negative texture", Record(-8, 4, 0, 0, 1, full), kErrInvalidCall},
      {"pixels missing", Record(8, 4, 4, 4, 2, full - 1), kErrInvalidData},
      {"one texture missing", Record(8, 4, 4, 4, 3, full), kErrInvalidData},
      {"size overflowing", Record(65536, 65536, 0, 0, 65536, full), kErrInvalidData},
      {"count overflowing", Record(8, 4, 0, 0, INT32_MAX, full), kErrInvalidData},
      {"beyond 64 MiB", Record(4096, 4096, 0, 0, 2, full), kErrInvalidData},
      {"fine", Record(8, 4, 4, 4, 2, full), kOk},
      {"fine with trailing bytes", Record(8, 4, 4, 4, 2, full + 9), kOk},
  };
  cases[1].record.pop_back();
  for (auto& c : cases) {
    PatternPages img;
    EXPECT_EQ(img.LoadFromMemory(c.record.data(), c.record.size(), media::kFormatA8R8G8B8), c.code)
        << c.what;
    EXPECT_EQ(img.loaded(), c.code == kOk) << c.what;
  }
  std::vector<uint8_t> wrong = Record(8, 4, 4, 4, 2, full);
  wrong[3] = 'H';
  PatternPages img;
  EXPECT_EQ(img.LoadFromMemory(wrong.data(), wrong.size(), media::kFormatA8R8G8B8),
            kErrInvalidData);
  EXPECT_EQ(img.LoadFromMemory(wrong.data(), wrong.size(), kFormatA8), kErrFormat);
  EXPECT_EQ(img.LoadFromMemory(nullptr, 0, media::kFormatA8R8G8B8), kErrInvalidData);
}

TEST(RawImage, NothingToBuildFromAnEmptyImage) {
  PatternPages img;
  std::vector<uint8_t> record;
  EXPECT_EQ(BuildRawImage(img, &record), kErrInvalidCall);
}

TEST(RawImage, OtherFormatsAreBuiltAsArgb) {
  PatternPages img;
  Bitmap white = Picture(2, 1, false);
  white.pixels = {0x00FFFFFFu, 0x00000000u};
  ASSERT_EQ(img.LoadFromBitmap(white, 0, 0, 2, 1, kFormatR5G6B5), kOk);
  std::vector<uint8_t> record;
  ASSERT_EQ(BuildRawImage(img, &record), kOk);
  ASSERT_EQ(record.size(), 24u + 8u);
  EXPECT_EQ(ReadU32(record.data() + 24), 0xFFFFFFFFu);
  EXPECT_EQ(ReadU32(record.data() + 28), 0xFF000000u);
}

// Loading from archives.

class ArchiveImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    archive_.set_file_name(dir_.File("images.arc"));
    archive_.set_open_mode(OpenMode::kOverwrite);
    ASSERT_EQ(archive_.Open(), kOk);
    PatternPages source;
    ASSERT_EQ(source.LoadFromBitmap(Picture(16, 8, true), 8, 8, 8, 8, media::kFormatA8R8G8B8), kOk);
    ASSERT_EQ(BuildRawImage(source, &record_), kOk);
  }
  test::TempDir dir_;
  RecordArchive archive_;
  std::vector<uint8_t> record_;
};

TEST_F(ArchiveImageTest, RecordTypesAndNames) {
  struct {
    const char* name;
    int32_t type;
    int32_t code;
  } cases[] = {
      {"tiles", kRecordTypeRawImage, kOk},
      {"notes", 0, kErrNotPatternImage},
      {"font", 0, kOk},  // the font's glyph image passes by its name
      {"fonts", 0, kErrNotPatternImage},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(archive_.WriteRecord(c.name, c.type, record_), kOk) << c.name;
    PatternPages img;
    EXPECT_EQ(img.LoadFromArchive(archive_, c.name, media::kFormatA8R8G8B8), c.code) << c.name;
    EXPECT_EQ(img.loaded(), c.code == kOk) << c.name;
    if (c.code == kOk) {
      EXPECT_EQ(img.pattern_count(), 2);
    }
  }
  PatternPages img;
  EXPECT_EQ(img.LoadFromArchive(archive_, "FONT", media::kFormatA8R8G8B8), kOk);
}

TEST_F(ArchiveImageTest, CodesPassThroughAndLongNamesAreCut) {
  ASSERT_EQ(archive_.WriteRecord(std::string(31, 'p'), 1, record_), kOk);
  ASSERT_EQ(archive_.WriteRecord("text", 1, std::vector<uint8_t>{'n', 'o', 'p', 'e'}), kOk);
  PatternPages img;
  EXPECT_EQ(img.LoadFromArchive(archive_, "missing", media::kFormatA8R8G8B8), kErrRecordNotFound);
  EXPECT_EQ(img.LoadFromArchive(archive_, "text", media::kFormatA8R8G8B8), kErrInvalidData);
  EXPECT_EQ(img.LoadFromArchive(archive_, std::string(31, 'P') + "PPP", media::kFormatA8R8G8B8),
            kOk);
  EXPECT_EQ(img.LoadFromArchive(archive_, std::string(31, 'p'), media::kFormatA8R8G8B8),
            kErrInvalidCall);
  SetConverterAvailable(false);
  img.Release();
  EXPECT_EQ(img.LoadFromArchive(archive_, std::string(31, 'p'), media::kFormatA8R8G8B8),
            kErrConverter);
  SetConverterAvailable(true);
}

}  // namespace
}  // namespace bv::media

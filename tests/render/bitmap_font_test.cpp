#include "render/bitmap_font.h"

#include <gtest/gtest.h>

#include "media/error_codes.h"
#include "media/pixel_format.h"
#include "render/device_fixture.h"
#include "render/font_archive.h"
#include "support/temp_dir.h"

namespace bv::test {
namespace {

using render::BitmapFont;

// Characters 32..95; A, B, C and D have widths 5, 7, 3, 8, the rest 4.
FontSpec TestFont() {
  FontSpec f;
  f.widths.assign(64, 4);
  f.heights.assign(64, 10);
  f.widths['A' - 32] = 5;
  f.widths['B' - 32] = 7;
  f.widths['C' - 32] = 3;
  f.widths['D' - 32] = 8;
  f.heights['C' - 32] = 12;
  f.heights['D' - 32] = 4;
  return f;
}

class BitmapFontTest : public DeviceTest {
 protected:
  void SetUp() override {
    DeviceTest::SetUp();
    path_ = dir_.File("data/font.fnt");
    ASSERT_TRUE(WriteFontArchive(path_, TestFont()));
    ASSERT_EQ(font_.LoadFont(path_, media::kFormatA8R8G8B8), 0);
    device_.SetAntialias(false);
  }
  void TearDown() override {
    font_.UnloadFont();
    DeviceTest::TearDown();
  }

  // Glyphs show only their first column: the columns of row y lit from x0 on.
  std::vector<int> LitColumns(int y, int x0, int x1) const {
    std::vector<int> lit;
    for (int x = x0; x < x1; ++x) {
      if (At(x, y) != kRgbBack) lit.push_back(x - x0);
    }
    return lit;
  }

  TempDir dir_;
  std::string path_;
  BitmapFont font_{&device_};
};

TEST_F(BitmapFontTest, LoadsGlyphsAndSizes) {
  EXPECT_TRUE(font_.loaded());
  EXPECT_EQ(font_.glyph_count(), 64);
  EXPECT_EQ(font_.first_char(), 32);
  EXPECT_EQ(font_.glyph_widths()['B' - 32], 7);
  EXPECT_EQ(font_.glyph_heights()['C' - 32], 12);
  ASSERT_NE(font_.glyph_image(), nullptr);
  EXPECT_EQ(font_.glyph_image()->pattern_width(), 8);
  EXPECT_EQ(font_.glyph_image()->pattern_height(), 10);
  EXPECT_EQ(font_.scale(), 256);
  EXPECT_EQ(font_.spacing(), 0);
  EXPECT_EQ(font_.style(), 0);
}

TEST_F(BitmapFontTest, PenAdvancesByEachGlyphsWidth) {
  ASSERT_EQ(font_.TextOut("ABCD", 100, 50, kWhite), 0);
  Snap();
  EXPECT_EQ(LitColumns(55, 100, 140), (std::vector<int>{0, 5, 12, 15}));
  EXPECT_EQ(At(100, 50), kRgbWhite);  // top-left of the first glyph at (x, y)
  EXPECT_EQ(At(100, 59), kRgbWhite);
  EXPECT_EQ(At(100, 60), kRgbBack);
  EXPECT_EQ(At(100, 49), kRgbBack);
  EXPECT_EQ(font_.TextWidth("ABCD"), 5 + 7 + 3 + 8);
  EXPECT_EQ(font_.TextHeight("ABCD"), 12);
  EXPECT_EQ(font_.TextHeight("DD"), 4);
}

TEST_F(BitmapFontTest, ScaleAndSpacing) {
  font_.set_scale(384);  // width 7 advances 7 * 384 / 256 = 10
  ASSERT_EQ(font_.TextOut("BA", 100, 50, kWhite), 0);
  font_.set_scale(256);
  font_.set_spacing(2);
  ASSERT_EQ(font_.TextOut("AAB", 100, 100, kWhite), 0);
  Snap();
  // At 1.5 times a texel column covers a pixel column and a half: the second
  // pixel column may show it too, depending on the renderer's sampling.
  const std::vector<int> lit = LitColumns(55, 100, 140);
  for (int x : lit) EXPECT_TRUE(x == 0 || x == 1 || x == 10 || x == 11) << x;
  EXPECT_EQ(At(100, 55), kRgbWhite);
  EXPECT_EQ(At(110, 55), kRgbWhite);
  EXPECT_EQ(At(100, 64), kRgbWhite);  // 10 * 384 / 256 = 15 rows
  EXPECT_EQ(At(100, 65), kRgbBack);
  EXPECT_EQ(LitColumns(105, 100, 140), (std::vector<int>{0, 7, 14}));
  EXPECT_EQ(font_.TextWidth("AAB"), 7 + 7 + 9);
  font_.set_scale(384);
  font_.set_spacing(0);
  EXPECT_EQ(font_.TextWidth("B"), 10);
  EXPECT_EQ(font_.TextWidth("A"), 7);  // 5 * 384 / 256 = 7.5, truncated
  EXPECT_EQ(font_.TextHeight("C"), 18);
}

TEST_F(BitmapFontTest, CharactersOutsideTheFontAreSkippedWithoutAdvance) {
  // 'a' (97) and the Windows-1250 letter 0xB9 lie above the last glyph (95).
  ASSERT_EQ(font_.TextOut("Aa\xB9"
                          "B",
                          100, 50, kWhite),
            0);
  Snap();
  EXPECT_EQ(LitColumns(55, 100, 140), (std::vector<int>{0, 5}));
  EXPECT_EQ(font_.TextWidth("Aa\xB9"
                            "B"),
            12);
  EXPECT_EQ(font_.TextWidth("a\x01\xFF"), 0);
  EXPECT_EQ(font_.TextHeight("a\x01\xFF"), 0);
}

TEST_F(BitmapFontTest, ColourTagsSwitchTheColourForWhatFollows) {
  // "#$" and eight hex digits in the game's layout: 0xFF00FF00 is green.
  ASSERT_EQ(font_.TextOut("A#$FF00FF00BC", 100, 50, kWhite), 0);
  // Digits that are no number leave the colour as it was.
  ASSERT_EQ(font_.TextOut("A#$FF00FG00BC", 100, 100, kWhite), 0);
  Snap();
  EXPECT_EQ(LitColumns(55, 100, 140), (std::vector<int>{0, 5, 12}));
  EXPECT_EQ(At(100, 55), kRgbWhite);
  EXPECT_EQ(At(105, 55), kRgbGreen);
  EXPECT_EQ(At(112, 55), kRgbGreen);
  EXPECT_EQ(LitColumns(105, 100, 140), (std::vector<int>{0, 5, 12}));
  EXPECT_EQ(At(105, 105), kRgbWhite);
  EXPECT_EQ(font_.TextWidth("A#$FF00FF00BC"), 5 + 7 + 3);
  EXPECT_EQ(font_.TextWidth("A#$FF00FG00BC"), 5 + 7 + 3);
}

TEST_F(BitmapFontTest, ATagTooNearTheEndIsDrawnAsText) {
  // Kept: a tag needs two characters after it; with one it is ten glyphs.
  const std::string text = "A#$FF00FF00B";
  ASSERT_EQ(font_.TextOut(text, 100, 50, kWhite), 0);
  Snap();
  // A(5) #(4) $(4) F(4) F(4) 0(4) 0(4) F(4) F(4) 0(4) 0(4) B
  EXPECT_EQ(LitColumns(55, 100, 160).size(), 12u);
  EXPECT_EQ(At(100 + 5 + 40, 55), kRgbWhite);  // the B, still white
  EXPECT_EQ(font_.TextWidth(text), 5 + 10 * 4 + 7);
  EXPECT_EQ(font_.TextWidth("#$FF00FF00"), 40);
  // The character after a tag is drawn even when it starts another tag.
  EXPECT_EQ(font_.TextWidth("#$FF00FF00#$FF00FF00AB"), 4 + 4 + 8 * 4 + 5 + 7);
}

TEST_F(BitmapFontTest, EmptyTextsDrawAndMeasureNothing) {
  ASSERT_EQ(device_.BeginScene(), 0);
  EXPECT_EQ(font_.TextOut("", 10, 10, kWhite), 0);
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().primitives, 0);
  EXPECT_EQ(font_.TextWidth(""), 0);
  EXPECT_EQ(font_.TextHeight(""), 0);
}

TEST_F(BitmapFontTest, ShortFormIgnoresTheColourAlphaEffectFiveFades) {
  ASSERT_EQ(font_.TextOut("A", 100, 50, 0x00FFFFFFu), 0);     // effect 4 added to 0
  ASSERT_EQ(font_.TextOut("A", 110, 50, 0x00FFFFFFu, 5), 0);  // colour alpha 0: invisible
  ASSERT_EQ(font_.TextOut("A", 120, 50, 0x80FFFFFFu, 5), 0);  // half
  Snap();
  EXPECT_EQ(At(100, 55), kRgbWhite);
  EXPECT_EQ(At(110, 55), kRgbBack);
  EXPECT_TRUE(Near(At(120, 55), 0x88, 0x90, 0x98)) << std::hex << At(120, 55);
  EXPECT_EQ(At(101, 55), kRgbBack);  // transparent texels leave the target alone
}

TEST_F(BitmapFontTest, ALineOfTextIsOneBatchAndBoldTriplesTheQuads) {
  ASSERT_EQ(device_.BeginScene(), 0);
  ASSERT_EQ(font_.TextOut("ABCD ABCD", 10, 10, kWhite), 0);
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().batches, 1);
  EXPECT_EQ(device_.counters().primitives, 9 * 2);
  font_.set_style(BitmapFont::kBold);
  ASSERT_EQ(device_.BeginScene(), 0);
  ASSERT_EQ(font_.TextOut("AB", 100, 50, kWhite), 0);
  ASSERT_EQ(device_.EndScene(), 0);
  EXPECT_EQ(device_.counters().primitives, 2 * 3 * 2);
  Snap();
  EXPECT_EQ(LitColumns(55, 98, 120), (std::vector<int>{1, 2, 3, 6, 7, 8}));
}

TEST_F(BitmapFontTest, ItalicLeansTheTopEdgeRight) {
  font_.set_style(BitmapFont::kItalic);
  font_.set_scale(512);  // cell 16 by 20, lean 8 * 512 / 1024 = 4
  ASSERT_EQ(font_.TextOut("A", 100, 50, kWhite), 0);
  Snap();
  // The lit column starts near x + 4 at the top and near x at the bottom.
  const std::vector<int> top = LitColumns(50, 100, 120);
  const std::vector<int> bottom = LitColumns(69, 100, 120);
  ASSERT_FALSE(top.empty());
  ASSERT_FALSE(bottom.empty());
  EXPECT_GE(top.front(), 3);
  EXPECT_LE(bottom.front(), 1);
}

TEST(BitmapFontStateTest, WithoutAFontTextCallsFailOrMeasureNothing) {
  BitmapFont font;
  EXPECT_FALSE(font.loaded());
  EXPECT_EQ(font.LoadFont("font.fnt", media::kFormatA8R8G8B8),
            media::kErrInvalidCall);  // no device
  EXPECT_EQ(font.TextOut("A", 0, 0, kWhite), media::kErrInvalidCall);
  EXPECT_EQ(font.TextOut("", 0, 0, kWhite, 5), media::kErrInvalidCall);
  EXPECT_EQ(font.TextWidth("A"), 0);
  EXPECT_EQ(font.TextHeight("A"), 0);
  EXPECT_EQ(font.UnloadFont(), 0);
}

class FontLoadTest : public DeviceTest {
 protected:
  int32_t Load(const FontSpec& spec, const std::function<void(const std::string&)>& damage = {}) {
    const std::string path = dir_.File("font.fnt");
    EXPECT_TRUE(WriteFontArchive(path, spec));
    if (damage) damage(path);
    return font_.LoadFont(path, media::kFormatA8R8G8B8);
  }
  void ExpectNothingLoaded() {
    EXPECT_FALSE(font_.loaded());
    EXPECT_EQ(font_.glyph_image(), nullptr);
    EXPECT_EQ(font_.TextOut("A", 0, 0, kWhite), media::kErrInvalidCall);
  }

  TempDir dir_;
  BitmapFont font_{&device_};
};

TEST_F(FontLoadTest, AWrongSignatureIsRefused) {
  FontSpec f = TestFont();
  f.signature = media::FourCc("RARC");
  EXPECT_EQ(Load(f), media::kErrSignature);
  ExpectNothingLoaded();
}

TEST_F(FontLoadTest, AMissingFileCannotBeRead) {
  EXPECT_EQ(font_.LoadFont(dir_.File("none.fnt"), media::kFormatA8R8G8B8), media::kErrDiskRead);
  ExpectNothingLoaded();
}

TEST_F(FontLoadTest, AMissingSizeTableReleasesTheGlyphImage) {
  FontSpec f = TestFont();
  f.with_sizedata = false;
  EXPECT_EQ(Load(f), media::kErrRecordNotFound);
  ExpectNothingLoaded();
}

TEST_F(FontLoadTest, DamagedChecksumsAreReported) {
  for (const char* record : {"font", "sizedata"}) {
    SCOPED_TRACE(record);
    EXPECT_EQ(
        Load(TestFont(), [&](const std::string& p) { ASSERT_TRUE(DamageChecksum(p, record)); }),
        media::kErrRecordCrc);
    ExpectNothingLoaded();
  }
}

TEST_F(FontLoadTest, ASizeTableShorterThanItsCountIsRefused) {
  FontSpec f = TestFont();
  f.declared_count = 65;
  EXPECT_EQ(Load(f), media::kErrInvalidData);
  ExpectNothingLoaded();
  f.declared_count = -1;
  f.widths.clear();
  f.heights.clear();
  f.widths.assign(1, 4);
  f.heights.assign(1, 4);
  f.declared_count = INT32_MAX;
  EXPECT_EQ(Load(f), media::kErrInvalidData);
  ExpectNothingLoaded();
}

TEST_F(FontLoadTest, LoadedOnceUntilUnloaded) {
  ASSERT_EQ(Load(TestFont()), 0);
  EXPECT_EQ(Load(TestFont()), media::kErrInvalidCall);
  EXPECT_TRUE(font_.loaded());
  EXPECT_EQ(font_.UnloadFont(), 0);
  ExpectNothingLoaded();
  EXPECT_EQ(font_.TextWidth("A"), 0);
  ASSERT_EQ(Load(TestFont()), 0);
  EXPECT_EQ(font_.TextWidth("A"), 5);
}

TEST_F(FontLoadTest, ShutdownOrderOfTheGame) {
  // Device first, then the font, then the images, as the main window goes.
  ASSERT_EQ(Load(TestFont()), 0);
  render::PatternImage image(device_);
  ASSERT_EQ(image.LoadFromBitmap(Strip(2, 2, {kOpaque}), 0, 0, 2, 2, media::kFormatA8R8G8B8), 0);
  device_.Shutdown();
  EXPECT_EQ(font_.TextOut("A", 0, 0, kWhite), 0);  // loaded, though nothing can be drawn
  EXPECT_EQ(font_.UnloadFont(), 0);
  EXPECT_EQ(image.Release(), 0);
  EXPECT_FALSE(image.loaded());
}

TEST_F(FontLoadTest, HugeAdvancesDoNotOverflowThePen) {
  FontSpec f = TestFont();
  f.widths['A' - 32] = INT32_MAX;
  ASSERT_EQ(Load(f), 0);
  font_.set_scale(INT32_MAX);
  EXPECT_EQ(font_.TextOut("AAAA", 0, 0, kWhite), 0);
  EXPECT_EQ(font_.TextWidth("AAAA"), INT32_MAX);
}

}  // namespace
}  // namespace bv::test

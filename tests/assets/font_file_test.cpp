// The font file loads as the game loads it and measures text for the HUD.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_paths.h"
#include "font_file.h"
#include "game/level_setup.h"
#include "net/net_game.h"
#include "media/le_bytes.h"
#include "media/pattern_pages.h"
#include "media/pixel_format.h"
#include "media/record_archive.h"

namespace bv::assets {
namespace {

struct LoadedFont {
  media::PatternPages glyphs;
  int32_t count = 0, first = 0, third = 0;
  std::vector<int32_t> widths, heights;

  // The game's measure: widths of the glyphs in range; others are skipped.
  int Width(const std::string& text) const {
    int w = 0;
    for (unsigned char c : text) {
      int g = c - first;
      if (g >= 0 && g < count) w += widths[g];
    }
    return w;
  }
  int Height(const std::string& text) const {
    int h = 0;
    for (unsigned char c : text) {
      int g = c - first;
      if (g >= 0 && g < count) h = std::max(h, heights[g]);
    }
    return h;
  }
};

int32_t I32(const std::vector<uint8_t>& d, size_t at) {
  return media::ReadI32(d.data() + at);
}

class FontFile : public ::testing::Test {
 protected:
  void SetUp() override {
    media::RecordArchive archive;
    archive.set_file_name(test::DataFile("font.fnt"));
    archive.set_open_mode(media::OpenMode::kReadOnly);
    archive.set_signature(kFontSignature);
    ASSERT_EQ(archive.Open(), 0);
    ASSERT_EQ(font_.glyphs.LoadFromArchive(archive, "font", media::kFormatA8R8G8B8), 0);
    media::ArchiveRecord sizes;
    ASSERT_EQ(archive.ReadRecord("sizedata", &sizes), 0);
    ASSERT_GE(sizes.data.size(), 12u);
    font_.count = I32(sizes.data, 0);
    font_.first = I32(sizes.data, 4);
    font_.third = I32(sizes.data, 8);
    ASSERT_EQ(sizes.data.size(), 12u + 8u * font_.count);
    for (int i = 0; i < font_.count; ++i) {
      font_.widths.push_back(I32(sizes.data, 12 + 8 * i));
      font_.heights.push_back(I32(sizes.data, 16 + 8 * i));
    }
  }

  // Opaque-ish pixels in the pattern of character code c.
  int Ink(unsigned char c) const {
    int g = c - font_.first, n = 0;
    media::PatternPlace at = font_.glyphs.PlaceOf(g);
    for (int y = 0; y < font_.glyphs.pattern_height(); ++y)
      for (int x = 0; x < font_.glyphs.pattern_width(); ++x)
        n += (font_.glyphs.PixelAt(at.texture, at.x + x, at.y + y) >> 24) > 100;
    return n;
  }

  LoadedFont font_;
};

TEST_F(FontFile, CoversWindows1250From32To255) {
  EXPECT_EQ(font_.count, 224);
  EXPECT_EQ(font_.first, 32);
  EXPECT_GE(font_.glyphs.pattern_count(), 224);
}

TEST_F(FontFile, EveryPolishLetterHasAGlyph) {
  // ą ć ę ł ń ó ś ź ż and their capitals, as Windows-1250 bytes.
  const std::string polish =
      "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
  for (unsigned char c : polish) {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_GT(font_.widths[c - 32], 2);
    EXPECT_GT(Ink(c), 3);
  }
  for (unsigned char c = 'A'; c <= 'Z'; ++c) EXPECT_GT(Ink(c), 3) << c;
  EXPECT_EQ(Ink(' '), 0);
  EXPECT_GT(font_.Width(" "), 1);
}

TEST_F(FontFile, GlyphsAreWhiteWithAlphaCoverage) {
  bool partial = false;
  for (int g = 0; g < font_.count; ++g) {
    media::PatternPlace at = font_.glyphs.PlaceOf(g);
    for (int y = 0; y < font_.glyphs.pattern_height(); ++y)
      for (int x = 0; x < font_.glyphs.pattern_width(); ++x) {
        uint32_t px = font_.glyphs.PixelAt(at.texture, at.x + x, at.y + y);
        if ((px >> 24) == 0) continue;
        ASSERT_EQ(px & 0xFFFFFF, 0xFFFFFFu);
        partial |= (px >> 24) < 255;
      }
  }
  EXPECT_TRUE(partial) << "antialiased edges expected";
}

TEST_F(FontFile, FitsTheHudLayout) {
  // HUD lines are 10 pixels apart; labels start at 10 and values at 100.
  EXPECT_LE(font_.Height("Zdrowie:"), 12);
  EXPECT_GE(font_.Height("Zdrowie:"), 9);
  for (const char* label : {"Zdrowie:", "Bron:", "Cel misji:", "Punkty:", "Czas:"}) {
    EXPECT_LT(font_.Width(label), 85) << label;
    EXPECT_GT(font_.Width(label), 20) << label;
  }
  // The centre band is 300 pixels wide.
  EXPECT_LT(font_.Width("Wybierz level w opcjach gry"), 290);
  // A level that cannot be loaded is named in the band, however long its name.
  for (const char* name : {"menu", "Kampania 12", "Przygody \xa3ucznika 10",
                           "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
                           "mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm"}) {
    EXPECT_LT(font_.Width(game::LevelLoadFailedMessage(name)), 290) << name;
  }
  // Network play's messages and notices fit the band too.
  for (const char* text : {net::kWaitingText, net::kConnectingText, net::kDesyncText,
                           net::kLostText, net::kPeerLeftText, "Nie mozna rozpoczac gry sieciowej",
                           "Nie mozna polaczyc z gospodarzem"}) {
    EXPECT_LT(font_.Width(text), 290) << text;
  }
  // Real advance widths: proportional, not a fixed cell.
  EXPECT_LT(font_.Width("i"), font_.Width("W"));
  EXPECT_EQ(font_.Width("Zdrowie:"), font_.Width("Zdrow") + font_.Width("ie:"));
}

}  // namespace
}  // namespace bv::assets

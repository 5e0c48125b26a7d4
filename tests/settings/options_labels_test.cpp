#include "settings/options_labels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "settings/options_texts.h"
#include "settings/polish.h"

namespace bv::settings {
namespace {

using test::Pl;

TEST(OptionsLabels, Percentages) {
  struct {
    int position;
    const char* text;
  } cases[] = {{25, "10 %"}, {102, "40 %"},  {153, "60 %"}, {230, "90 %"},
               {0, "0 %"},   {255, "100 %"}, {26, "10 %"},  {27, "11 %"}};
  for (auto c : cases) EXPECT_EQ(PercentLabel(c.position), c.text) << c.position;
  for (int p = 0; p <= 255; ++p) {
    const double exact = p / 2.55;
    ASSERT_NE(std::fabs(exact - std::floor(exact) - 0.5) < 1e-9, true) << p;
    EXPECT_EQ(PercentLabel(p), std::to_string(std::lround(exact)) + " %") << p;
  }
}

TEST(OptionsLabels, LimitTexts) {
  EXPECT_EQ(FragLabel(10), "10 morderstw");
  EXPECT_EQ(FragLabel(100), "100 morderstw");
  EXPECT_EQ(PointLabel(5000), Pl("5000 punktów"));
  EXPECT_EQ(PointLabel(100000), Pl("100000 punktów"));
}

TEST(OptionsTexts, PolishTextsHoldTheRightBytes) {
  struct {
    const char* text;
    const char* utf8;
  } cases[] = {
      {text::kGroupGraphics, "Grafika / wygląd"},
      {text::kHudTrans, "Poziom wypełnienia panelu:"},
      {text::kMapTrans, "Poziom wypełnienia mini mapy:"},
      {text::kEnColor, "Kolor wrogów:"},
      {text::kDifficulty, "Poziom trudności:"},
      {text::kDifficultyItems[1], "Bardzo łatwy"},
      {text::kDifficultyItems[2], "Łatwy"},
      {text::kArenamode, "Odnawianie przedmiotów"},
      {text::kReitem, "Częstotliwość:"},
      {text::kReitemScaleHigh, "Duża"},
      {text::kReitemScaleLow, "Mała"},
      {text::kKeyRows[0], "Góra:"},
      {text::kKeyRows[1], "Dół:"},
      {text::kStatusCredit, "© Zespół Brimvale"},
  };
  for (auto c : cases) EXPECT_EQ(c.text, Pl(c.utf8));
  // 38 spaces between the two words of the scale.
  EXPECT_EQ(std::string(text::kReitemScale),
            std::string(text::kReitemScaleHigh) + std::string(38, ' ') + text::kReitemScaleLow);
}

}  // namespace
}  // namespace bv::settings

#include "app/startup_texts.h"

#include <gtest/gtest.h>

#include "app/message_boxes.h"
#include "media/cp1250.h"

namespace bv::app {
namespace {

TEST(StartupTexts, DrawingStartFailedNamesTheCodeAfterACarriageReturn) {
  EXPECT_EQ(media::Cp1250ToUtf8(DrawingStartFailedText(-3)),
            "Wystąpił błąd podczas inicjalizacji DirectX !\rCould not initialize Direct3D Device");
}

TEST(StartupTexts, GraphicsLoadFailedCarriesTheImageTag) {
  EXPECT_EQ(
      media::Cp1250ToUtf8(GraphicsLoadFailedText("(txs)", -12)),
      "Wystąpił błąd podczas ładowania zasobów graficznych (txs) !\rError loading pixconv.dll");
  EXPECT_EQ(media::Cp1250ToUtf8(GraphicsLoadFailedText("(split)", -11)),
            "Wystąpił błąd podczas ładowania zasobów graficznych (split) !\r"
            "Invalid or unsupported format");
}

TEST(StartupTexts, UnknownCodesUseTheNumberedForm) {
  EXPECT_EQ(WithCodeText("x", -60), "x\rError #-60");
}

TEST(BoxLines, CarriageReturnsBreakLines) {
  EXPECT_EQ(BoxLines("a\rb"), "a\nb");
  EXPECT_EQ(BoxLines("a\r\nb"), "a\nb");
  EXPECT_EQ(BoxLines("a\nb\r"), "a\nb\n");
  EXPECT_EQ(BoxLines(""), "");
}

}  // namespace
}  // namespace bv::app

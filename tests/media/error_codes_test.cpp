#include "media/error_codes.h"

#include <gtest/gtest.h>

#include <climits>

namespace bv::media {
namespace {

TEST(ErrorText, KnownAndUnknownCodes) {
  struct {
    int32_t code;
    const char* text;
  } cases[] = {
      // Kept: the misspelt texts stay as the players know them.
      {0, "No error"},
      {-1, "The method was called with invalid parameters or in inapropriate situation"},
      {-12, "Error loading pixconv.dll"},
      {-24, "Archive record failed CRC32"},
      {-29, "Could create DirectInput interface"},
      {-50, "Could not read Joystick state"},
      {-51, "Error #-51"},
      {-60, "Error #-60"},
      {1, "Error #1"},
      {7, "Error #7"},
      {INT32_MAX, "Error #2147483647"},
      {-2147483647, "User-specified error"},
      {INT32_MIN, "Unknown Error"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorText(c.code), c.text) << c.code;
}

TEST(ErrorText, EveryCodeFromMinusOneToMinusFiftyHasItsOwnText) {
  for (int32_t code = -1; code >= -50; --code) {
    EXPECT_NE(ErrorText(code).rfind("Error #", 0), 0u) << code;
  }
}

}  // namespace
}  // namespace bv::media

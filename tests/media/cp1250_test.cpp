#include "media/cp1250.h"

#include <gtest/gtest.h>

namespace bv::media {
namespace {

TEST(Cp1250, PolishLettersBothWays) {
  // "Wystąpił błąd" and all eighteen Polish letters.
  const std::string cp = "Wyst\xB9pi\xB3 b\xB3\xB9" "d \xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
  const std::string utf = "Wystąpił błąd ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
  EXPECT_EQ(Cp1250ToUtf8(cp), utf);
  EXPECT_EQ(Utf8ToCp1250(utf), cp);
}

TEST(Cp1250, UnmappableAndBrokenInput) {
  EXPECT_EQ(Cp1250ToUtf8("\x81"), "\xEF\xBF\xBD");  // unassigned byte
  EXPECT_EQ(Utf8ToCp1250("日本"), "??");
  EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");            // truncated sequence
  EXPECT_EQ(Utf8ToCp1250("\xFF" "b"), "?b");
  EXPECT_EQ(Cp1250ToUtf8(""), "");
}

}  // namespace
}  // namespace bv::media

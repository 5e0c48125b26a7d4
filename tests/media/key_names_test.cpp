#include "media/key_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace bv::media {
namespace {

TEST(KeyNames, NamesTheKeysOfA105KeyKeyboard) {
  struct {
    uint8_t code;
    const char* name;
  } cases[] = {
      {1, "Escape"},         {17, "W"},         {28, "Enter"}, {82, "Keypad 0"}, {86, "Less Than"},
      {156, "Keypad Enter"}, {181, "Keypad /"}, {200, "Up"},   {203, "Left"},    {205, "Right"},
      {208, "Down"},         {221, "Menu"},
  };
  for (const auto& c : cases) EXPECT_STREQ(KeyName(c.code), c.name) << int(c.code);

  std::set<std::string> names;
  int named = 0;
  for (int code = 0; code < 256; ++code) {
    std::string name = KeyName(static_cast<uint8_t>(code));
    if (name.empty()) continue;
    ++named;
    EXPECT_TRUE(names.insert(name).second) << "two codes named " << name;
  }
  EXPECT_EQ(named, 105);
  EXPECT_STREQ(KeyName(0), "");
  EXPECT_STREQ(KeyName(84), "");
  EXPECT_STREQ(KeyName(255), "");
}

}  // namespace
}  // namespace bv::media

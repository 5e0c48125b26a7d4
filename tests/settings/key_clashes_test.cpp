#include "settings/key_clashes.h"

#include <gtest/gtest.h>

#include "settings/config_record.h"
#include "settings/polish.h"

namespace bv::settings {
namespace {

using test::Pl;
using Codes = std::array<uint8_t, kConfigKeyCount>;

// The file's order: player 1 up, down, left, right, change weapon, attack;
// then player 2.
constexpr Codes kDefaults = {200, 208, 203, 205, 82, 28, 17, 31, 30, 32, 16, 47};

std::string Marks(const KeyClashes& c) {
  std::string out;
  for (bool m : c.marked) out += m ? 'x' : '.';
  return out;
}

TEST(KeyClashes, MarksEveryEditOfAKeyUsedTwiceAndNamesTheFirst) {
  ASSERT_EQ(ConfigRecord{}.keys, kDefaults);
  struct {
    const char* what;
    std::vector<std::pair<int, uint8_t>> changes;  // edit, code
    const char* marks;
    const char* line;  // UTF-8
  } cases[] = {
      {"the defaults", {}, "............", ""},
      {"both players' up on W", {{0, 17}}, "x.....x.....", "W (17): Gracz 1 Góra, Gracz 2 Góra"},
      {"one player's attack and change weapon",
       {{4, 28}},
       "....xx......",
       "Enter (28): Gracz 1 Zmiana broni, Gracz 1 Atak"},
      {"three uses of one key",
       {{1, 57}, {7, 57}, {11, 57}},
       ".x.....x...x",
       "Space (57): Gracz 1 Dół, Gracz 2 Dół, Gracz 2 Atak"},
      {"two clashes: the first is named, the other counted",
       {{9, 203}, {10, 30}},
       "..x.....xxx.",
       "Left (203): Gracz 1 Lewo, Gracz 2 Prawo (+1)"},
      {"Escape is the game's own",
       {{5, 1}},
       ".....x......",
       "Escape (1): Gracz 1 Atak, wyjście do menu"},
      {"a code without a name",
       {{2, 84}, {3, 84}},
       "..xx........",
       "Klawisz 84: Gracz 1 Lewo, Gracz 1 Prawo"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Codes codes = kDefaults;
    for (const auto& [edit, code] : c.changes) codes[static_cast<size_t>(edit)] = code;
    const KeyClashes found = FindKeyClashes(codes);
    EXPECT_EQ(Marks(found), c.marks);
    EXPECT_EQ(found.line, Pl(c.line));
  }
}

}  // namespace
}  // namespace bv::settings

#include "tools/inspect/config_json.h"

#include <gtest/gtest.h>

namespace bv::inspect {
namespace {

using settings::ConfigBytes;
using settings::ConfigRecord;

TEST(ConfigJson, NamedFieldsInFileOrderWithStoredValues) {
  ConfigBytes bytes = EncodeConfig(ConfigRecord{});
  bytes[27] = 7;     // a boolean byte shows as stored
  bytes[19] = 0x5A;  // so does a reserved byte
  const nlohmann::ordered_json j = ConfigToJson(bytes);

  std::vector<std::string> names;
  for (auto it = j.begin(); it != j.end(); ++it) names.push_back(it.key());
  const std::vector<std::string> expected{
      "hud_trans",  "map_trans",  "p1_color",    "p2_color",      "en_color",  "dif_level",
      "multi_tryb", "frag_limit", "point_limit", "reitem_period", "arenamode", "anti",
      "dirt",       "showfps",    "c1_up",       "c1_down",       "c1_left",   "c1_right",
      "c1_ch",      "c1_atack",   "c2_up",       "c2_down",       "c2_left",   "c2_right",
      "c2_ch",      "c2_atack",   "reserved"};
  EXPECT_EQ(names, expected);

  EXPECT_EQ(j["hud_trans"], 102);
  EXPECT_EQ(j["p1_color"], 16744448);
  EXPECT_EQ(j["point_limit"], 5000);
  EXPECT_EQ(j["reitem_period"], 600);
  EXPECT_EQ(j["anti"], 7);
  EXPECT_EQ(j["c1_ch"], 82);
  EXPECT_EQ(j["c2_atack"], 47);
  EXPECT_EQ(j["reserved"]["19"], 0x5A);
  EXPECT_EQ(j["reserved"]["43"], 0);
}

TEST(ConfigJson, NegativePointLimitStaysSigned) {
  ConfigBytes bytes{};
  bytes[20] = bytes[21] = bytes[22] = bytes[23] = 0xFF;
  EXPECT_EQ(ConfigToJson(bytes)["point_limit"], -1);
}

}  // namespace
}  // namespace bv::inspect

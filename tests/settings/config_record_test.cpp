#include "settings/config_record.h"

#include <gtest/gtest.h>

namespace bv::settings {
namespace {

TEST(ConfigRecord, DefaultsEncodeToTheFileOfAFreshStart) {
  const ConfigBytes expected{102,  153,  0,    0,    0x00, 0x80, 0xFF, 0x00, 0x00, 0xFF, 0x00,
                             0x00, 0xFF, 0x00, 0x00, 0x00, 3,    0,    10,   0,    0x88, 0x13,
                             0x00, 0x00, 0x58, 0x02, 1,    0,    0,    0,    200,  208,  203,
                             205,  82,   28,   17,   31,   30,   32,   16,   47,   0,    0};
  EXPECT_EQ(EncodeConfig(ConfigRecord{}), expected);
}

TEST(ConfigRecord, FieldsSitAtTheirOffsetsLittleEndian) {
  ConfigRecord r;
  r.hud_trans = 0x11;
  r.map_trans = 0x22;
  r.p1_color = 0x01020304;
  r.p2_color = 0x05060708;
  r.en_color = 0x090A0B0C;
  r.dif_level = 0x33;
  r.multi_tryb = 0x44;
  r.frag_limit = 0x55;
  r.point_limit = -2;  // signed: FE FF FF FF
  r.reitem_period = 0xABCD;
  r.keys = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  const ConfigBytes b = EncodeConfig(r);
  const ConfigBytes expected{0x11, 0x22, 0,    0,    0x04, 0x03, 0x02, 0x01, 0x08, 0x07, 0x06,
                             0x05, 0x0C, 0x0B, 0x0A, 0x09, 0x33, 0x44, 0x55, 0,    0xFE, 0xFF,
                             0xFF, 0xFF, 0xCD, 0xAB, 1,    0,    0,    0,    1,    2,    3,
                             4,    5,    6,    7,    8,    9,    10,   11,   12,   0,    0};
  EXPECT_EQ(b, expected);
  const ConfigRecord back = DecodeConfig(b);
  EXPECT_EQ(back.point_limit, -2);
  EXPECT_EQ(back.p1_color, 0x01020304u);
  EXPECT_EQ(back.reitem_period, 0xABCD);
  EXPECT_EQ(back.keys, r.keys);
}

TEST(ConfigRecord, ZeroBytesDecodeToZeros) {
  const ConfigRecord r = DecodeConfig(ConfigBytes{});
  EXPECT_EQ(r.hud_trans, 0);
  EXPECT_EQ(r.map_trans, 0);
  EXPECT_EQ(r.p1_color, 0u);
  EXPECT_EQ(r.p2_color, 0u);
  EXPECT_EQ(r.en_color, 0u);
  EXPECT_EQ(r.dif_level, 0);
  EXPECT_EQ(r.multi_tryb, 0);
  EXPECT_EQ(r.frag_limit, 0);
  EXPECT_EQ(r.point_limit, 0);
  EXPECT_EQ(r.reitem_period, 0);
  EXPECT_EQ(r.arenamode + r.anti + r.dirt + r.showfps, 0);
  for (uint8_t k : r.keys) EXPECT_EQ(k, 0);
}

TEST(ConfigRecord, ReservedBytesAreDroppedAndBooleansNormalised) {
  ConfigBytes b{};
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(7 + i);
  const ConfigBytes out = EncodeConfig(DecodeConfig(b));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const bool reserved = i == 2 || i == 3 || i == 19 || i == 42 || i == 43;
    const bool boolean = i >= 26 && i <= 29;
    if (reserved) {
      EXPECT_EQ(out[i], 0) << i;
    } else if (boolean) {
      EXPECT_EQ(out[i], 1) << i;
    } else {
      EXPECT_EQ(out[i], b[i]) << i;
    }
  }
}

TEST(ConfigRecord, CleanFilesRoundTripByteForByte) {
  ConfigBytes a = EncodeConfig(ConfigRecord{});
  ConfigBytes b{};
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(0xF0 - 3 * i);
  for (std::size_t at : kReservedOffsets) b[at] = 0;
  for (std::size_t at = 26; at <= 29; ++at) b[at] = at % 2;
  for (const ConfigBytes& file : {a, b, ConfigBytes{}}) {
    EXPECT_EQ(EncodeConfig(DecodeConfig(file)), file);
  }
}

TEST(ConfigRecord, TheTableNamesEachFieldAndTheControlsRangeHoldsItsDefault) {
  struct Case {
    Setting s;
    const char* name;
    int offset, size;
    SettingHome home;
  };
  for (const Case c : {Case{Setting::kHudTrans, "hud_trans", 0, 1, SettingHome::kWorld},
                       Case{Setting::kEnColor, "en_color", 12, 4, SettingHome::kWorld},
                       Case{Setting::kDifLevel, "dif_level", 16, 1, SettingHome::kLive},
                       Case{Setting::kPointLimit, "point_limit", 20, 4, SettingHome::kLive},
                       Case{Setting::kReitemPeriod, "reitem_period", 24, 2, SettingHome::kLive},
                       Case{Setting::kDirt, "dirt", 28, 1, SettingHome::kDevice},
                       Case{Setting::kC1Ch, "c1_ch", 34, 1, SettingHome::kWorld},
                       Case{Setting::kC2Atack, "c2_atack", 41, 1, SettingHome::kWorld}}) {
    const SettingInfo& info = InfoOf(c.s);
    EXPECT_STREQ(info.name, c.name);
    EXPECT_EQ(info.offset, c.offset) << c.name;
    EXPECT_EQ(info.size, c.size) << c.name;
    EXPECT_EQ(info.home, c.home) << c.name;
  }
  EXPECT_EQ(ClampSetting(Setting::kHudTrans, 0), 25);
  EXPECT_EQ(ClampSetting(Setting::kPointLimit, 1 << 30), 100000);
  EXPECT_EQ(ClampSetting(Setting::kP1Color, 0xFFFFFFFFLL), 0xFFFFFFFFLL);
  EXPECT_EQ(KeySetting(11), Setting::kC2Atack);
  EXPECT_EQ(KeyIndexOf(Setting::kShowfps), -1);
}

TEST(ConfigRecord, StoredValuesAreSignedOnlyWhereTheFieldIs) {
  ConfigBytes b{};
  b[12] = b[13] = b[14] = b[15] = 0xFF;  // en_color
  b[20] = b[21] = b[22] = b[23] = 0xFF;  // point_limit
  b[26] = 7;
  EXPECT_EQ(StoredValue(b, Setting::kEnColor), 0xFFFFFFFFLL);
  EXPECT_EQ(StoredValue(b, Setting::kPointLimit), -1);
  EXPECT_EQ(StoredValue(b, Setting::kArenamode), 7);
}

}  // namespace
}  // namespace bv::settings

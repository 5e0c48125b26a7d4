#include "settings/config_record.h"

#include "media/le_bytes.h"

namespace bv::settings {

namespace {

// The record's fields by offset; every offset lies inside the 44 bytes.
uint32_t Read32(const ConfigBytes& b, std::size_t at) {
  return media::ReadU32(b.data() + at);
}
uint16_t Read16(const ConfigBytes& b, std::size_t at) {
  return media::ReadU16(b.data() + at);
}
void Write32(ConfigBytes& b, std::size_t at, uint32_t v) {
  media::WriteU32(b.data() + at, v);
}
void Write16(ConfigBytes& b, std::size_t at, uint16_t v) {
  media::WriteU16(b.data() + at, v);
}

}  // namespace

ConfigRecord DecodeConfig(const ConfigBytes& b) {
  namespace o = config_offset;
  ConfigRecord r;
  r.hud_trans = b[o::kHudTrans];
  r.map_trans = b[o::kMapTrans];
  r.p1_color = Read32(b, o::kP1Color);
  r.p2_color = Read32(b, o::kP2Color);
  r.en_color = Read32(b, o::kEnColor);
  r.dif_level = b[o::kDifLevel];
  r.multi_tryb = b[o::kMultiTryb];
  r.frag_limit = b[o::kFragLimit];
  r.point_limit = static_cast<int32_t>(Read32(b, o::kPointLimit));
  r.reitem_period = Read16(b, o::kReitemPeriod);
  r.arenamode = b[o::kArenamode];
  r.anti = b[o::kAnti];
  r.dirt = b[o::kDirt];
  r.showfps = b[o::kShowfps];
  for (std::size_t i = 0; i < r.keys.size(); ++i) r.keys[i] = b[o::kKeys + i];
  return r;
}

ConfigBytes EncodeConfig(const ConfigRecord& r) {
  namespace o = config_offset;
  ConfigBytes b{};
  b[o::kHudTrans] = r.hud_trans;
  b[o::kMapTrans] = r.map_trans;
  Write32(b, o::kP1Color, r.p1_color);
  Write32(b, o::kP2Color, r.p2_color);
  Write32(b, o::kEnColor, r.en_color);
  b[o::kDifLevel] = r.dif_level;
  b[o::kMultiTryb] = r.multi_tryb;
  b[o::kFragLimit] = r.frag_limit;
  Write32(b, o::kPointLimit, static_cast<uint32_t>(r.point_limit));
  Write16(b, o::kReitemPeriod, r.reitem_period);
  b[o::kArenamode] = r.arenamode != 0;
  b[o::kAnti] = r.anti != 0;
  b[o::kDirt] = r.dirt != 0;
  b[o::kShowfps] = r.showfps != 0;
  for (std::size_t i = 0; i < r.keys.size(); ++i) b[o::kKeys + i] = r.keys[i];
  static_assert(o::kKeys + 12 == 42, "the keys end where the last reserved bytes begin");
  return b;
}

}  // namespace bv::settings

#include "settings/config_record.h"

#include <type_traits>

#include "media/le_bytes.h"

namespace bv::settings {

namespace {

// The one place a setting meets its field of the record.
template <typename Record, typename Visit>
void WithField(Record& r, Setting s, Visit&& visit) {
  // clang-format off
  switch (s) {
    case Setting::kHudTrans: return visit(r.hud_trans);
    case Setting::kMapTrans: return visit(r.map_trans);
    case Setting::kP1Color: return visit(r.p1_color);
    case Setting::kP2Color: return visit(r.p2_color);
    case Setting::kEnColor: return visit(r.en_color);
    case Setting::kDifLevel: return visit(r.dif_level);
    case Setting::kMultiTryb: return visit(r.multi_tryb);
    case Setting::kFragLimit: return visit(r.frag_limit);
    case Setting::kPointLimit: return visit(r.point_limit);
    case Setting::kReitemPeriod: return visit(r.reitem_period);
    case Setting::kArenamode: return visit(r.arenamode);
    case Setting::kAnti: return visit(r.anti);
    case Setting::kDirt: return visit(r.dirt);
    case Setting::kShowfps: return visit(r.showfps);
    default:
      return visit(r.keys[static_cast<std::size_t>(KeyIndexOf(s))]);
  }
  // clang-format on
}

}  // namespace

ConfigRecord::ConfigRecord() {
  for (Setting s : kAllSettings) {
    SetField(*this, s, DefaultOf(s));
  }
}

int64_t FieldValue(const ConfigRecord& record, Setting s) {
  int64_t out = 0;
  WithField(record, s, [&](const auto& field) { out = field; });
  return out;
}

void SetField(ConfigRecord& record, Setting s, int64_t value) {
  WithField(record, s, [&](auto& field) {
    using T = std::remove_reference_t<decltype(field)>;
    field = static_cast<T>(value);
  });
}

int64_t StoredValue(const ConfigBytes& bytes, Setting s) {
  const SettingInfo& info = InfoOf(s);
  const uint8_t* at = bytes.data() + info.offset;
  if (info.size == 1) return at[0];
  if (info.size == 2) return media::ReadU16(at);
  return info.type == FieldType::kSigned ? int64_t{media::ReadI32(at)}
                                         : int64_t{media::ReadU32(at)};
}

ConfigRecord DecodeConfig(const ConfigBytes& bytes) {
  ConfigRecord r;
  for (Setting s : kAllSettings) {
    SetField(r, s, StoredValue(bytes, s));
  }
  return r;
}

ConfigBytes EncodeConfig(const ConfigRecord& r) {
  ConfigBytes b{};
  for (Setting s : kAllSettings) {
    const SettingInfo& info = InfoOf(s);
    int64_t v = FieldValue(r, s);
    if (info.type == FieldType::kBoolean) v = v != 0;
    uint8_t* at = b.data() + info.offset;
    if (info.size == 1) {
      at[0] = static_cast<uint8_t>(v);
    } else if (info.size == 2) {
      media::WriteU16(at, static_cast<uint16_t>(v));
    } else {
      media::WriteU32(at, static_cast<uint32_t>(v));
    }
  }
  return b;
}

}  // namespace bv::settings

#include "settings/config_record.h"

#include <type_traits>

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
  uint64_t v = 0;
  for (int i = 0; i < info.size; ++i) v |= uint64_t{bytes[info.offset + i]} << (8 * i);
  if (info.type == FieldType::kSigned) {
    const uint64_t sign = uint64_t{1} << (8 * info.size - 1);
    return static_cast<int64_t>(v ^ sign) - static_cast<int64_t>(sign);
  }
  return static_cast<int64_t>(v);
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
    const auto u = static_cast<uint64_t>(v);
    for (int k = 0; k < info.size; ++k) b[info.offset + k] = static_cast<uint8_t>(u >> (8 * k));
  }
  return b;
}

}  // namespace bv::settings

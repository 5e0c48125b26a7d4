#include "game/settings_mirror.h"

#include <type_traits>

namespace bv::game {

namespace {

using settings::Setting;

// The one place a mirrored setting meets its world field. Settings that are
// not mirrored reach no field.
template <typename W, typename Visit>
void WithMirror(W& w, Setting s, Visit&& visit) {
  // clang-format off
  switch (s) {
    case Setting::kHudTrans: return visit(w.hud_alpha);
    case Setting::kMapTrans: return visit(w.minimap_alpha);
    case Setting::kP1Color: return visit(w.players[0].color);
    case Setting::kP2Color: return visit(w.players[1].color);
    case Setting::kEnColor: return visit(w.enemy_color);
    case Setting::kMultiTryb: return visit(w.game_mode);
    default: {
      const int key = settings::KeyIndexOf(s);
      if (key >= 0) visit(w.key_codes[static_cast<size_t>(KeyCodeSlot(key))]);
    }
  }
  // clang-format on
}

bool Mirrored(Setting s) {
  return settings::InfoOf(s).home == settings::SettingHome::kWorld;
}

}  // namespace

std::array<uint8_t, kKeyCount> MirroredKeyCodes(const settings::ConfigRecord& record) {
  std::array<uint8_t, kKeyCount> codes{};
  for (int k = 0; k < settings::kConfigKeyCount; ++k) {
    codes[static_cast<size_t>(KeyCodeSlot(k))] = record.keys[static_cast<size_t>(k)];
  }
  return codes;
}

void MirrorSettings(const settings::ConfigRecord& record, World& world) {
  for (Setting s : settings::kAllSettings) {
    if (!Mirrored(s)) continue;
    const int64_t v = settings::FieldValue(record, s);
    WithMirror(world, s, [&](auto& field) {
      field = static_cast<std::remove_reference_t<decltype(field)>>(v);
    });
  }
}

void SaveMirroredSettings(const World& world, settings::ConfigRecord& record) {
  for (Setting s : settings::kAllSettings) {
    if (!Mirrored(s) || settings::KeyIndexOf(s) >= 0) continue;
    WithMirror(world, s, [&](const auto& field) { settings::SetField(record, s, field); });
  }
}

}  // namespace bv::game

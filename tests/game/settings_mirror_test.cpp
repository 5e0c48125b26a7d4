#include "game/settings_mirror.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "game/world.h"

namespace bv::game {
namespace {

using settings::ConfigRecord;
using Keys = std::array<uint8_t, kKeyCount>;

// hud_alpha, minimap_alpha, the three colours, game_mode and key_codes.
using Mirrors = std::tuple<int, int, uint32_t, uint32_t, uint32_t, int, Keys>;
Mirrors MirrorsOf(const World& w) {
  return {w.hud_alpha,   w.minimap_alpha, w.players[0].color, w.players[1].color,
          w.enemy_color, w.game_mode,     w.key_codes};
}

TEST(SettingsMirror, ANewWorldHoldsTheSettingsDefaults) {
  auto w = std::make_unique<World>();
  EXPECT_EQ(MirrorsOf(*w), (Mirrors{102, 153, 16744448u, 65280u, 255u, 0,
                                    Keys{200, 208, 203, 205, 28, 82, 17, 31, 30, 32, 47, 16}}));
}

TEST(SettingsMirror, OnlyTheMirroredSettingsReachTheWorldWithAttackBeforeChange) {
  ConfigRecord r;
  for (settings::Setting s : settings::kAllSettings) {
    settings::SetField(r, s, 1 + static_cast<int>(s));  // every setting a value of its own
  }
  auto w = std::make_unique<World>();
  w->mission_goal = 77;
  MirrorSettings(r, *w);
  EXPECT_EQ(MirrorsOf(*w),
            (Mirrors{1, 2, 3u, 4u, 5u, 7, Keys{15, 16, 17, 18, 20, 19, 21, 22, 23, 24, 26, 25}}));
  EXPECT_EQ(MirroredKeyCodes(r), w->key_codes);
  EXPECT_EQ(w->mission_goal, 77);  // nothing else is touched
  for (int k = 0; k < settings::kConfigKeyCount; ++k) {
    EXPECT_EQ(w->key_codes[KeyCodeSlot(k)], r.keys[k]) << k;
    EXPECT_EQ(ConfigKeyOfSlot(KeyCodeSlot(k)), k) << k;
  }
}

TEST(SettingsMirror, TheSaveTakesTheMirrorsButNotTheKeys) {
  auto w = std::make_unique<World>();
  w->hud_alpha = 200;
  w->minimap_alpha = 201;
  w->players[0].color = 4;
  w->players[1].color = 5;
  w->enemy_color = 6;
  w->game_mode = 1;
  w->key_codes.fill(9);
  ConfigRecord r;
  r.frag_limit = 50;
  SaveMirroredSettings(*w, r);
  EXPECT_EQ(r.hud_trans, 200);
  EXPECT_EQ(r.map_trans, 201);
  EXPECT_EQ(r.p1_color, 4u);
  EXPECT_EQ(r.p2_color, 5u);
  EXPECT_EQ(r.en_color, 6u);
  EXPECT_EQ(r.multi_tryb, 1);
  EXPECT_EQ(r.keys, ConfigRecord{}.keys);  // the key edits' own
  EXPECT_EQ(r.frag_limit, 50);
}

}  // namespace
}  // namespace bv::game

// The levels the game ships: each one clean for its place, the data tree up
// to date with the sources, the campaign complete, and every file set up by
// the game's own level setup.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "game/entity_table.h"
#include "game/level_setup.h"
#include "game/level_store.h"
#include "game/world.h"
#include "level/check.h"
#include "level/decompile.h"
#include "level/level_source.h"
#include "settings/live_options.h"
#include "shipped_levels.h"

namespace bv::level {
namespace {

struct Loaded {
  ShippedLevel where;
  LevelSource source;
  Role role = Role::kCustom;
  CheckReport report;
};

// Parses and checks every shipped level once for all the tests here.
const std::vector<Loaded>& All() {
  static const std::vector<Loaded> all = [] {
    std::vector<Loaded> out;
    for (const ShippedLevel& s : ShippedLevels()) {
      ParseResult parsed = ParseSourceFile(s.source);
      EXPECT_TRUE(parsed.ok()) << s.source << ": "
                               << (parsed.ok() ? "" : parsed.errors.front().Format());
      Loaded l;
      l.where = s;
      l.source = parsed.source;
      l.role = s.role == Role::kCustom ? parsed.source.role.value_or(Role::kCustom) : s.role;
      const LevelSource& src = l.source;
      l.report = CheckLevel(src.image, l.role, [&src](int x, int y) { return src.Where(x, y); });
      out.push_back(std::move(l));
    }
    return out;
  }();
  return all;
}

std::vector<const Loaded*> Campaign(const std::string& folder) {
  std::vector<const Loaded*> out;
  for (const Loaded& l : All()) {
    if (l.role == Role::kCampaign && l.where.list_entry == folder) out.push_back(&l);
  }
  std::sort(out.begin(), out.end(),
            [](const Loaded* a, const Loaded* b) { return a->where.number < b->where.number; });
  return out;
}

TEST(ShippedLevels, EveryLevelChecksCleanForItsPlace) {
  ASSERT_FALSE(All().empty());
  for (const Loaded& l : All()) {
    const std::string text = FormatReport(l.report, l.where.source);
    EXPECT_TRUE(l.report.ok()) << text;
    EXPECT_TRUE(l.report.warnings.empty()) << text;
    // The declared role agrees with the place in the tree.
    ASSERT_TRUE(l.source.role.has_value()) << l.where.source;
    if (l.where.role == Role::kCustom) {
      EXPECT_TRUE(*l.source.role == Role::kArena || *l.source.role == Role::kCustom)
          << l.where.source;
    } else {
      EXPECT_EQ(*l.source.role, l.where.role) << l.where.source;
    }
    EXPECT_FALSE(l.source.name.empty()) << l.where.source;
  }
}

TEST(ShippedLevels, TheGameShipsAMenuACampaignArenasAndACustomLevel) {
  int menus = 0, arenas = 0, customs = 0;
  for (const Loaded& l : All()) {
    menus += l.role == Role::kMenu;
    arenas += l.role == Role::kArena;
    customs += l.role == Role::kCustom;
  }
  EXPECT_EQ(menus, 1);
  EXPECT_GE(arenas, 3);
  EXPECT_GE(customs, 1);

  // A campaign's levels are numbered 1, 2, ... without a gap: the game goes
  // on while the next file exists.
  std::set<std::string> folders;
  for (const Loaded& l : All()) {
    if (l.role == Role::kCampaign) folders.insert(l.where.list_entry);
  }
  EXPECT_EQ(folders.count("Kampania"), 1u);
  for (const std::string& folder : folders) {
    std::vector<const Loaded*> levels = Campaign(folder);
    for (size_t i = 0; i < levels.size(); ++i) {
      EXPECT_EQ(levels[i]->where.number, static_cast<int>(i) + 1) << levels[i]->where.source;
    }
  }
  EXPECT_GE(Campaign("Kampania").size(), 6u);
}

TEST(ShippedLevels, TheCampaignUsesEveryObjectAndEntityCode) {
  std::set<int> objects, entities, menu_objects;
  for (const Loaded* l : Campaign("Kampania")) {
    for (int c = 0; c < 256; ++c) {
      if (l->report.object_counts[c] != 0) objects.insert(c);
      if (l->report.entity_counts[c] != 0) entities.insert(c);
    }
  }
  for (const Loaded& l : All()) {
    if (l.role != Role::kMenu) continue;
    for (int c = 0; c < 256; ++c) {
      if (l.report.object_counts[c] != 0) menu_objects.insert(c);
    }
    EXPECT_TRUE(l.report.actors.empty()) << "the menu has no actors";
  }
  // The menu pads and the jingle cell belong to the menu level.
  for (int code = 0; code <= game::kLastObjectCode; ++code) {
    const bool menu_only = game::IsMenuCell(code) || code == obj::kMenuSound;
    if (menu_only) {
      EXPECT_EQ(menu_objects.count(code), 1u) << ObjectName(code);
    } else {
      EXPECT_EQ(objects.count(code), 1u) << ObjectName(code);
    }
  }
  for (int code = 0; code <= game::kLastActorKind; ++code) {
    EXPECT_EQ(entities.count(code), 1u) << EntityName(code);
  }
}

TEST(ShippedLevels, TheCampaignGetsHarder) {
  int last_strongest = 0;
  long last_hit_points = 0;
  for (const Loaded* l : Campaign("Kampania")) {
    int strongest = 0;
    long hit_points = 0;
    for (const auto& [kind, count] : l->report.actors) {
      if (kind > game::kLastMovingKind) continue;
      strongest = std::max(strongest, kind);
      hit_points += static_cast<long>(count) * game::StatsForKind(kind)->max_hp;
    }
    EXPECT_GE(strongest, last_strongest) << l->where.source;
    EXPECT_GT(hit_points, last_hit_points) << l->where.source;
    last_strongest = strongest;
    last_hit_points = hit_points;
  }
}

TEST(ShippedLevels, TheDataTreeHoldsWhatTheSourcesCompileTo) {
  for (const Loaded& l : All()) {
    LevelImage built;
    std::string error;
    ASSERT_TRUE(ReadLevelFile(l.where.output, built, error)) << error;
    EXPECT_EQ(built.ToBytes(), l.source.image.ToBytes()) << l.where.output;
    // And the decompiler gives a source that compiles to the same file.
    ParseResult again = ParseSourceText(Decompile(built, l.where.output), "again.lvl");
    ASSERT_TRUE(again.ok()) << l.where.output;
    EXPECT_EQ(again.source.image.ToBytes(), built.ToBytes()) << l.where.output;
  }
}

// ---- The game's level setup over the data tree ------------------------------

class SetupShipped : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<game::World>();
    game::SetStartValues(*world);
  }
  game::SetupResult Setup(const Loaded& l, int two_players, int mode) {
    world->two_players = static_cast<uint8_t>(two_players);
    world->game_mode = static_cast<uint8_t>(mode);
    options.set_arenamode(true);
    if (l.role == Role::kCampaign) {
      options.set_level_source(settings::LevelSource::kCampaign);
    } else {
      options.set_level_source(settings::LevelSource::kCustom);
    }
    options.set_level_list({l.where.list_entry});
    return game::SetupLevel(*world, options, levels, l.where.number, world->two_players);
  }
  static int Actors(const Loaded& l, int min_kind) {
    int n = 0;
    for (const auto& [kind, count] : l.report.actors) n += kind >= min_kind ? count : 0;
    return n;
  }
  void ExpectStart(const Loaded& l, int p) {
    const MapPos s = l.report.starts[p].back();
    EXPECT_EQ(world->players[p].spawn_x, (s.x + game::kLevelLeft) * 50 + 25) << l.where.source;
    EXPECT_EQ(world->players[p].spawn_y, (s.y + game::kLevelTop) * 50 + 25) << l.where.source;
  }

  game::FileLevelStore levels{BuildDir()};  // the shipped files themselves
  std::unique_ptr<game::World> world;
  settings::LiveOptions options;
};

TEST_F(SetupShipped, OnePlayerLevels) {
  for (const Loaded& l : All()) {
    if (l.role == Role::kArena) continue;
    game::SetupResult r = Setup(l, 0, 0);
    ASSERT_EQ(r.status, game::SetupStatus::kLoaded) << r.file;
    EXPECT_EQ(r.file, l.where.data);
    EXPECT_EQ(world->mission_goal, l.report.mission_goal) << l.where.source;
    EXPECT_EQ(world->mission_unit, "cd");
    EXPECT_EQ(world->actor_count, Actors(l, 3)) << l.where.source;
    EXPECT_EQ(world->respawn_count, 0);
    ExpectStart(l, 0);
    if (l.role != Role::kMenu) ExpectStart(l, 1);
  }
}

TEST_F(SetupShipped, ArenasInDeathmatchAndPointmatch) {
  int arenas = 0;
  for (const Loaded& l : All()) {
    if (l.role != Role::kArena) continue;
    ++arenas;
    ASSERT_EQ(Setup(l, 1, 1).status, game::SetupStatus::kLoaded) << l.where.source;
    EXPECT_EQ(world->actor_count, 0);
    EXPECT_EQ(world->mission_goal, options.frag_limit());
    EXPECT_GT(world->respawn_count, 0) << l.where.source;
    ExpectStart(l, 0);
    ExpectStart(l, 1);

    ASSERT_EQ(Setup(l, 1, 2).status, game::SetupStatus::kLoaded) << l.where.source;
    EXPECT_EQ(world->actor_count, Actors(l, 3)) << l.where.source;
    EXPECT_GT(Actors(l, 18), 0) << "still targets to score on: " << l.where.source;
    EXPECT_EQ(world->mission_goal, options.point_limit());
    EXPECT_GT(world->respawn_count, 0) << l.where.source;
  }
  EXPECT_GE(arenas, 3);
}

}  // namespace
}  // namespace bv::level

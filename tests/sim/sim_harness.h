#pragma once

// A headless game for rule tests: crafted levels handed in as bytes, the real
// tick, a key table and recorders for sounds and the host.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/entity_table.h"
#include "game/key_source.h"
#include "game/level_setup.h"
#include "game/level_store.h"
#include "game/paths.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "settings/live_options.h"
#include "sim/tick.h"
#include "sim/tick_context.h"
#include "support/level_builder.h"

namespace bv::sim {

struct PlayedSound {
  int tick;
  game::SoundSlot slot;
  int index;
};

class RecordingSounds final : public game::SoundPlayer {
 public:
  explicit RecordingSounds(const int& tick) : tick_(tick) {}
  void Play(game::SoundSlot slot, int index) override { played.push_back({tick_, slot, index}); }
  int Count(game::SoundSlot slot) const {
    int n = 0;
    for (const PlayedSound& s : played) n += s.slot == slot ? 1 : 0;
    return n;
  }
  std::vector<int> Ticks(game::SoundSlot slot) const {
    std::vector<int> ticks;
    for (const PlayedSound& s : played) {
      if (s.slot == slot) ticks.push_back(s.tick);
    }
    return ticks;
  }
  std::vector<PlayedSound> played;

 private:
  const int& tick_;
};

// Shows the options as the app would: they stay visible until a test hides them.
class RecordingHost final : public Host {
 public:
  explicit RecordingHost(settings::LiveOptions& options) : options_(options) {}
  void CloseProgram() override { ++closes; }
  void OpenOptions() override {
    ++options_opened;
    options_.set_options_visible(true);
  }
  void LevelSetUp(int level, const game::SetupResult& result) override {
    setups.emplace_back(level, result.status);
  }
  int closes = 0;
  int options_opened = 0;
  std::vector<std::pair<int, game::SetupStatus>> setups;

 private:
  settings::LiveOptions& options_;
};

constexpr float Centre(int cell) {
  return static_cast<float>(game::CellCentre(cell));
}

class SimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<game::World>();
    game::SetStartValues(*world);
  }

  // Data paths of the level store.
  static std::string MenuFile() { return game::MenuLevelPath(); }
  static std::string CampaignFile(int n, const std::string& folder = "Kampania") {
    return game::CampaignLevelPath(folder, n);
  }
  void ChooseCampaign(const std::string& folder = "Kampania") {
    options.set_level_source(settings::LevelSource::kCampaign);
    options.set_level_list({folder});
  }

  // Sets level `number` up from `level` (campaign "Kampania", or the menu
  // file for 0) and starts play, as after a level change.
  void StartLevel(const test::LevelBuilder& level, int number = 1, uint8_t two_players = 0,
                  uint8_t game_mode = 0) {
    ChooseCampaign();
    level.Put(levels, number == 0 ? MenuFile() : CampaignFile(number));
    world->two_players = two_players;
    world->game_mode = game_mode;
    world->level_number = number;
    ASSERT_EQ(game::SetupLevel(*world, options, levels, number, two_players).status,
              game::SetupStatus::kLoaded);
    world->transition = game::kPlaySteady;
  }

  // An actor of `kind` with its table values, centred on a cell, appended to
  // the actor table (no level file involved).
  int AddActor(int kind, int gx, int gy) {
    int i = world->actor_count++;
    world->actors[i] = game::NewActor(kind, gx, gy);
    if (game::MapCell* c = world->cell_ptr(gx, gy)) c->actor_index = static_cast<int16_t>(i);
    return i;
  }

  void Place(int player, float x, float y) {
    world->players[player].x = x;
    world->players[player].y = y;
  }
  void PlaceAtCell(int player, int gx, int gy) { Place(player, Centre(gx), Centre(gy)); }

  void Hold(int player, Action action, bool down = true) {
    keys.Set(world->key_codes[player * 6 + static_cast<int>(action)], down);
  }
  void HoldKey(uint8_t code, bool down = true) { keys.Set(code, down); }
  void ReleaseAll() { keys.Clear(); }

  // Runs n ticks; the tick counter starts at 1 for the first.
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) {
      ++tick;
      RunTick(*world, services);
    }
  }

  game::PlayerState& P(int i) { return world->players[i]; }
  game::Actor& A(int i) { return world->actors[i]; }
  game::MapCell& Cell(int x, int y) { return world->grid[x][y]; }

  game::MemoryLevelStore levels;
  std::unique_ptr<game::World> world;
  settings::LiveOptions options;
  game::KeyTable keys;
  int tick = 0;
  RecordingSounds sounds{tick};
  RecordingHost host{options};
  TickServices services{keys, sounds, options, host, levels};
};

// A level of open floor with player 1 starting at (10, 10) and player 2 at (10, 14).
inline test::LevelBuilder OpenLevel() {
  test::LevelBuilder level;
  level.Entity(10, 10, game::kPlayer1Start);
  level.Entity(10, 14, game::kPlayer2Start);
  return level;
}

}  // namespace bv::sim

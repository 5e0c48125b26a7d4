#pragma once

// Games played by a restless random player, for the soak and the level
// fuzzer: both players' keys flip now and then, Escape now and again, the
// options window closes soon after it opens. Headless: the real tick over a
// level store.

#include <cstdint>
#include <memory>

#include "game/key_source.h"
#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "settings/live_options.h"
#include "sim/host.h"

namespace bv::soak {

// A small fast generator; the same seed gives the same game.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 2 + 1) {}
  uint64_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  // Uniform in 0..n-1 (n > 0).
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

 private:
  uint64_t state_;
};

// The twelve player keys of the world and Escape, each flipped with a small
// chance every tick: runs of held keys, as a player holds them.
class RandomKeys final : public game::KeySource {
 public:
  RandomKeys(const game::World& world, Rng& rng, int escape_per_million = 60)
      : world_(world), rng_(rng), escape_per_million_(escape_per_million) {}
  int32_t Update() override;
  bool KeyDown(uint8_t code) const override { return table_.KeyDown(code); }

 private:
  const game::World& world_;
  Rng& rng_;
  const int escape_per_million_;
  game::KeyTable table_;
  uint16_t held_ = 0;  // bit per player key
};

// What the tick tells the outside, counted; the options window closes a
// random few ticks after it opens.
class CountingHost final : public sim::Host, public game::SoundPlayer {
 public:
  CountingHost(settings::LiveOptions& options, Rng& rng) : options_(options), rng_(rng) {}
  void CloseProgram() override { closed = true; }
  void OpenOptions() override;
  void LevelSetUp(int level, const game::SetupResult& result) override;
  void Play(game::SoundSlot, int) override { ++sounds; }
  // Before each tick.
  void CloseOptionsWhenDue();

  bool closed = false;
  int64_t setups = 0;
  int64_t failed_setups = 0;
  int64_t sounds = 0;
  int last_level = 0;

 private:
  settings::LiveOptions& options_;
  Rng& rng_;
  int open_for_ = -1;
};

// How one game starts: the level choice and the options a player could set.
struct GameStart {
  settings::LevelSource source = settings::LevelSource::kCampaign;
  std::string entry;  // campaign folder or custom level name
  int level = 1;      // 0: start on the menu level and walk from there
  uint8_t two_players = 0;
  uint8_t mode = game::kCooperation;
  int difficulty = 3;
  bool arenamode = true;
  int reitem_period = 600;
  int frag_limit = 10;
  int point_limit = 5000;
};

// One game after another on one world, through the real tick.
class RandomPlay {
 public:
  RandomPlay(game::LevelStore& levels, uint64_t seed);
  // A fresh world, started as the menu's start cells start a game.
  void Start(const GameStart& start);
  void Tick();
  // The game went back to the menu level, or the program was closed.
  bool Over() const;

  const game::World& world() const { return *world_; }
  game::World& world() { return *world_; }
  const CountingHost& host() const { return host_; }
  int64_t ticks() const { return ticks_; }
  Rng& rng() { return rng_; }

 private:
  game::LevelStore& levels_;
  Rng rng_;
  std::unique_ptr<game::World> world_;
  settings::LiveOptions options_;
  CountingHost host_;
  RandomKeys keys_;
  int64_t ticks_ = 0;
  int64_t game_ticks_ = 0;
  int start_level_ = 1;
};

}  // namespace bv::soak

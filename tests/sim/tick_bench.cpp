// One play tick on a crowded level: two players, 200 actors around them and
// the rest of the 8192 actor slots far away.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "game/entity_table.h"
#include "game/key_source.h"
#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "settings/live_options.h"
#include "sim/tick.h"
#include "sim/world_hash.h"

namespace bv::sim {
namespace {

class NoHost final : public Host {
 public:
  void CloseProgram() override {}
  void OpenOptions() override {}
};

void PutActor(game::World& w, int i, int kind, int gx, int gy) {
  w.actors[i] = game::NewActor(kind, gx, gy);
}

std::unique_ptr<game::World> CrowdedWorld() {
  auto w = std::make_unique<game::World>();
  game::SetStartValues(*w);
  for (int x = 0; x < game::kGridWidth; ++x) {
    for (int y = 0; y < game::kGridHeight; ++y) {
      game::MapCell c = game::kResetCell;
      const bool level = x >= game::kLevelLeft && x <= game::kLevelRight && y >= game::kLevelTop &&
                         y <= game::kLevelBottom;
      if (level) {
        c.texture = 1;
        c.object = (x * 7 + y * 13) % 23 == 0 ? game::obj::kSolid : game::obj::kFloor;
      }
      w->grid[x][y] = c;
    }
  }
  w->two_players = 1;
  w->second_player = 1;
  w->game_mode = game::kCooperation;
  w->transition = game::kPlaySteady;
  const int px[2] = {30, 36};
  for (int p = 0; p < 2; ++p) {
    game::PlayerState& pl = w->players[p];
    pl.x = pl.spawn_x = static_cast<float>(game::CellCentre(px[p]));
    pl.y = pl.spawn_y = static_cast<float>(game::CellCentre(30));
    w->grid[px[p]][30].object = game::obj::kFloor;
    pl.health = 1 << 30;
    pl.walk_speed = 3;
    pl.weapon = 1;
    pl.target_actor = pl.target_player = -1;
    for (int k = 0; k < game::kWeaponCount; ++k) {
      pl.weapons[k].owned = 1;
      pl.weapons[k].range = 150.0f + 10 * k;
      pl.weapons[k].ammo = 1 << 30;
      pl.weapons[k].base_damage = 1;
      pl.weapons[k].fire_delay = 10;
    }
  }
  // 200 actors within both players' activation windows, kinds of every class.
  int i = 0;
  for (int n = 0; n < 200; ++n, ++i) {
    const int gx = px[n % 2] - 4 + (n / 2) % 9;
    const int gy = 25 + (n / 18) % 11;
    PutActor(*w, i, 3 + n % 37, gx, gy);
    w->grid[gx][gy].actor_index = static_cast<int16_t>(i);
  }
  // The rest far away in the level's lower right corner.
  for (; i < game::kMaxActors; ++i) {
    PutActor(*w, i, 3 + i % 37, 80 + i % 25, 80 + (i / 25) % 25);
  }
  w->actor_count = game::kMaxActors;
  return w;
}

void BM_CrowdedPlayTick(benchmark::State& state) {
  auto world = CrowdedWorld();
  const std::vector<game::Actor> start(world->actors.begin(), world->actors.begin() + 200);
  const auto players = world->players;
  settings::LiveOptions options;
  game::KeyTable keys;
  keys.Set(world->key_codes[4], true);  // player 1 fires, player 2 walks
  keys.Set(world->key_codes[6 + 3], true);
  game::SilentSoundPlayer sounds;
  NoHost host;
  game::MemoryLevelStore levels;
  const TickServices services{keys, sounds, options, host, levels};
  int ticks = 0;
  for (auto _ : state) {
    RunTick(*world, services);
    // Every few seconds of play the crowd comes back as it started, so the
    // measurement stays on a crowded level rather than a cleared one.
    if (++ticks % 256 == 0) {
      state.PauseTiming();
      std::copy(start.begin(), start.end(), world->actors.begin());
      world->players = players;
      world->transition = game::kPlaySteady;
      state.ResumeTiming();
    }
  }
  benchmark::DoNotOptimize(world->players[0].health);
}
BENCHMARK(BM_CrowdedPlayTick)->Unit(benchmark::kNanosecond);

// The world hash replays and network play take every so many steps: the
// whole world, every table entry, on the crowded level.
void BM_WorldHash(benchmark::State& state) {
  auto world = CrowdedWorld();
  for (auto _ : state) benchmark::DoNotOptimize(WorldHash(*world));
}
BENCHMARK(BM_WorldHash)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bv::sim

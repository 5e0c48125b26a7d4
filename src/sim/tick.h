#pragma once

#include "game/key_source.h"
#include "game/level_store.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "settings/live_options.h"
#include "sim/host.h"

namespace bv::sim {

// Everything the tick talks to besides the world. The references must outlive
// every call of RunTick.
struct TickServices {
  game::KeySource& keys;
  game::SoundPlayer& sounds;
  settings::LiveOptions& options;
  Host& host;
  game::LevelStore& levels;  // where the level setup and the next-level test find level files
};

// One 90 Hz game tick: keyboard, players, cell effects, actors, counters,
// level changes and item respawn, in that order. All state lives in the world.
void RunTick(game::World& world, const TickServices& services);

}  // namespace bv::sim

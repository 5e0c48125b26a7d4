// libFuzzer target: a level file through the level setup and a few hundred
// ticks of random keys. The first three bytes choose the game (bit 0 two
// players, bits 1-2 the mode, 3 is none of the three; bit 3 a custom level;
// bit 4 start on the menu level; bit 5 items reappear), the difficulty and
// the keys' seed and the number of ticks; the rest is the level file, as
// long or short as it comes.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "game/level_file.h"
#include "game/level_store.h"
#include "game/paths.h"
#include "game/phases.h"
#include "tools/soak/random_play.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const uint8_t flags = data[0];
  const std::vector<uint8_t> level(
      data + 3, data + std::min(size, static_cast<size_t>(3 + bv::game::kLevelFileSize)));
  // The same file wherever a level change, a won mission or Escape looks.
  bv::game::MemoryLevelStore store;
  store.Put(bv::game::MenuLevelPath(), level);
  store.Put(bv::game::CampaignLevelPath("Fuzz", 1), level);
  store.Put(bv::game::CampaignLevelPath("Fuzz", 2), level);
  store.Put(bv::game::CustomLevelPath("Fuzz"), level);

  bv::soak::RandomPlay play(store, static_cast<uint64_t>(data[1]) << 8 | data[2]);
  bv::soak::GameStart start;
  start.source = (flags & 8) ? bv::settings::LevelSource::kCustom
                             : bv::settings::LevelSource::kCampaign;
  start.entry = "Fuzz";
  start.level = (flags & 16) ? 0 : 1;
  start.two_players = flags & 1;
  start.mode = static_cast<uint8_t>((flags >> 1) & 3);
  start.arenamode = (flags & 32) != 0;
  start.difficulty = data[1] % 8;  // 7: no selection
  start.reitem_period = 100;
  play.Start(start);
  // Straight to the setup; then the shutters open and play goes on a while.
  play.world().transition = bv::game::kSetupPoint - bv::game::kTransitionStep;
  const int ticks = bv::game::kSetupPoint / bv::game::kTransitionStep + 100 + 2 * data[2];
  for (int i = 0; i < ticks && !play.host().closed; ++i) {
    play.Tick();
    const bv::game::World& w = play.world();
    Check(w.actor_count >= 0 && w.actor_count <= static_cast<int>(w.actors.size()));
    Check(w.respawn_count <= static_cast<int>(w.respawn_queue.size()));
  }
  Check(play.host().setups >= 1);
  return 0;
}

#include "app/game_pads.h"

#include <cstdio>

namespace bv::app {

void GamePads::Start(game::KeySource& keyboard, game::World& world, const game::Places& places) {
  std::string error;
  if (!pads_.Start(PadMappingFile(places), &error)) {
    std::fprintf(stderr, "brimvale: %s\n", error.c_str());
  }
  keys_ =
      std::make_unique<media::KeysWithPads>(keyboard, pads_, world.key_codes, world.second_player);
}

void GamePads::Stop() {
  keys_.reset();
  pads_.Stop();
}

std::string PadMappingFile(const game::Places& places) {
  return places.settings_dir + "/gamecontrollerdb.txt";
}

}  // namespace bv::app

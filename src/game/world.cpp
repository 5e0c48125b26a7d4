#include "game/world.h"

namespace bv::game {

World::World() {
  players[0].color = 16744448;
  players[1].color = 65280;
}

void SetStartValues(World& world) {
  world.two_players = 0;
  world.second_player = 0;
  world.level_number = 0;
  world.center_message.clear();
  world.center_message_timer = 0;
  world.pulse_phase = 0;
  world.anim_phase = 0;
  world.menu_sound_armed = 1;
  world.transition = kIntroStart;
}

}  // namespace bv::game

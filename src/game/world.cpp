#include "game/world.h"

#include "game/settings_mirror.h"

namespace bv::game {

World::World() {
  MirrorSettings(settings::ConfigRecord{}, *this);
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

#include "sim/tick.h"

#include "sim/actors.h"
#include "sim/cell_effects.h"
#include "sim/level_change.h"
#include "sim/match_rules.h"
#include "sim/movement.h"
#include "sim/tick_context.h"
#include "sim/weapons.h"

namespace bv::sim {

void ComputeCells(Tick& t, int player) {
  const game::PlayerState& p = t.w.players[player];
  const long double x = p.x;
  const long double y = p.y;
  PlayerCells& c = t.cells[player];
  c.cx = CellByte(x);
  c.cy = CellByte(y);
  c.left = CellByte(x - 15);
  c.right = CellByte(x + 15);
  c.up = CellByte(y - 15);
  c.down = CellByte(y + 15);
}

void RunTick(game::World& world, const TickServices& services) {
  Tick t{world, services, {}};
  game::World& w = world;

  // 1. The players' cells, fixed for the whole tick.
  for (int p = 0; p < t.ActivePlayers(); ++p) ComputeCells(t, p);

  // 2. Keyboard.
  services.keys.Update();

  // 3. Player control during play, unless the options window is up.
  if (w.transition >= game::kPlayStart && !services.options.options_visible()) {
    if (services.keys.KeyDown(game::kKeyEscape) && w.level_number != 0) {
      w.level_number = 0;
      w.transition = game::kLevelChangeStart;
      t.Play(game::SoundSlot::kGet);
    }
    for (int p = 0; p < t.ActivePlayers(); ++p) {
      MovePlayer(t, p);
      ChangeWeapon(t, p);
      FireWeapon(t, p);
      KillTarget(t, p);
      if (t.Deathmatch()) Frag(t, p);
      w.players[p].weapons[0].ammo = 1;
      if (t.Pointmatch()) PointLimit(t, p);
    }
  }

  // 4. Cell effects, in every state.
  for (int p = 0; p < t.ActivePlayers(); ++p) CellEffects(t, p);

  // 5. Actors and the rival test during play.
  if (w.transition >= game::kPlayStart) {
    w.cycle100 = static_cast<uint8_t>(w.cycle100 == 100 ? 0 : w.cycle100 + 1);
    ActorTurns(t);
    // Kept: the rival's reach is found after the shots, so a shot in the tick
    // the rival comes into reach misses.
    if (t.Deathmatch()) RivalReach(t);
  }

  // 6. Display counters.
  w.pulse_phase = static_cast<uint16_t>(w.pulse_phase >= 310 ? 0 : w.pulse_phase + 2);
  w.anim_phase = static_cast<uint8_t>(w.anim_phase >= 32 ? 0 : w.anim_phase + 1);

  // 7. Message timers.
  for (int p = 0; p < t.ActivePlayers(); ++p) {
    if (w.players[p].message_timer > 0) --w.players[p].message_timer;
  }
  if (w.center_message_timer > 0) --w.center_message_timer;

  // 8. The state counter: level change, intro, or play.
  const int32_t state = w.transition;
  if (state >= game::kLevelChangeStart && state <= game::kPlayStart) {
    if (state == game::kSetupPoint) SetupAtMidpoint(t);
    w.transition += game::kTransitionStep;
  } else if (state < game::kLevelChangeStart) {
    ++w.transition;
    services.keys.Update();
    if (services.keys.KeyDown(game::kKeyEscape)) w.transition = game::kLevelChangeStart;
  }

  // 9. Items reappear in the two-player modes.
  if (game::IsMatchMode(w.game_mode) && w.second_player == 1 && services.options.arenamode()) {
    ItemRespawn(t);
  }
}

}  // namespace bv::sim

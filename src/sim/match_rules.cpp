#include "sim/match_rules.h"

#include <string>

#include "sim/sight.h"

namespace bv::sim {

namespace {

void WinMatch(Tick& t, int player) {
  t.Play(game::SoundSlot::kWin);
  t.w.center_message = "Gre wygral gracz: " + std::to_string(player + 1);
  t.w.center_message_timer = kCenterMessageTicks;
  t.w.level_number = 0;
  t.w.transition = game::kLevelChangeStart;
}

}  // namespace

void Frag(Tick& t, int player) {
  game::PlayerState& p = t.w.players[player];
  const int rival_index = 1 - player;
  game::PlayerState& rival = t.w.players[rival_index];
  if (rival.health >= 1) return;
  p.target_player = -1;
  ++p.kills;
  p.points = Wrap32(int64_t{p.points} + 1500);
  rival.x = rival.spawn_x;
  rival.y = rival.spawn_y;
  // The respawned rival's centre cell counts for the rest of this tick.
  t.cells[rival_index].cx = CellByte(rival.x);
  t.cells[rival_index].cy = CellByte(rival.y);
  rival.health = 255;
  // Kept: only reaching the limit exactly wins; kills past it never do.
  if (p.kills == t.w.mission_goal) WinMatch(t, player);
}

void PointLimit(Tick& t, int player) {
  if (t.w.players[player].points >= t.w.mission_goal) WinMatch(t, player);
}

void RivalReach(Tick& t) {
  for (int p = 0; p < 2; ++p) {
    game::PlayerState& pl = t.w.players[p];
    const game::PlayerState& rival = t.w.players[1 - p];
    pl.target_player =
        LineOfSight(t.w, -1, pl.weapons[pl.weapon].range, pl.x, pl.y, rival.x, rival.y) ? 1 : -1;
  }
}

}  // namespace bv::sim

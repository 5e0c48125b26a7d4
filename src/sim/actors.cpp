#include "sim/actors.h"

#include <cmath>
#include <cstdlib>

#include "game/entity_table.h"
#include "sim/sight.h"
#include "sim/weapons.h"

namespace bv::sim {

namespace {

constexpr uint8_t kAttackCooldown = 18;
constexpr int kChaseReach = 5;  // cells in column and row; the path window reaches no further

// Actors wake within the cells a view draws around a player.
bool Active(const Tick& t, int col, int row) {
  if (!t.TwoPlayers()) {
    return std::abs(col - t.cells[0].cx) <= game::kViewColumns &&
           std::abs(row - t.cells[0].cy) <= game::kViewRows;
  }
  for (int p = 0; p < 2; ++p) {
    if (std::abs(col - t.cells[p].cx) <= game::kSplitViewColumns &&
        std::abs(row - t.cells[p].cy) <= game::kViewRows) {
      return true;
    }
  }
  return false;
}

double Distance(const game::Actor& a, const game::PlayerState& p) {
  const double dx = static_cast<double>(a.x) - p.x;
  const double dy = static_cast<double>(a.y) - p.y;
  return std::sqrt(dx * dx + dy * dy);
}

int PlayerToAttack(const Tick& t, int i) {
  if (!t.TwoPlayers()) return 0;
  const game::Actor& a = t.w.actors[i];
  const double d0 = Distance(a, t.w.players[0]);
  const double d1 = Distance(a, t.w.players[1]);
  if (d0 < d1) return 0;
  if (d1 < d0) return 1;
  return i % 2;
}

}  // namespace

void DeathTest(Tick& t) {
  const int n = t.ActivePlayers();
  for (int p = 0; p < n; ++p) {
    game::PlayerState& pl = t.w.players[p];
    if (pl.health > 0) continue;
    if (!t.TwoPlayers() || t.w.game_mode == game::kCooperation) {
      // Kept: found again after every later actor's turn in this tick, so the
      // loss sound and message repeat.
      t.Play(game::SoundSlot::kLost);
      t.w.center_message = "Przegrana";
      t.w.center_message_timer = kCenterMessageTicks;
      t.w.level_number = 0;
      t.w.transition = game::kLevelChangeStart;
    } else if (t.w.game_mode == game::kPointmatch) {
      pl.target_actor = -1;
      pl.x = pl.spawn_x;
      pl.y = pl.spawn_y;
      pl.health = 255;
    }
  }
}

void ActorTurns(Tick& t) {
  const int count = t.w.actor_count < 0                  ? 0
                    : t.w.actor_count > game::kMaxActors ? game::kMaxActors
                                                         : t.w.actor_count;
  for (int i = 0; i < count; ++i) {
    game::Actor& a = t.w.actors[i];
    if (a.kind < game::kFirstActorKind) continue;  // empty slot or corpse
    const int col = ActorCell(a.x);
    const int row = ActorCell(a.y);
    if (!Active(t, col, row)) continue;

    UpdateTargets(t, i);

    const int q = PlayerToAttack(t, i);
    game::PlayerState& target = t.w.players[q];
    if (a.attack_cooldown == 0 && LineOfSight(t.w, i, a.reach, target.x, target.y,
                                              static_cast<float>(a.x), static_cast<float>(a.y))) {
      target.health = Wrap32(int64_t{target.health} - a.damage);
      a.attack_cooldown = kAttackCooldown;
    }
    bool slowed = false;
    if (a.attack_cooldown > 0) {
      --a.attack_cooldown;
      slowed = true;
    }

    const PlayerCells& pc = t.cells[q];
    if (a.kind <= game::kLastMovingKind && std::abs(pc.cx - col) <= kChaseReach &&
        std::abs(pc.cy - row) <= kChaseReach) {
      const int step = a.step - (slowed ? 1 : 0);
      switch (PathStep(t.w, col, row, pc.cx, pc.cy)) {
        case kStepUp:
          a.y -= step;
          break;
        case kStepDown:
          a.y += step;
          break;
        case kStepLeft:
          a.x -= step;
          break;
        case kStepRight:
          a.x += step;
          break;
        default:
          break;
      }
    }

    DeathTest(t);
  }
}

}  // namespace bv::sim

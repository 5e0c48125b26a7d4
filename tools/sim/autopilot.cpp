#include "tools/sim/autopilot.h"

#include <cmath>
#include <cstdlib>
#include <deque>
#include <vector>

#include "game/geometry.h"
#include "game/object_codes.h"
#include "game/phases.h"

namespace bv::sim {

namespace {

// Key slots of a player's six: up, down, left, right, attack, change weapon.
constexpr int kUp = 0, kDown = 1, kLeft = 2, kRight = 3, kAttack = 4, kChange = 5;

int CellOf(float v) {
  return static_cast<int>(std::floor(v / game::kCellSize));
}

bool IsPickup(int code) {
  return (code >= game::obj::kMedkit && code <= game::obj::kCd) || code == game::obj::kUpgrade ||
         (code >= game::obj::kMinigun && code <= game::obj::kSteroids) || game::IsCard(code);
}

// The weapon a player wants in hand: the strongest owned one with ammunition.
int BestWeapon(const game::PlayerState& pl) {
  for (int k = game::kWeaponCount - 1; k > 0; --k) {
    if (pl.weapons[k].owned && pl.weapons[k].ammo > 0) return k;
  }
  return 0;
}

}  // namespace

bool Autopilot::Passable(int p, int x, int y) const {
  const game::MapCell& c = world_.cell(x, y);
  if (c.object != game::obj::kSolid) return true;
  if (c.overlay == game::kNoOverlay) return false;
  for (uint8_t card : world_.players[p].cards) {
    if (card != game::kNoCard && game::DoorForCard(card) == c.overlay) return true;
  }
  return false;
}

bool Autopilot::Wanted(int p, int x, int y) const {
  if (memory_[p].avoid.count({x, y}) != 0) return false;
  const game::PlayerState& pl = world_.players[p];
  const int code = world_.cell(x, y).object;
  switch (plan_.goal) {
    case AutopilotGoal::kMission:
      return code == game::obj::kCd || game::IsCard(code) ||
             (code == game::obj::kMedkit && pl.health < 120);
    case AutopilotGoal::kRival: {
      const game::PlayerState& rival = world_.players[1 - p];
      if (x == CellOf(rival.x) && y == CellOf(rival.y)) return true;
      return code == game::obj::kMp5 || code == game::obj::kBlaster ||
             code == game::obj::kMinigun || code == game::obj::kUpgrade ||
             (code >= game::obj::kEagleAmmo && code <= game::obj::kBlasterAmmoBig) ||
             code == game::obj::kMinigunAmmo || code == game::obj::kMinigunAmmoBig;
    }
    case AutopilotGoal::kScore:
      // A medkit waits for a player who needs it.
      if (code == game::obj::kMedkit) return pl.health < 120;
      return IsPickup(code) || actor_cells_[x * game::kGridHeight + y];
  }
  return false;
}

int32_t Autopilot::Update() {
  const int32_t rc = script_.Update();
  held_.fill(false);
  if (plan_.from < 0 || tick_ < plan_.from || world_.transition < game::kPlayStart) return rc;
  if (world_.level_number != level_seen_) {
    level_seen_ = world_.level_number;
    memory_ = {};
  }
  const int players = world_.second_player == 1 ? plan_.players : 1;
  for (int p = 0; p < players && p < 2; ++p) Drive(p);
  return rc;
}

void Autopilot::Drive(int p) {
  const game::PlayerState& pl = world_.players[p];
  Memory& m = memory_[p];

  // Fire at whatever the weapon aims at, and stand while the rival is in reach.
  const bool aiming = pl.target_actor >= 0 || pl.target_player >= 0;
  if (aiming) Press(p, kAttack);
  if (pl.weapon != BestWeapon(pl) && pl.weapon_change_cooldown == 0) Press(p, kChange);
  if (pl.target_player >= 0) return;

  if (plan_.goal == AutopilotGoal::kScore) {
    actor_cells_.assign(game::kGridWidth * game::kGridHeight, false);
    for (int i = 0; i < world_.actor_count && i < game::kMaxActors; ++i) {
      const game::Actor& a = world_.actors[i];
      const int ax = game::ActorCell(a.x), ay = game::ActorCell(a.y);
      if (a.kind > 0 && ax >= 0 && ax < game::kGridWidth && ay >= 0 && ay < game::kGridHeight) {
        actor_cells_[ax * game::kGridHeight + ay] = true;
      }
    }
  }

  // The nearest wanted cell by free path.
  const int sx = CellOf(pl.x), sy = CellOf(pl.y);
  std::vector<int> from(game::kGridWidth * game::kGridHeight, -1);
  auto index = [](int x, int y) { return x * game::kGridHeight + y; };
  std::deque<std::pair<int, int>> queue;
  if (sx < 0 || sx >= game::kGridWidth || sy < 0 || sy >= game::kGridHeight) return;
  from[index(sx, sy)] = index(sx, sy);
  queue.push_back({sx, sy});
  int goal = -1;
  while (!queue.empty()) {
    const auto [x, y] = queue.front();
    queue.pop_front();
    if ((x != sx || y != sy) && Wanted(p, x, y)) {
      goal = index(x, y);
      break;
    }
    const int dirs[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    for (const auto& d : dirs) {
      const int nx = x + d[0], ny = y + d[1];
      if (nx < 0 || nx >= game::kGridWidth || ny < 0 || ny >= game::kGridHeight) continue;
      if (from[index(nx, ny)] >= 0 || !Passable(p, nx, ny)) continue;
      from[index(nx, ny)] = index(x, y);
      queue.push_back({nx, ny});
    }
  }
  if (goal < 0) return;
  int next = goal;
  while (from[next] != index(sx, sy)) next = from[next];
  const int nx = next / game::kGridHeight, ny = next % game::kGridHeight;

  // Walk to the next cell's centre. Stuck for two seconds, or ten on the
  // way to one goal, give that goal up.
  if (goal != m.goal) {
    m.goal = goal;
    m.goal_ticks = 0;
  } else if (++m.goal_ticks > 900) {
    m.avoid.insert({goal / game::kGridHeight, goal % game::kGridHeight});
    m.goal_ticks = 0;
  }
  const float tx = static_cast<float>(game::CellCentre(nx));
  const float ty = static_cast<float>(game::CellCentre(ny));
  if (tx < pl.x - 2) Press(p, kLeft);
  if (tx > pl.x + 2) Press(p, kRight);
  if (ty < pl.y - 2) Press(p, kUp);
  if (ty > pl.y + 2) Press(p, kDown);
  if (std::abs(pl.x - m.last_x) < 0.5f && std::abs(pl.y - m.last_y) < 0.5f) {
    if (++m.still_ticks > 180) {
      m.avoid.insert({goal / game::kGridHeight, goal % game::kGridHeight});
      m.still_ticks = 0;
    }
  } else {
    m.still_ticks = 0;
  }
  m.last_x = pl.x;
  m.last_y = pl.y;
}

}  // namespace bv::sim

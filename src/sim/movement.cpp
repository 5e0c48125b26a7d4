#include "sim/movement.h"

namespace bv::sim {

namespace {

struct MoveRule {
  Action keys[2];
  int key_count;
  // Probe cells that must be free: bits 1 upper, 2 lower, 4 left, 8 right.
  int probes;
  bool diagonal;
  int dx, dy;
};

constexpr int kUpper = 1, kLower = 2, kLeftProbe = 4, kRightProbe = 8;

// Tried in order; the first whose keys are held and probes free applies.
constexpr MoveRule kRules[] = {
    {{Action::kUp, Action::kLeft}, 2, kUpper | kLeftProbe, true, -1, -1},
    {{Action::kUp, Action::kRight}, 2, kUpper | kRightProbe, true, 1, -1},
    {{Action::kDown, Action::kLeft}, 2, kLower | kLeftProbe, true, -1, 1},
    {{Action::kDown, Action::kRight}, 2, kLower | kRightProbe, true, 1, 1},
    {{Action::kUp, Action::kUp}, 1, kUpper, false, 0, -1},
    {{Action::kDown, Action::kDown}, 1, kLower, false, 0, 1},
    {{Action::kLeft, Action::kLeft}, 1, kLeftProbe, false, -1, 0},
    {{Action::kRight, Action::kRight}, 1, kRightProbe, false, 1, 0},
};

}  // namespace

void MovePlayer(Tick& t, int player) {
  game::PlayerState& p = t.w.players[player];
  const PlayerCells& c = t.cells[player];
  const int s = p.walk_speed - (t.KeyDown(player, Action::kAttack) ? 1 : 0);
  const double d = s / kDiagonalDivisor;
  auto solid = [&](int x, int y) { return t.w.cell(x, y).object == game::obj::kSolid; };
  auto free_probes = [&](int probes) {
    if ((probes & kUpper) && solid(c.cx, c.up)) return false;
    if ((probes & kLower) && solid(c.cx, c.down)) return false;
    if ((probes & kLeftProbe) && solid(c.left, c.cy)) return false;
    if ((probes & kRightProbe) && solid(c.right, c.cy)) return false;
    return true;
  };
  for (const MoveRule& r : kRules) {
    bool held = true;
    for (int k = 0; k < r.key_count; ++k) held = held && t.KeyDown(player, r.keys[k]);
    if (!held || !free_probes(r.probes)) continue;
    const double step = r.diagonal ? d : static_cast<double>(s);
    p.x = static_cast<float>(p.x + r.dx * step);
    p.y = static_cast<float>(p.y + r.dy * step);
    return;
  }
}

void ChangeWeapon(Tick& t, int player) {
  game::PlayerState& p = t.w.players[player];
  if (t.KeyDown(player, Action::kChange) && p.weapon_change_cooldown == 0) {
    // At most one round of the five slots, so a state without any owned slot
    // (never made by a level setup) cannot hang the tick.
    for (int k = 0; k < game::kWeaponCount; ++k) {
      p.weapon = static_cast<uint8_t>(p.weapon >= 4 ? 0 : p.weapon + 1);
      p.weapon_change_cooldown = 30;
      if (p.weapons[p.weapon].owned) break;
    }
    t.Play(game::SoundSlot::kChangeGun);
  } else if (p.weapon_change_cooldown > 0) {
    --p.weapon_change_cooldown;
  }
}

}  // namespace bv::sim

#include "sim/weapons.h"

#include "game/entity_table.h"
#include "sim/sight.h"

namespace bv::sim {

int32_t WeaponDamage(const game::WeaponSlot& slot) {
  return static_cast<int32_t>(slot.upgrades) * slot.damage_per_upgrade + slot.base_damage;
}

int32_t KillPoints(int32_t kind) {
  const int64_t k = kind;
  return Wrap32(kind <= game::kLastMovingKind ? 3 * k * k : 2 * (k - 15) * (k - 15));
}

void UpdateTargets(Tick& t, int actor) {
  const game::Actor& a = t.w.actors[actor];
  const int n = t.ActivePlayers();
  for (int p = 0; p < n; ++p) {
    game::PlayerState& pl = t.w.players[p];
    if (pl.target_actor != -1) continue;
    if (LineOfSight(t.w, actor, pl.weapons[pl.weapon].range, pl.x, pl.y, static_cast<float>(a.x),
                    static_cast<float>(a.y))) {
      pl.target_actor = actor;
    }
  }
  for (int p = 0; p < n; ++p) {
    game::PlayerState& pl = t.w.players[p];
    const int target = pl.target_actor;
    if (target < 0 || target >= game::kMaxActors) continue;
    const game::Actor& ta = t.w.actors[target];
    if (!LineOfSight(t.w, target, pl.weapons[pl.weapon].range, pl.x, pl.y, static_cast<float>(ta.x),
                     static_cast<float>(ta.y))) {
      pl.target_actor = -1;
    }
  }
}

void FireWeapon(Tick& t, int player) {
  game::PlayerState& p = t.w.players[player];
  game::WeaponSlot& slot = p.weapons[p.weapon];
  const bool attack = t.KeyDown(player, Action::kAttack);
  if (attack && slot.cooldown == 0) {
    if (slot.ammo < 1) {
      slot.cooldown = slot.fire_delay;
      t.Play(game::SoundSlot::kNoAmmo);
    } else {
      if (p.target_actor != -1 || p.target_player != -1) {
        const int32_t damage = WeaponDamage(slot);
        if (t.Deathmatch()) {
          game::PlayerState& rival = t.w.players[1 - player];
          rival.health = Wrap32(int64_t{rival.health} - damage);
        } else if (p.target_actor >= 0 && p.target_actor < game::kMaxActors) {
          game::Actor& a = t.w.actors[p.target_actor];
          a.hp = Wrap32(int64_t{a.hp} - damage);
        }
      }
      slot.ammo = Wrap32(int64_t{slot.ammo} - 1);
      slot.cooldown = slot.fire_delay;
      t.Play(game::SoundSlot::kGun, p.weapon);
    }
  }
  if (slot.cooldown > 0) --slot.cooldown;
  if (attack && p.weapon != 0 && slot.ammo > 0 && slot.cooldown == slot.fire_delay / 2) {
    t.Play(game::SoundSlot::kShell, t.w.random.Uniform(0, 2));
  }
}

void KillTarget(Tick& t, int player) {
  game::PlayerState& p = t.w.players[player];
  const int target = p.target_actor;
  if (target < 0 || target >= game::kMaxActors) return;
  game::Actor& a = t.w.actors[target];
  if (a.hp >= 1) return;
  ++p.kills;
  p.points = Wrap32(int64_t{p.points} + KillPoints(a.kind));
  if (a.kind <= game::kLastMovingKind) t.Play(game::SoundSlot::kKill, t.w.random.Uniform(0, 7));
  if (a.kind >= game::kFirstStillKind) {
    // A still target leaves its cell free and drawn empty.
    if (game::MapCell* c = t.w.cell_ptr(ActorCell(a.x), ActorCell(a.y))) {
      c->texture = 0;
      c->object = game::obj::kFloor;
    }
    t.Play(game::SoundSlot::kKillDoor);
  }
  a.kind = -a.kind;
  a.hp = 0;
  if (t.TwoPlayers()) {
    game::PlayerState& other = t.w.players[1 - player];
    if (other.target_actor == target) other.target_actor = -1;
  }
  p.target_actor = -1;
}

}  // namespace bv::sim

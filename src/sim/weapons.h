#pragma once

#include "sim/tick_context.h"

namespace bv::sim {

// Damage of one hit of a weapon slot, in 32-bit integers.
int32_t WeaponDamage(const game::WeaponSlot& slot);

// Points for killing an actor of this kind.
int32_t KillPoints(int32_t kind);

// Picks and drops the players' targets for actor `actor`, at the start of its turn.
void UpdateTargets(Tick& t, int actor);

// The attack key fires the selected weapon at the player's target.
void FireWeapon(Tick& t, int player);

// Resolves the death of the player's target actor: score, sound, corpse.
void KillTarget(Tick& t, int player);

}  // namespace bv::sim

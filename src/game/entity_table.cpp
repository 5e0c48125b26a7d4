#include "game/entity_table.h"

namespace bv::game {

namespace {

// clang-format off
constexpr EntityStats kStats[kLastActorKind - kFirstActorKind + 1] = {
    // 3..7: moving enemies
    {100, 2, 175.0f, 3}, {100, 4, 175.0f, 3}, {100, 6, 175.0f, 3}, {100, 8, 175.0f, 3},
    {100, 10, 175.0f, 3},
    // 8..14
    {150, 2, 175.0f, 3}, {150, 4, 175.0f, 3}, {150, 6, 175.0f, 3}, {150, 8, 175.0f, 3},
    {200, 2, 175.0f, 3}, {200, 4, 175.0f, 3}, {200, 6, 175.0f, 3},
    // 15..17: fast
    {300, 5, 175.0f, 5}, {600, 10, 175.0f, 5}, {900, 15, 175.0f, 5},
    // 18..27: still targets
    {50, 0, 0.0f, 3}, {100, 0, 0.0f, 3}, {200, 0, 0.0f, 3}, {300, 0, 0.0f, 3},
    {400, 0, 0.0f, 3}, {500, 0, 0.0f, 3}, {1000, 0, 0.0f, 3}, {1500, 0, 0.0f, 3},
    {2000, 0, 0.0f, 3}, {3000, 0, 0.0f, 3},
    // 28..39: still attackers
    {200, 1, 200.0f, 3}, {200, 2, 200.0f, 3}, {200, 4, 200.0f, 3},
    {400, 1, 200.0f, 3}, {400, 2, 200.0f, 3}, {400, 4, 200.0f, 3},
    {600, 1, 200.0f, 3}, {600, 2, 200.0f, 3}, {600, 4, 200.0f, 3},
    {800, 1, 200.0f, 3}, {800, 2, 200.0f, 3}, {800, 4, 200.0f, 3},
};
// clang-format on

}  // namespace

const EntityStats* StatsForKind(int kind) {
  if (kind < kFirstActorKind || kind > kLastActorKind) return nullptr;
  return &kStats[kind - kFirstActorKind];
}

Actor NewActor(int kind, int gx, int gy) {
  const EntityStats* stats = StatsForKind(kind);
  if (stats == nullptr) return Actor{};
  Actor a;
  a.kind = kind;
  a.max_hp = stats->max_hp;
  a.hp = stats->max_hp;
  a.damage = stats->damage;
  a.reach = stats->reach;
  a.step = stats->step;
  a.x = CellCentre(gx);
  a.y = CellCentre(gy);
  a.attack_cooldown = 0;
  return a;
}

}  // namespace bv::game

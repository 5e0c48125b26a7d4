#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "game/key_source.h"
#include "game/world.h"

namespace bv::sim {

// What a scripted player goes after.
enum class AutopilotGoal {
  kMission,  // CDs, the cards that open the way, medkits when hurt
  kRival,    // the other player, with better weapons and ammunition on the way
  kScore,    // whatever gives points: pickups and actors
};

struct AutopilotPlan {
  int64_t from = -1;  // first tick it plays; -1: never
  int players = 1;    // it plays player 1, or both
  AutopilotGoal goal = AutopilotGoal::kMission;
};

// A scripted player for long games: each Update it reads the world, walks
// the shortest free path to its goal and fires at whatever the weapon
// targets. It only presses keys, as a player would, and is a pure function
// of the world and its own memory, so a recording of its keys replays.
// Its keys are added to those of `script`.
class Autopilot final : public game::KeySource {
 public:
  Autopilot(const game::World& world, game::KeySource& script, AutopilotPlan plan)
      : world_(world), script_(script), plan_(plan) {}
  void set_tick(int64_t tick) { tick_ = tick; }
  int32_t Update() override;
  bool KeyDown(uint8_t code) const override {
    return script_.KeyDown(code) || (code < held_.size() && held_[code]);
  }

 private:
  struct Memory {
    float last_x = 0, last_y = 0;
    int still_ticks = 0;
    int goal = -1;
    int goal_ticks = 0;
    std::set<std::pair<int, int>> avoid;  // cells it got stuck going to
  };
  void Drive(int p);
  bool Wanted(int p, int x, int y) const;
  bool Passable(int p, int x, int y) const;
  void Press(int p, int action) { held_[world_.key_codes[p * 6 + action]] = true; }

  const game::World& world_;
  game::KeySource& script_;
  AutopilotPlan plan_;
  int64_t tick_ = 0;
  int32_t level_seen_ = -2;
  std::array<bool, 256> held_{};
  std::array<Memory, 2> memory_{};
  std::vector<bool> actor_cells_;
};

}  // namespace bv::sim

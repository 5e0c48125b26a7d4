#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/key_source.h"
#include "tools/sim/scenario.h"

namespace bv::sim {

// The scenario's input script: each Update holds the keys of the current
// tick. Ticks only move forward, so the windows are swept in order of start.
class ScriptedKeys final : public game::KeySource {
 public:
  explicit ScriptedKeys(const std::vector<InputWindow>& input) {
    for (const InputWindow& w : input) pending_.push_back(&w);
    std::stable_sort(pending_.begin(), pending_.end(),
                     [](const InputWindow* a, const InputWindow* b) { return a->from < b->from; });
  }
  void set_tick(int64_t tick) { tick_ = tick; }
  int32_t Update() override {
    while (next_ < pending_.size() && pending_[next_]->from <= tick_) {
      active_.push_back(pending_[next_++]);
    }
    active_.erase(std::remove_if(active_.begin(), active_.end(),
                                 [&](const InputWindow* w) { return w->to <= tick_; }),
                  active_.end());
    table_.Clear();
    for (const InputWindow* w : active_) {
      for (uint8_t code : w->keys) table_.Set(code, true);
    }
    return 0;
  }
  bool KeyDown(uint8_t code) const override { return table_.KeyDown(code); }

 private:
  std::vector<const InputWindow*> pending_;
  std::vector<const InputWindow*> active_;
  size_t next_ = 0;
  game::KeyTable table_;
  int64_t tick_ = 0;
};

}  // namespace bv::sim

// What rollback costs a step: the world copy taken before every step, and a
// correction that runs the last eight steps again, on the two-player arena
// during play.

#include <benchmark/benchmark.h>

#include "net/net_harness.h"
#include "net/rollback.h"

namespace bv::net::test {
namespace {

constexpr uint32_t kIntoPlay = 240;  // past the level change

struct Bench {
  Bench() : rollback(0, levels, sounds) {
    PutArena(levels);
    const Welcome start = ArenaStart(0);
    replay::Header h;
    h.rules_version = sim::kRulesVersion;
    h.seed = start.seed;
    h.level_number = start.level_number;
    h.transition = start.transition;
    h.two_players = start.two_players;
    rollback.Start(h, start.options);
    while (rollback.next_step() < kIntoPlay) Confirmed();
  }
  // A step whose remote keys are already known.
  void Confirmed() {
    const uint32_t s = rollback.next_step();
    rollback.AddRemote(s, ScriptFrame(s, 1));
    rollback.Step(ScriptFrame(s, 0));
  }
  game::MemoryLevelStore levels;
  CountingSounds sounds;
  Rollback rollback;
};

// A step as it runs when nothing needs correcting: snapshot and tick.
void BM_StepWithSnapshot(benchmark::State& state) {
  Bench b;
  for (auto _ : state) b.Confirmed();
  state.SetLabel("per step");
}
BENCHMARK(BM_StepWithSnapshot)->Unit(benchmark::kMicrosecond);

// Eight predicted steps, then the real keys differ at the first of them:
// the world goes back and the eight run again. Reported per step played.
void BM_EightStepRollback(benchmark::State& state) {
  Bench b;
  uint64_t steps = 0;
  for (auto _ : state) {
    const uint32_t first = b.rollback.next_step();
    for (uint32_t i = 0; i < Rollback::kMaxLag; ++i) {
      b.rollback.Step(ScriptFrame(first + i, 0));
    }
    // Player 2 fires, then changes weapon: never what was predicted.
    const sim::InputFrame real = (steps / Rollback::kMaxLag) % 2 == 0 ? 0x400 : 0x800;
    for (uint32_t i = 0; i < Rollback::kMaxLag; ++i) b.rollback.AddRemote(first + i, real);
    b.rollback.Settle();
    steps += Rollback::kMaxLag;
  }
  state.counters["resimulated_per_step"] = benchmark::Counter(
      static_cast<double>(b.rollback.resimulated_steps()) / static_cast<double>(steps));
  state.SetItemsProcessed(static_cast<int64_t>(steps));
}
BENCHMARK(BM_EightStepRollback)->Unit(benchmark::kMicrosecond);

// The hash each side sends every 90 steps.
void BM_WorldHash(benchmark::State& state) {
  Bench b;
  for (auto _ : state) benchmark::DoNotOptimize(sim::WorldHash(b.rollback.world()));
}
BENCHMARK(BM_WorldHash)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bv::net::test

#pragma once

// A game as the program runs it, headless: the real frame timer over a
// clock the test moves, the real tick over crafted levels, and a recorder
// watching it all; then the same replay played back.

#include <functional>
#include <memory>
#include <vector>

#include "game/entity_table.h"
#include "game/key_source.h"
#include "game/level_store.h"
#include "game/paths.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "media/fake_clock.h"
#include "media/frame_timer.h"
#include "replay/player.h"
#include "replay/recorder.h"
#include "replay/stepper.h"
#include "replay/writer.h"
#include "settings/live_options.h"
#include "sim/host.h"
#include "sim/play_clock.h"
#include "sim/rules_version.h"
#include "sim/tick.h"
#include "sim/world_hash.h"
#include "support/level_builder.h"

namespace bv::replay::test {

class NoSounds final : public game::SoundPlayer {
 public:
  void Play(game::SoundSlot, int) override { ++played; }
  int played = 0;
};

// As the app: the options cell shows the options, level -1 closes.
class OptionsHost final : public sim::Host {
 public:
  explicit OptionsHost(settings::LiveOptions& options) : options_(options) {}
  void CloseProgram() override { closed = true; }
  void OpenOptions() override { options_.set_options_visible(true); }
  bool closed = false;

 private:
  settings::LiveOptions& options_;
};

// A menu level with its start at (10, 10) and the one-player pad two cells
// east; campaign "Mala" level 1 with the start at (10, 10), a CD four cells
// east and a few enemies.
inline void PutSmallCampaign(game::MemoryLevelStore& store) {
  bv::test::LevelBuilder menu;
  menu.Entity(10, 10, game::kPlayer1Start);
  menu.Object(12, 10, game::obj::kMenuOne);
  menu.Put(store, game::MenuLevelPath());
  bv::test::LevelBuilder one;
  one.Entity(10, 10, game::kPlayer1Start);
  one.Entity(10, 14, game::kPlayer2Start);
  one.Object(14, 10, game::obj::kCd);
  one.Object(16, 10, game::obj::kCd);
  one.Entity(20, 12, 10);
  one.Entity(22, 8, 11);
  one.Put(store, game::CampaignLevelPath("Mala", 1));
}

// The recorded side: a program's world, options and loop.
struct RecordedGame {
  RecordedGame() : world(std::make_unique<game::World>()) {
    PutSmallCampaign(levels);
    game::SetStartValues(*world);
    world->random.Seed(seed);
    world->transition = game::kIntroStart;
    options.set_level_list({"Mala"});
    timer.set_fps(90);
    timer.set_on_real_time([this](double delta) {
      recorder.RealTime(delta);
      sim::AdvancePlayClock(*world, delta);
    });
    timer.set_on_process([this] {
      if (host.closed) return;
      if (before_tick) before_tick(ticks);
      game::KeySource& read = recorder.BeforeStep(keys);
      sim::RunTick(*world, sim::TickServices{read, sounds, options, host, levels});
      recorder.AfterStep();
      ++ticks;
    });
    timer.set_may_process(true);
    timer.set_may_real_time(true);
  }

  void Start() {
    Header h;
    h.rules_version = sim::kRulesVersion;
    h.seed = seed;
    h.recorder = "test";
    recorder.Start(h);
  }
  // One pass after `micros` of real time.
  void Pass(int64_t micros) {
    clock.AdvanceMicros(micros);
    timer.Pass();
  }
  // Passes of the given lengths, cycled, until `ticks` reaches n.
  void RunUntil(long n, const std::vector<int64_t>& pass_micros) {
    size_t i = 0;
    while (ticks < n && !host.closed) Pass(pass_micros[i++ % pass_micros.size()]);
  }
  void Finish() { recorder.Finish(); }

  uint32_t seed = 4242;
  std::unique_ptr<game::World> world;
  settings::LiveOptions options;
  game::MemoryLevelStore levels;
  game::KeyTable keys;
  NoSounds sounds;
  OptionsHost host{options};
  media::FakeClock clock;
  media::FrameTimer timer{clock};
  MemorySink sink;
  Writer writer{sink};
  Recorder recorder{writer, *world, options};
  std::function<void(long)> before_tick;
  long ticks = 0;
};

// The playing side.
struct Playback {
  explicit Playback(const ReplayFile& file)
      : world(std::make_unique<game::World>()), player(file, stepper) {
    PutSmallCampaign(levels);
  }
  // Plays to the end; the steps run.
  uint32_t PlayAll() {
    player.Start();
    while (player.Step()) {
    }
    return player.steps_run();
  }

  std::unique_ptr<game::World> world;
  settings::LiveOptions options;
  game::MemoryLevelStore levels;
  NoSounds sounds;
  OptionsHost host{options};
  Stepper stepper{*world, options, sounds, host, levels};
  Player player;
};

}  // namespace bv::replay::test

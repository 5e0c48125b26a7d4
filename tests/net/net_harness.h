#pragma once

// A two-player match over a network in memory, and the same match run on
// one machine as the reference it must equal.

#include <cstdint>
#include <memory>

#include "game/entity_table.h"
#include "game/level_store.h"
#include "game/paths.h"
#include "game/sound_slots.h"
#include "game/world.h"
#include "net/memory_link.h"
#include "net/packets.h"
#include "net/replay_recording.h"
#include "net/session.h"
#include "replay/stepper.h"
#include "replay/writer.h"
#include "sim/host.h"
#include "sim/rules_version.h"
#include "sim/world_hash.h"
#include "support/level_builder.h"

namespace bv::net::test {

class CountingSounds final : public game::SoundPlayer {
 public:
  void Play(game::SoundSlot, int) override { ++played; }
  int played = 0;
};

class QuietHost final : public sim::Host {
 public:
  void CloseProgram() override {}
  void OpenOptions() override {}
};

// A menu and an arena "Arena" level 1: the players start three cells apart
// with weapons and ammunition lying about.
inline void PutArena(game::MemoryLevelStore& store, uint8_t extra_object = 0) {
  bv::test::LevelBuilder menu;
  menu.Entity(10, 10, game::kPlayer1Start);
  menu.Put(store, game::MenuLevelPath());
  bv::test::LevelBuilder arena;
  arena.Entity(20, 20, game::kPlayer1Start);
  arena.Entity(23, 20, game::kPlayer2Start);
  arena.Object(21, 18, game::obj::kEagle);
  arena.Object(22, 22, game::obj::kEagleAmmo);
  arena.Object(18, 20, game::obj::kMedkit);
  arena.Object(25, 21, game::obj::kBlaster);
  if (extra_object != 0) arena.Object(20, 21, extra_object);
  for (int y = 14; y < 28; ++y) {
    arena.Wall(14, y);
    arena.Wall(29, y);
  }
  arena.Put(store, game::CampaignLevelPath("Arena", 1));
}

// The start both sides play: the level change into the arena, Deathmatch.
inline Welcome ArenaStart(uint32_t length, uint8_t mode = 1) {
  Welcome w;
  w.seed = 99;
  w.level_number = 1;
  w.two_players = 1;
  w.transition = 0;
  w.length = length;
  w.options.settings.multi_tryb = mode;
  w.options.live.set_level_list({"Arena"});
  w.options.live.set_selected(0);
  return w;
}

inline Identity TestIdentity(uint64_t data_hash = 0x1234) {
  Identity id;
  id.rules = sim::kRulesVersion;
  id.data_hash = data_hash;
  return id;
}

// Each player's keys: held for stretches of 13 to 40 steps, walking,
// turning, changing weapon and firing, different for the two players.
inline sim::InputFrame ScriptFrame(uint32_t step, int player) {
  const uint32_t stretch = step / (13 + 27 * static_cast<uint32_t>(player));
  uint32_t h = (stretch + 1) * 2654435761u ^ (static_cast<uint32_t>(player) + 1) * 40503u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  const unsigned bits = h & 0x3Fu & ~((h & 1u) ? 0x02u : 0x01u);  // never up and down at once
  return static_cast<sim::InputFrame>(bits << (player == 0 ? 0 : 6));
}

inline sim::InputFrame BothFrames(uint32_t step) {
  return static_cast<sim::InputFrame>(ScriptFrame(step, 0) | ScriptFrame(step, 1));
}

// The match on one machine: the world hash after `steps` steps and the
// sounds played.
struct LocalRun {
  uint64_t hash = 0;
  int sounds = 0;
};

inline LocalRun RunLocally(const Welcome& start, uint32_t steps) {
  auto world = std::make_unique<game::World>();
  settings::LiveOptions options;
  game::MemoryLevelStore levels;
  PutArena(levels);
  CountingSounds sounds;
  QuietHost host;
  replay::Stepper stepper(*world, options, sounds, host, levels);
  replay::Header h;
  h.rules_version = sim::kRulesVersion;
  h.seed = start.seed;
  h.level_number = start.level_number;
  h.transition = start.transition;
  h.two_players = start.two_players;
  stepper.Start(h, start.options);
  for (uint32_t s = 0; s < steps; ++s) {
    stepper.AdvanceClock(1.0);
    stepper.Step(replay::StepInput::Of(BothFrames(s)));
  }
  return {sim::WorldHash(*world), sounds.played};
}

// One side of the network match with its own level files and replay.
struct Side {
  Side(Role role, Transport& transport, FakeTime& time, uint64_t data_hash,
       uint8_t extra_object = 0)
      : recording(writer, "test", 0),
        session(role, TestIdentity(data_hash), transport, time, levels, sounds) {
    PutArena(levels, extra_object);
    session.set_observer(&recording);
  }
  int player() const { return session.role() == Role::kHost ? 0 : 1; }
  // One pass: take in the network, then a step when allowed.
  void Pass() {
    session.Poll();
    if (session.CanStep()) {
      session.Step(ScriptFrame(session.game().next_step(), player()));
    }
  }

  game::MemoryLevelStore levels;
  CountingSounds sounds;
  replay::MemorySink sink;
  replay::Writer writer{sink};
  ReplayRecording recording;
  Session session;
};

// Both sides over one link, 11 ms of time a pass (about 90 passes a second).
struct Match {
  explicit Match(LinkConditions c, uint64_t guest_data = 0x1234, uint8_t guest_extra = 0)
      : link(time, c),
        host(Role::kHost, link.a(), time, 0x1234),
        guest(Role::kGuest, link.b(), time, guest_data, guest_extra) {}

  // Until both sides have confirmed `steps` steps, or either ended, or
  // `max_ms` of time ran out; true when the steps were done.
  bool Play(uint32_t steps, int64_t max_ms = 120000) {
    host.session.Offer(ArenaStart(steps));
    const int64_t end = time.now + max_ms;
    while (time.now < end) {
      host.Pass();
      guest.Pass();
      if (host.session.Complete(steps) && guest.session.Complete(steps)) {
        host.session.Quit(ByeReason::kDone);
        guest.session.Quit(ByeReason::kDone);
        host.recording.Finish(host.session.game().confirmed_world());
        guest.recording.Finish(guest.session.game().confirmed_world());
        return true;
      }
      if (host.session.phase() == Phase::kEnded || guest.session.phase() == Phase::kEnded) {
        return false;
      }
      time.now += 11;
    }
    return false;
  }

  FakeTime time;
  MemoryLink link;
  Side host;
  Side guest;
};

}  // namespace bv::net::test

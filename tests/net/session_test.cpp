#include "net/session.h"

#include <gtest/gtest.h>

#include "net/net_harness.h"
#include "net/world_dump.h"
#include "replay/player.h"
#include "replay/reader.h"

namespace bv::net::test {
namespace {

constexpr uint32_t kSteps = 720;  // the level change and about 5 s of the match

// A side's replay, played back on a fresh world, ends where the match did.
uint64_t ReplayedHash(const Side& side) {
  const replay::ReplayFile file = replay::ReplayFile::FromBytes(side.sink.bytes);
  auto world = std::make_unique<game::World>();
  settings::LiveOptions options;
  game::MemoryLevelStore levels;
  PutArena(levels);
  CountingSounds sounds;
  QuietHost host;
  replay::Stepper stepper(*world, options, sounds, host, levels);
  replay::Player player(file, stepper);
  player.Start();
  while (player.Step()) {
  }
  EXPECT_FALSE(player.divergence().has_value()) << player.divergence()->reason;
  EXPECT_EQ(player.steps_run(), kSteps);
  return sim::WorldHash(*world);
}

struct LinkCase {
  const char* name;
  LinkConditions link;
  bool expect_rollbacks;
};

TEST(NetworkMatch, EndsInTheWorldOfALocalRunOverAnyLink) {
  const LocalRun local = RunLocally(ArenaStart(kSteps), kSteps);
  const LinkCase cases[] = {
      {"direct", {0, 0, 0.0}, false},
      {"50 ms, reordering, 5 % lost", {50, 20, 0.05}, true},
      {"150 ms, reordering, 5 % lost", {150, 40, 0.05}, true},
  };
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.name);
    Match m(c.link);
    ASSERT_TRUE(m.Play(kSteps)) << m.host.session.end_message() << m.guest.session.end_message();
    const uint64_t host_hash = sim::WorldHash(m.host.session.game().confirmed_world());
    const uint64_t guest_hash = sim::WorldHash(m.guest.session.game().confirmed_world());
    EXPECT_EQ(host_hash, local.hash);
    EXPECT_EQ(guest_hash, local.hash);
    EXPECT_EQ(ReplayedHash(m.host), local.hash);
    EXPECT_EQ(ReplayedHash(m.guest), local.hash);
    EXPECT_EQ(m.host.session.stats().malformed, 0u);
    EXPECT_EQ(m.guest.session.stats().conflicts, 0u);
    if (c.expect_rollbacks) {
      EXPECT_GT(m.host.session.game().rollbacks() + m.guest.session.game().rollbacks(), 0u);
    }
    EXPECT_LE(m.host.session.game().deepest_rollback(), Rollback::kMaxLag + 1);
  }
}

TEST(NetworkMatch, SoundsOfStepsRunAgainAreNotPlayedAgain) {
  const LocalRun local = RunLocally(ArenaStart(kSteps), kSteps);
  Match m({150, 40, 0.05});
  ASSERT_TRUE(m.Play(kSteps));
  ASSERT_GT(m.guest.session.game().resimulated_steps(), 0u);
  // Each step plays once, when first run: never more than the steps' sounds
  // and their mispredicted variants, far from doubling them.
  for (const Side* s : {&m.host, &m.guest}) {
    EXPECT_GT(s->sounds.played, 0);
    EXPECT_LT(s->sounds.played, local.sounds + local.sounds / 2 + 5);
  }
}

TEST(NetworkMatch, WaitsWhenTheOtherSideIsMoreThanEightStepsLate) {
  FakeTime time;
  MemoryLink link(time, {});
  Side host(Role::kHost, link.a(), time, 0x1234);
  Side guest(Role::kGuest, link.b(), time, 0x1234);
  host.session.Offer(ArenaStart(0));
  for (int i = 0; i < 5; ++i) {
    host.session.Poll();
    guest.session.Poll();
  }
  ASSERT_EQ(host.session.phase(), Phase::kPlaying);
  ASSERT_EQ(guest.session.phase(), Phase::kPlaying);
  // The guest stops stepping; the host runs on alone as far as it may.
  int steps = 0;
  for (int i = 0; i < 30; ++i) {
    time.now += 11;
    guest.session.Poll();
    host.session.Poll();
    if (host.session.CanStep()) {
      host.session.Step(0);
      ++steps;
    }
  }
  EXPECT_EQ(steps, static_cast<int>(Rollback::kMaxLag) + 1);
  EXPECT_TRUE(host.session.waiting());
  EXPECT_GT(host.session.stats().waits, 0u);
  // A step of the guest lets the host go on by one.
  guest.session.Step(0);
  time.now += 1;
  host.session.Poll();
  EXPECT_FALSE(host.session.waiting());
}

TEST(NetworkMatch, SilenceForFiveSecondsEndsTheGame) {
  Match m({20, 0, 0.0});
  m.host.session.Offer(ArenaStart(0));
  for (int i = 0; i < 100; ++i) {
    m.host.Pass();
    m.guest.Pass();
    m.time.now += 11;
  }
  ASSERT_EQ(m.host.session.phase(), Phase::kPlaying);
  m.link.Cut();
  const int64_t cut_at = m.time.now;
  while (m.host.session.phase() == Phase::kPlaying && m.time.now < cut_at + 20000) {
    m.host.Pass();
    m.guest.Pass();
    m.time.now += 11;
  }
  EXPECT_EQ(m.host.session.end_reason(), EndReason::kLost);
  EXPECT_EQ(m.host.session.end_message(), kLostText);
  EXPECT_GE(m.time.now - cut_at, Session::kTimeoutMs - 100);
  EXPECT_LE(m.time.now - cut_at, Session::kTimeoutMs + 100);
  m.guest.Pass();
  EXPECT_EQ(m.guest.session.end_reason(), EndReason::kLost);
}

TEST(NetworkMatch, DifferentLevelFilesAreCaughtByTheHashCheck) {
  // Same identity, but a medkit more on the guest's arena.
  Match m({30, 10, 0.0}, 0x1234, game::obj::kMedkit);
  EXPECT_FALSE(m.Play(kSteps));
  // The other side hears of it with the goodbye.
  for (int i = 0; i < 20; ++i) {
    m.time.now += 11;
    m.host.session.Poll();
    m.guest.session.Poll();
  }
  for (const Side* s : {&m.host, &m.guest}) {
    EXPECT_EQ(s->session.end_reason(), EndReason::kDesync);
    EXPECT_EQ(s->session.end_message(), kDesyncText);
  }
  // The side that found it holds the world it hashed.
  const Side& finder = m.host.session.desync_world() != nullptr ? m.host : m.guest;
  ASSERT_NE(finder.session.desync_world(), nullptr);
  EXPECT_EQ(finder.session.desync_steps() % Session::kHashEvery, 0u);
  const std::string dump = WorldDump(*finder.session.desync_world());
  EXPECT_NE(dump.find("world_hash "), std::string::npos);
  EXPECT_NE(dump.find("player2 x "), std::string::npos);
}

TEST(NetworkMatch, AGuestWithOtherDataIsRefusedAndTheHostWaitsOn) {
  Match m({}, 0x9999);
  m.host.session.Offer(ArenaStart(0));
  for (int i = 0; i < 10; ++i) {
    m.host.session.Poll();
    m.guest.session.Poll();
    m.time.now += 11;
  }
  EXPECT_EQ(m.guest.session.end_reason(), EndReason::kRefused);
  EXPECT_NE(m.guest.session.end_message().find("Inne pliki danych gry"), std::string::npos);
  EXPECT_NE(m.guest.session.end_message().find(sim::WorldHashHex(0x1234)), std::string::npos);
  EXPECT_EQ(m.host.session.phase(), Phase::kConnecting);
  EXPECT_EQ(m.host.session.stats().refusals, 1u);
}

TEST(NetworkMatch, GarbageChangesNothingAndIsCounted) {
  const LocalRun local = RunLocally(ArenaStart(kSteps), kSteps);
  Match m({30, 10, 0.05});
  std::mt19937 random(3);
  int injected = 0;
  m.host.session.Offer(ArenaStart(kSteps));
  bool done = false;
  for (int i = 0; i < 20000 && !done; ++i) {
    if (i % 3 == 0) {
      std::vector<uint8_t> junk(random() % 40);
      for (uint8_t& b : junk) b = static_cast<uint8_t>(random());
      if (junk.size() > 3 && i % 2 == 0) {
        junk[0] = 'B';
        junk[1] = 'N';
        junk[2] = 4;  // inputs of a wrong size, or the host's own keys
      }
      m.host.session.Poll();  // keep the real packets first in time
      m.link.a().Inject(junk);
      ++injected;
    }
    m.host.Pass();
    m.guest.Pass();
    done = m.host.session.Complete(kSteps) && m.guest.session.Complete(kSteps);
    m.time.now += 11;
  }
  ASSERT_TRUE(done);
  EXPECT_EQ(sim::WorldHash(m.host.session.game().confirmed_world()), local.hash);
  EXPECT_EQ(sim::WorldHash(m.guest.session.game().confirmed_world()), local.hash);
  EXPECT_GT(m.host.session.stats().malformed, static_cast<uint64_t>(injected) / 2);
}

}  // namespace
}  // namespace bv::net::test

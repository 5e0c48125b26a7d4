#include "net/net_game.h"

#include <gtest/gtest.h>

#include "game/phases.h"
#include "net/net_harness.h"
#include "replay/reader.h"

namespace bv::net::test {
namespace {

constexpr sim::InputFrame kEscape = 1u << sim::kEscapeBit;
constexpr sim::InputFrame kUp1 = 1u << 0, kRight1 = 1u << 3, kAttack1 = 1u << 4;
constexpr sim::InputFrame kUp2 = 1u << 6, kRight2 = 1u << 9, kAttack2 = 1u << 10;

TEST(FoldOntoPlayer, EitherKeySetPlaysThisSidesPlayer) {
  struct Case {
    sim::InputFrame read;
    int player;
    sim::InputFrame played;
  };
  const Case cases[] = {
      {kUp1, 0, kUp1},
      {kUp2, 0, kUp1},
      {kUp1 | kRight2, 0, kUp1 | kRight1},
      {kUp1, 1, kUp2},
      {kUp2 | kAttack1, 1, kUp2 | kAttack2},
      {kEscape, 0, kEscape},
      {kEscape | kRight1, 1, kEscape | kRight2},
      {0, 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FoldOntoPlayer(c.read, c.player), c.played) << c.read << " for " << c.player;
  }
}

// One side as the game program runs it: its level files, sounds and replay.
struct Program {
  Program(Role role, Transport& transport, FakeTime& time, uint64_t data_hash = 0x1234,
          uint8_t extra_object = 0)
      : game(role, TestIdentity(data_hash), transport, time, levels, sounds) {
    PutArena(levels, extra_object);
    game.Record(writer, "test", 0);
  }
  // The keyboard as a lone player reads it: always the first key set.
  sim::InputFrame Read(uint32_t step) const {
    sim::InputFrame f = ScriptFrame(step, 0);
    if (escape_at && step >= *escape_at) f |= kEscape;
    return f;
  }
  void Pass() {
    game.Poll();
    const uint32_t next = game.session().game().next_step();
    if (game.Step(Read(next))) ++steps;
  }
  replay::ReplayFile Replay() const { return replay::ReplayFile::FromBytes(sink.bytes); }

  game::MemoryLevelStore levels;
  CountingSounds sounds;
  replay::MemorySink sink;
  replay::Writer writer{sink};
  NetGame game;
  std::optional<uint32_t> escape_at;
  int steps = 0;
};

struct Pair {
  explicit Pair(LinkConditions c = {}, uint64_t guest_data = 0x1234, uint8_t guest_extra = 0)
      : link(time, c),
        host(Role::kHost, link.a(), time),
        guest(Role::kGuest, link.b(), time, guest_data, guest_extra) {
    host.game.Offer(ArenaStart(0));
  }
  // Passes 11 ms apart until `done` holds or `max_ms` ran out.
  template <typename Done>
  bool RunUntil(Done done, int64_t max_ms = 60000) {
    for (const int64_t end = time.now + max_ms; time.now < end; time.now += 11) {
      host.Pass();
      guest.Pass();
      if (done()) return true;
    }
    return false;
  }
  bool BothIn(NetGame::State s) const { return host.game.state() == s && guest.game.state() == s; }

  FakeTime time;
  MemoryLink link;
  Program host;
  Program guest;
};

TEST(NetGame, EscapeOnEitherSideEndsTheMatchForBothAtTheSameStep) {
  Pair p({40, 20, 0.05});
  ASSERT_TRUE(p.RunUntil([&] { return p.BothIn(NetGame::State::kPlaying); }));
  ASSERT_NE(p.host.game.world(), nullptr);
  // The guest reads the first key set; its player 2 walks with it.
  p.guest.escape_at = 600;
  ASSERT_TRUE(p.RunUntil([&] { return p.host.game.done() && p.guest.game.done(); }));

  for (const Program* s : {&p.host, &p.guest}) {
    ASSERT_TRUE(s->game.ending().has_value());
    const NetEnding& e = *s->game.ending();
    EXPECT_EQ(e.reason, EndReason::kDone);
    EXPECT_TRUE(e.played);
    EXPECT_TRUE(e.message.empty()) << e.message;  // Escape leaves no message
    EXPECT_EQ(s->game.world(), nullptr);           // the program draws its own world again
    EXPECT_EQ(s->game.session().end_reason(), EndReason::kDone);
  }
  // Escape at 600, the level change to the menu: its setup 112 steps on.
  EXPECT_EQ(p.host.game.confirmed_steps(), 600u + 1 + 112);
  EXPECT_EQ(p.guest.game.confirmed_steps(), p.host.game.confirmed_steps());
  const replay::ReplayFile a = p.host.Replay(), b = p.guest.Replay();
  EXPECT_TRUE(a.finished());
  EXPECT_TRUE(b.finished());
  EXPECT_EQ(a.steps(), p.host.game.confirmed_steps());
  EXPECT_EQ(b.steps(), a.steps());
  EXPECT_EQ(a.last_hash(), b.last_hash());
}

TEST(NetGame, AWonCampaignKeepsItsMessageUpAfterTheReturn) {
  // Cooperation on an arena with one CD under player 1's start, and no level 2.
  FakeTime time;
  MemoryLink link(time, {});
  Program host(Role::kHost, link.a(), time, 0x1234, game::obj::kCd);
  Program guest(Role::kGuest, link.b(), time, 0x1234, game::obj::kCd);
  host.game.Offer(ArenaStart(0, 0));
  constexpr sim::InputFrame kDown1 = 1u << 1;
  for (int i = 0; i < 4000 && !(host.game.done() && guest.game.done()); ++i, time.now += 11) {
    for (Program* s : {&host, &guest}) {
      s->game.Poll();
      s->game.Step(s == &host ? kDown1 : 0);
    }
  }
  for (const Program* s : {&host, &guest}) {
    ASSERT_TRUE(s->game.ending().has_value());
    EXPECT_EQ(s->game.ending()->reason, EndReason::kDone);
    EXPECT_EQ(s->game.ending()->message, "Wygrana");
    EXPECT_GT(s->game.ending()->message_timer, 1020 - 120);
    EXPECT_LT(s->game.ending()->message_timer, 1020);
  }
}

TEST(NetGame, WaitsWhileTheOtherSideIsTooLate) {
  Pair p;
  ASSERT_TRUE(p.RunUntil([&] { return p.BothIn(NetGame::State::kPlaying); }));
  int stepped = 0;
  for (int i = 0; i < 30; ++i, p.time.now += 11) {
    p.host.game.Poll();
    p.guest.game.Poll();  // the guest hears but never steps
    if (p.host.game.Step(0)) ++stepped;
  }
  EXPECT_LE(stepped, static_cast<int>(Rollback::kMaxLag) + 1);
  EXPECT_TRUE(p.host.game.waiting());
  EXPECT_EQ(p.host.game.state(), NetGame::State::kPlaying);
  EXPECT_FALSE(p.host.game.Step(0));
}

// The shutters close over the last frame with the message; then the program
// has its world back, with the message still up.
void ExpectClosingWithMessage(Program& s, const std::string& text) {
  ASSERT_EQ(s.game.state(), NetGame::State::kClosing);
  const game::World* w = s.game.world();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->center_message, text);
  EXPECT_EQ(w->level_number, 0);
  // The passes that saw the end may have run a few of its steps already.
  const int32_t from = w->transition;
  const int16_t timer = w->center_message_timer;
  EXPECT_GE(from, game::kLevelChangeStart);
  EXPECT_LT(from, 40);
  EXPECT_EQ(timer, 1020 - from / game::kTransitionStep);
  const int32_t player_x = static_cast<int32_t>(w->players[0].x);
  int steps = 0;
  while (s.game.state() == NetGame::State::kClosing && steps < 1000) {
    EXPECT_TRUE(s.game.Step(kUp1));
    ++steps;
    if (s.game.world() != nullptr) {
      EXPECT_EQ(static_cast<int32_t>(s.game.world()->players[0].x), player_x);  // nothing plays
    }
  }
  EXPECT_EQ(steps, (game::kSetupPoint - from) / game::kTransitionStep);
  ASSERT_TRUE(s.game.ending().has_value());
  EXPECT_TRUE(s.game.ending()->played);
  EXPECT_EQ(s.game.ending()->message, text);
  EXPECT_EQ(s.game.ending()->message_timer, 1020 - game::kSetupPoint / game::kTransitionStep);
  EXPECT_EQ(s.game.world(), nullptr);
}

TEST(NetGame, ALostLinkClosesBothGamesWithAMessage) {
  Pair p({20, 0, 0.0});
  ASSERT_TRUE(p.RunUntil([&] { return p.host.steps > 300 && p.guest.steps > 300; }));
  p.link.Cut();
  ASSERT_TRUE(p.RunUntil([&] {
    return p.host.game.state() != NetGame::State::kPlaying &&
           p.guest.game.state() != NetGame::State::kPlaying;
  }));
  // Both replays end where each side's confirmed game did.
  EXPECT_TRUE(p.host.Replay().finished());
  EXPECT_TRUE(p.guest.Replay().finished());
  for (Program* s : {&p.host, &p.guest}) {
    EXPECT_EQ(s->game.session().end_reason(), EndReason::kLost);
    ExpectClosingWithMessage(*s, kLostText);
    EXPECT_TRUE(s->game.done());
  }
}

TEST(NetGame, TheOtherPlayerLeaving) {
  Pair p({20, 0, 0.0});
  ASSERT_TRUE(p.RunUntil([&] { return p.host.steps > 300 && p.guest.steps > 300; }));
  p.guest.game.Leave();
  EXPECT_EQ(p.guest.game.state(), NetGame::State::kClosing);
  EXPECT_TRUE(p.guest.game.world()->center_message_timer == 0 ||
              p.guest.game.world()->center_message != kPeerLeftText);
  ASSERT_TRUE(p.RunUntil([&] { return p.host.game.state() != NetGame::State::kPlaying; }, 1000));
  ExpectClosingWithMessage(p.host, kPeerLeftText);
}

TEST(NetGame, ADesyncStopsBothAndLeavesADump) {
  // The same data hash, but a medkit more on the guest's arena.
  Pair p({30, 10, 0.0}, 0x1234, game::obj::kMedkit);
  ASSERT_TRUE(p.RunUntil([&] {
    return p.host.game.state() == NetGame::State::kClosing &&
           p.guest.game.state() == NetGame::State::kClosing;
  }));
  for (Program* s : {&p.host, &p.guest}) {
    EXPECT_EQ(s->game.session().end_reason(), EndReason::kDesync);
    EXPECT_EQ(s->game.desync_dump().rfind("steps ", 0), 0u);
    EXPECT_NE(s->game.desync_dump().find("world_hash "), std::string::npos);
    EXPECT_TRUE(s->Replay().finished());
    ExpectClosingWithMessage(*s, kDesyncText);
  }
}

TEST(NetGame, ARefusedGuestNeverLeavesItsOwnWorld) {
  Pair p({}, 0x9999);
  ASSERT_TRUE(p.RunUntil([&] { return p.guest.game.state() == NetGame::State::kOver; }, 2000));
  const NetEnding& e = *p.guest.game.ending();
  EXPECT_EQ(e.reason, EndReason::kRefused);
  EXPECT_FALSE(e.played);
  EXPECT_EQ(e.message.rfind("Inne pliki danych gry", 0), 0u) << e.message;
  EXPECT_EQ(e.message_timer, 1020);
  EXPECT_EQ(p.guest.steps, 0);
  // The host goes on waiting for another guest.
  EXPECT_EQ(p.host.game.state(), NetGame::State::kConnecting);
}

TEST(NetGame, NoHostMeansAMessageAfterTheTimeOut) {
  FakeTime time;
  MemoryLink link(time, {});
  link.Cut();
  Program guest(Role::kGuest, link.b(), time);
  for (int i = 0; i < 1000 && guest.game.state() == NetGame::State::kConnecting; ++i) {
    time.now += 11;
    guest.Pass();
  }
  ASSERT_EQ(guest.game.state(), NetGame::State::kOver);
  EXPECT_EQ(guest.game.ending()->reason, EndReason::kLost);
  EXPECT_FALSE(guest.game.ending()->played);
  EXPECT_FALSE(guest.game.ending()->message.empty());
}

}  // namespace
}  // namespace bv::net::test

// libFuzzer target: a network packet. Whatever the decoder accepts must
// encode back to bytes it reads the same way; then the packet goes to a
// host and a guest in the middle of a game, which must count or use it and
// go on playing.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "game/entity_table.h"
#include "game/level_store.h"
#include "game/paths.h"
#include "game/sound_slots.h"
#include "net/memory_link.h"
#include "net/packets.h"
#include "net/session.h"
#include "sim/rules_version.h"
#include "support/level_builder.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

std::vector<uint8_t> Reencoded(const bv::net::Packet& p) {
  using bv::net::PacketType;
  switch (p.type) {
    case PacketType::kHello: return bv::net::Encode(p.hello);
    case PacketType::kWelcome: return bv::net::Encode(p.welcome);
    case PacketType::kRefuse: return bv::net::Encode(p.refuse);
    case PacketType::kInputs: return bv::net::Encode(p.inputs);
    case PacketType::kHash: return bv::net::Encode(p.hash);
    case PacketType::kBye: return bv::net::Encode(p.bye);
  }
  return {};
}

void RoundTrip(const uint8_t* data, size_t size, int player) {
  const bv::sim::InputFrame mask = bv::net::PlayerFrameMask(player);
  const auto p = bv::net::Decode(data, size, mask);
  if (!p) return;
  const std::vector<uint8_t> again = Reencoded(*p);
  const auto q = bv::net::Decode(again.data(), again.size(), mask);
  Check(q.has_value() && q->type == p->type);
  Check(Reencoded(*q) == again);
  if (p->type != bv::net::PacketType::kWelcome) Check(again.size() == size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace bv::net;
  RoundTrip(data, size, 0);
  RoundTrip(data, size, 1);

  test::FakeTime time;
  test::MemoryLink link(time, {});
  bv::game::MemoryLevelStore levels;
  bv::test::LevelBuilder menu;
  menu.Entity(10, 10, bv::game::kPlayer1Start);
  menu.Put(levels, bv::game::MenuLevelPath());
  bv::game::SilentSoundPlayer sounds;
  Identity id;
  id.rules = bv::sim::kRulesVersion;
  Session host(Role::kHost, id, link.a(), time, levels, sounds);
  Session guest(Role::kGuest, id, link.b(), time, levels, sounds);
  Welcome start;
  start.transition = 0;
  host.Offer(start);
  for (int i = 0; i < 4; ++i) {
    host.Poll();
    guest.Poll();
    if (host.CanStep()) host.Step(0);
    if (guest.CanStep()) guest.Step(0);
    time.now += 11;
  }
  Check(host.phase() == Phase::kPlaying && guest.phase() == Phase::kPlaying);
  const std::vector<uint8_t> packet(data, data + size);
  link.a().Inject(packet);
  link.b().Inject(packet);
  for (int i = 0; i < 4; ++i) {
    host.Poll();
    guest.Poll();
    if (host.CanStep()) host.Step(0);
    if (guest.CanStep()) guest.Step(0);
    time.now += 11;
  }
  const uint64_t seen = host.stats().packets_in;
  Check(host.stats().malformed <= seen);
  Check(host.game().next_step() <= 8 + Rollback::kMaxLag + 1);
  return 0;
}

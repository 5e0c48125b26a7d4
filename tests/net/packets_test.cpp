#include "net/packets.h"

#include <gtest/gtest.h>

#include <random>

namespace bv::net {
namespace {

const sim::InputFrame kGuestMask = PlayerFrameMask(1);

Packet RoundTrip(const std::vector<uint8_t>& bytes) {
  std::string why;
  const std::optional<Packet> p = Decode(bytes.data(), bytes.size(), kGuestMask, &why);
  EXPECT_TRUE(p.has_value()) << why;
  return p.value_or(Packet{});
}

TEST(Packets, EveryTypeReadsBackAsWritten) {
  Identity id{kProtocolVersion, 7, 0x0123456789abcdefull};
  EXPECT_EQ(RoundTrip(Encode(Hello{id})).hello.identity.data_hash, id.data_hash);

  Welcome w;
  w.identity = id;
  w.seed = 4242;
  w.level_number = 1;
  w.transition = -5;
  w.two_players = 1;
  w.length = 900;
  w.options.settings.multi_tryb = 2;
  w.options.live.set_level_list({"Arena"});
  w.options.live.set_selected(0);
  w.options.live.set_frag_limit(7);
  const Packet pw = RoundTrip(Encode(w));
  ASSERT_EQ(pw.type, PacketType::kWelcome);
  EXPECT_EQ(pw.welcome.seed, 4242u);
  EXPECT_EQ(pw.welcome.transition, -5);
  EXPECT_EQ(pw.welcome.length, 900u);
  EXPECT_EQ(pw.welcome.options.settings.multi_tryb, 2);
  EXPECT_EQ(pw.welcome.options.live.frag_limit(), 7);
  ASSERT_EQ(pw.welcome.options.live.level_list().size(), 1u);
  EXPECT_EQ(pw.welcome.options.live.level_list()[0], "Arena");

  const Packet pr = RoundTrip(Encode(Refuse{RefuseReason::kData, id}));
  EXPECT_EQ(pr.refuse.reason, RefuseReason::kData);
  EXPECT_EQ(pr.refuse.host.rules, 7);

  Inputs in;
  in.ack = 30;
  in.first = 25;
  in.frames = {0x40, 0x1000, 0x0FC0};
  const Packet pi = RoundTrip(Encode(in));
  EXPECT_EQ(pi.inputs.ack, 30u);
  EXPECT_EQ(pi.inputs.first, 25u);
  EXPECT_EQ(pi.inputs.frames, in.frames);

  const Packet ph = RoundTrip(Encode(HashReport{180, 0xfeedull}));
  EXPECT_EQ(ph.hash.steps, 180u);
  EXPECT_EQ(ph.hash.hash, 0xfeedull);
  EXPECT_EQ(RoundTrip(Encode(Bye{ByeReason::kDesync})).bye.reason, ByeReason::kDesync);
}

std::vector<uint8_t> Patched(std::vector<uint8_t> b, size_t at, uint8_t v) {
  b.at(at) = v;
  return b;
}

TEST(Packets, MalformedOnesAreRefusedWithAReason) {
  Inputs in;
  in.first = 3;
  in.frames = {0x40, 0x80};
  const std::vector<uint8_t> inputs = Encode(in);
  Welcome w;
  const std::vector<uint8_t> welcome = Encode(w);
  std::vector<uint8_t> long_welcome = welcome;
  long_welcome.push_back(0);
  std::vector<uint8_t> bad_options = welcome;
  bad_options[bad_options.size() - 1] ^= 0xFF;  // the level list's count
  std::vector<uint8_t> own_keys = inputs;
  own_keys[inputs.size() - 2] = 0x01;  // the host's up key in a guest's frame
  std::vector<uint8_t> too_many(3 + 9, 0);
  too_many[0] = 'B';
  too_many[1] = 'N';
  too_many[2] = 4;
  too_many[11] = 65;
  too_many.resize(12 + 2 * 65);
  std::vector<uint8_t> overflow = Encode(Inputs{0, kMaxStep, {0x40}});

  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"header only", {'B', 'N'}},
      {"wrong magic", Patched(inputs, 0, 'X')},
      {"unknown type", Patched(inputs, 2, 99)},
      {"type zero", Patched(inputs, 2, 0)},
      {"inputs cut short", std::vector<uint8_t>(inputs.begin(), inputs.end() - 1)},
      {"inputs count larger than the frames", Patched(inputs, 11, 3)},
      {"more frames than a packet holds", too_many},
      {"a frame of the other player", own_keys},
      {"step numbers past the end", overflow},
      {"welcome with a byte too many", long_welcome},
      {"welcome cut short", std::vector<uint8_t>(welcome.begin(), welcome.begin() + 20)},
      {"welcome with a bad options record", bad_options},
      {"welcome with three players", Patched(welcome, 3 + 12 + 12, 3)},
      {"hello of a wrong size", std::vector<uint8_t>{'B', 'N', 1, 0}},
      {"refusal for no reason", Patched(Encode(Refuse{}), 3, 0)},
      {"goodbye for an unknown reason", Patched(Encode(Bye{}), 3, 9)},
      {"huge", std::vector<uint8_t>(kMaxPacketSize + 1, 'B')},
  };
  for (const auto& c : cases) {
    std::string why;
    EXPECT_FALSE(Decode(c.bytes.data(), c.bytes.size(), kGuestMask, &why).has_value()) << c.name;
    EXPECT_FALSE(why.empty()) << c.name;
  }
}

TEST(Packets, RandomBytesNeverCrashTheDecoder) {
  std::mt19937 random(5);
  int accepted = 0;
  for (int i = 0; i < 20000; ++i) {
    std::vector<uint8_t> b(random() % 64);
    for (uint8_t& x : b) x = static_cast<uint8_t>(random());
    if (b.size() >= 3 && i % 2 == 0) {
      b[0] = 'B';
      b[1] = 'N';
      b[2] = static_cast<uint8_t>(1 + random() % 6);
    }
    if (Decode(b.data(), b.size(), kGuestMask).has_value()) ++accepted;
  }
  // Only the rare well-formed ones get through.
  EXPECT_LT(accepted, 2000);
}

TEST(Packets, EachPlayerOwnsItsKeysAndSharesEscape) {
  EXPECT_EQ(PlayerFrameMask(0), 0x103F);
  EXPECT_EQ(PlayerFrameMask(1), 0x1FC0);
}

}  // namespace
}  // namespace bv::net

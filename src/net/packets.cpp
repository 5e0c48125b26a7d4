#include "net/packets.h"

#include "media/le_bytes.h"

namespace bv::net {

namespace {

constexpr uint8_t kMagic0 = 'B';
constexpr uint8_t kMagic1 = 'N';
constexpr size_t kPrefix = 3;  // magic and type
constexpr size_t kIdentitySize = 2 + 2 + 8;
constexpr size_t kHelloSize = kPrefix + kIdentitySize;
// identity, seed, level, transition, two players, length, options size
constexpr size_t kWelcomeFixed = kPrefix + kIdentitySize + 4 + 4 + 4 + 1 + 4 + 2;
constexpr size_t kRefuseSize = kPrefix + 1 + kIdentitySize;
constexpr size_t kInputsFixed = kPrefix + 4 + 4 + 1;
constexpr size_t kHashSize = kPrefix + 4 + 8;
constexpr size_t kByeSize = kPrefix + 1;

std::vector<uint8_t> Start(PacketType type) {
  return {kMagic0, kMagic1, static_cast<uint8_t>(type)};
}

void AppendU64(std::vector<uint8_t>& out, uint64_t v) {
  media::AppendU32(out, static_cast<uint32_t>(v));
  media::AppendU32(out, static_cast<uint32_t>(v >> 32));
}

uint64_t ReadU64(const uint8_t* p) {
  return static_cast<uint64_t>(media::ReadU32(p)) |
         (static_cast<uint64_t>(media::ReadU32(p + 4)) << 32);
}

void AppendIdentity(std::vector<uint8_t>& out, const Identity& id) {
  media::AppendU16(out, id.protocol);
  media::AppendU16(out, id.rules);
  AppendU64(out, id.data_hash);
}

Identity ReadIdentity(const uint8_t* p) {
  Identity id;
  id.protocol = media::ReadU16(p);
  id.rules = media::ReadU16(p + 2);
  id.data_hash = ReadU64(p + 4);
  return id;
}

std::optional<Packet> Bad(std::string* why, const std::string& what) {
  if (why != nullptr) *why = what;
  return std::nullopt;
}

}  // namespace

sim::InputFrame PlayerFrameMask(int player) {
  const unsigned keys = 0x3Fu << (player == 0 ? 0 : 6);
  return static_cast<sim::InputFrame>(keys | (1u << sim::kEscapeBit));
}

std::vector<uint8_t> Encode(const Hello& p) {
  std::vector<uint8_t> out = Start(PacketType::kHello);
  AppendIdentity(out, p.identity);
  return out;
}

std::vector<uint8_t> Encode(const Welcome& p) {
  std::vector<uint8_t> out = Start(PacketType::kWelcome);
  AppendIdentity(out, p.identity);
  media::AppendU32(out, p.seed);
  media::AppendI32(out, p.level_number);
  media::AppendI32(out, p.transition);
  out.push_back(p.two_players);
  media::AppendU32(out, p.length);
  const std::vector<uint8_t> options = replay::EncodeOptions(p.options);
  media::AppendU16(out, static_cast<uint16_t>(options.size()));
  out.insert(out.end(), options.begin(), options.end());
  return out;
}

std::vector<uint8_t> Encode(const Refuse& p) {
  std::vector<uint8_t> out = Start(PacketType::kRefuse);
  out.push_back(static_cast<uint8_t>(p.reason));
  AppendIdentity(out, p.host);
  return out;
}

std::vector<uint8_t> Encode(const Inputs& p) {
  std::vector<uint8_t> out = Start(PacketType::kInputs);
  media::AppendU32(out, p.ack);
  media::AppendU32(out, p.first);
  const size_t n = p.frames.size() < kMaxFramesPerPacket ? p.frames.size() : kMaxFramesPerPacket;
  out.push_back(static_cast<uint8_t>(n));
  for (size_t i = 0; i < n; ++i) media::AppendU16(out, p.frames[i]);
  return out;
}

std::vector<uint8_t> Encode(const HashReport& p) {
  std::vector<uint8_t> out = Start(PacketType::kHash);
  media::AppendU32(out, p.steps);
  AppendU64(out, p.hash);
  return out;
}

std::vector<uint8_t> Encode(const Bye& p) {
  std::vector<uint8_t> out = Start(PacketType::kBye);
  out.push_back(static_cast<uint8_t>(p.reason));
  return out;
}

std::optional<Packet> Decode(const uint8_t* d, size_t size, sim::InputFrame frame_mask,
                             std::string* why) {
  if (d == nullptr || size < kPrefix) return Bad(why, "shorter than a packet header");
  if (size > kMaxPacketSize) return Bad(why, "larger than any packet");
  if (d[0] != kMagic0 || d[1] != kMagic1) return Bad(why, "not a game packet");
  Packet p;
  p.type = static_cast<PacketType>(d[2]);
  const uint8_t* body = d + kPrefix;
  switch (p.type) {
    case PacketType::kHello:
      if (size != kHelloSize) return Bad(why, "hello of a wrong size");
      p.hello.identity = ReadIdentity(body);
      return p;
    case PacketType::kWelcome: {
      if (size < kWelcomeFixed) return Bad(why, "welcome too short");
      Welcome& w = p.welcome;
      w.identity = ReadIdentity(body);
      const uint8_t* f = body + kIdentitySize;
      w.seed = media::ReadU32(f);
      w.level_number = media::ReadI32(f + 4);
      w.transition = media::ReadI32(f + 8);
      w.two_players = f[12];
      w.length = media::ReadU32(f + 13);
      const size_t options_size = media::ReadU16(f + 17);
      if (w.two_players > 1) return Bad(why, "welcome with a player count other than 0 or 1");
      if (w.length > kMaxStep) return Bad(why, "welcome with a game too long");
      if (size != kWelcomeFixed + options_size) return Bad(why, "welcome of a wrong size");
      try {
        w.options = replay::DecodeOptions(d + kWelcomeFixed, options_size);
      } catch (const replay::ReplayError& e) {
        return Bad(why, std::string("welcome: ") + e.what());
      }
      return p;
    }
    case PacketType::kRefuse: {
      if (size != kRefuseSize) return Bad(why, "refusal of a wrong size");
      const uint8_t reason = body[0];
      if (reason < 1 || reason > 4) return Bad(why, "refusal for an unknown reason");
      p.refuse.reason = static_cast<RefuseReason>(reason);
      p.refuse.host = ReadIdentity(body + 1);
      return p;
    }
    case PacketType::kInputs: {
      if (size < kInputsFixed) return Bad(why, "inputs too short");
      Inputs& in = p.inputs;
      in.ack = media::ReadU32(body);
      in.first = media::ReadU32(body + 4);
      const size_t n = body[8];
      if (n > kMaxFramesPerPacket) return Bad(why, "more frames than a packet holds");
      if (size != kInputsFixed + 2 * n) return Bad(why, "inputs of a wrong size");
      if (in.ack > kMaxStep || in.first > kMaxStep || kMaxStep - in.first < n) {
        return Bad(why, "step numbers out of range");
      }
      in.frames.resize(n);
      for (size_t i = 0; i < n; ++i) {
        const sim::InputFrame f = media::ReadU16(body + 9 + 2 * i);
        if ((f & ~frame_mask) != 0) return Bad(why, "a frame with the other player's keys");
        in.frames[i] = f;
      }
      return p;
    }
    case PacketType::kHash:
      if (size != kHashSize) return Bad(why, "hash of a wrong size");
      p.hash.steps = media::ReadU32(body);
      p.hash.hash = ReadU64(body + 4);
      if (p.hash.steps > kMaxStep) return Bad(why, "hash step out of range");
      return p;
    case PacketType::kBye:
      if (size != kByeSize) return Bad(why, "goodbye of a wrong size");
      if (body[0] > static_cast<uint8_t>(ByeReason::kQuit)) return Bad(why, "goodbye for an unknown reason");
      p.bye.reason = static_cast<ByeReason>(body[0]);
      return p;
  }
  return Bad(why, "unknown packet type");
}

}  // namespace bv::net

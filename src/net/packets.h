#pragma once

// What two peers of a network game send each other. Every packet starts
// with the two bytes 'B' 'N' and a type byte; fields are little-endian and
// fixed in size, except the welcome's options record. Decode checks every
// size and field before anything is used: a packet that fails is dropped
// and counted, never half-read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "replay/format.h"
#include "replay/records.h"
#include "sim/input_frame.h"

namespace bv::net {

// Raised whenever a packet's layout or meaning changes.
constexpr uint16_t kProtocolVersion = 1;

// Frames one input packet carries at most: the unacknowledged ones, oldest first.
constexpr size_t kMaxFramesPerPacket = 64;
// The largest packet we accept: a welcome with a short level list.
constexpr size_t kMaxPacketSize = 16 * 1024;
// Steps are counted in 31 bits, as replays count them.
constexpr uint32_t kMaxStep = 0x7FFFFFFF;

enum class PacketType : uint8_t {
  kHello = 1,    // guest -> host: who I am
  kWelcome = 2,  // host -> guest: the game's start
  kRefuse = 3,   // host -> guest: why not
  kInputs = 4,   // both ways, every step
  kHash = 5,     // both ways, every 90 confirmed steps
  kBye = 6,      // both ways: the game is over for me
};

// Identifies the game a peer runs: games with other rules or other data
// files cannot play together.
struct Identity {
  uint16_t protocol = kProtocolVersion;
  uint16_t rules = 0;
  uint64_t data_hash = 0;
};

struct Hello {
  Identity identity;
};

// The start of the game as the host makes it: its world start fields, its
// settings and live options, and how long the game runs (0: until it ends).
struct Welcome {
  Identity identity;
  uint32_t seed = 0;
  int32_t level_number = 0;
  int32_t transition = 0;
  uint8_t two_players = 0;
  uint32_t length = 0;
  replay::ReplayOptions options;
};

enum class RefuseReason : uint8_t { kProtocol = 1, kRules = 2, kData = 3, kBusy = 4 };

struct Refuse {
  RefuseReason reason = RefuseReason::kBusy;
  Identity host;
};

// The sender's frames for steps first .. first + frames.size() - 1, and how
// many of the receiver's frames the sender holds (all steps below `ack`).
struct Inputs {
  uint32_t ack = 0;
  uint32_t first = 0;
  std::vector<sim::InputFrame> frames;
};

// The world hash after `steps` confirmed steps.
struct HashReport {
  uint32_t steps = 0;
  uint64_t hash = 0;
};

enum class ByeReason : uint8_t { kDone = 0, kDesync = 1, kQuit = 2 };

struct Bye {
  ByeReason reason = ByeReason::kDone;
};

std::vector<uint8_t> Encode(const Hello& p);
std::vector<uint8_t> Encode(const Welcome& p);
std::vector<uint8_t> Encode(const Refuse& p);
std::vector<uint8_t> Encode(const Inputs& p);
std::vector<uint8_t> Encode(const HashReport& p);
std::vector<uint8_t> Encode(const Bye& p);

// One decoded packet: `type` names which member holds it.
struct Packet {
  PacketType type = PacketType::kBye;
  Hello hello;
  Welcome welcome;
  Refuse refuse;
  Inputs inputs;
  HashReport hash;
  Bye bye;
};

// The packet, or nullopt with the reason when it is malformed. `frame_mask`
// is the bits an input frame from this sender may hold (its player's keys
// and Escape); a frame with any other bit makes the packet malformed.
std::optional<Packet> Decode(const uint8_t* data, size_t size, sim::InputFrame frame_mask,
                             std::string* why = nullptr);

// The bits player 0 or 1 may set in a frame: its six keys and Escape.
sim::InputFrame PlayerFrameMask(int player);

}  // namespace bv::net

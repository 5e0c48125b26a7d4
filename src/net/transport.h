#pragma once

// What a network game needs from the network and the clock: one peer to
// exchange datagrams with, and milliseconds. ENet provides the real one;
// tests use links in memory that delay, reorder and drop.

#include <cstdint>
#include <vector>

namespace bv::net {

enum class Delivery {
  kReliable,    // arrives once, in order with other reliable packets
  kUnreliable,  // may be lost, doubled or reordered
};

class Transport {
 public:
  virtual ~Transport() = default;

  enum class Event { kNone, kConnected, kPacket, kDisconnected };
  // The next thing that happened: the peer connected, a packet arrived
  // (into `packet`), the peer left. kNone when nothing is waiting.
  virtual Event Poll(std::vector<uint8_t>* packet) = 0;
  // To the peer, if there is one; sending never blocks.
  virtual void Send(const std::vector<uint8_t>& packet, Delivery delivery) = 0;
  // Sends what is queued and lets the peer go (a refused guest, the end).
  virtual void Disconnect() = 0;
};

class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual int64_t Millis() const = 0;
};

}  // namespace bv::net

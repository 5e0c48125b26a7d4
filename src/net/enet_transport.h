#pragma once

// net::Transport over ENet (UDP): the host listens on a port and plays with
// the first guest that connects; the guest connects to an address. Reliable
// packets (handshake, hashes, goodbyes) go on channel 0, the keys
// unreliably on channel 1. Every datagram carries ENet's CRC-32, so a
// damaged or foreign one is dropped before it reaches us.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/transport.h"

typedef struct _ENetHost ENetHost;
typedef struct _ENetPeer ENetPeer;

namespace bv::net {

class EnetTransport final : public Transport {
 public:
  // nullptr with the reason when the port cannot be opened.
  static std::unique_ptr<EnetTransport> Listen(uint16_t port, std::string* error);
  // nullptr with the reason when the address is unknown; the connection
  // itself comes as a kConnected (or kDisconnected) from Poll.
  static std::unique_ptr<EnetTransport> Connect(const std::string& address, uint16_t port,
                                                std::string* error);
  ~EnetTransport() override;
  EnetTransport(const EnetTransport&) = delete;
  EnetTransport& operator=(const EnetTransport&) = delete;

  Event Poll(std::vector<uint8_t>* packet) override;
  void Send(const std::vector<uint8_t>& packet, Delivery delivery) override;
  void Disconnect() override;

  // UDP bytes sent and received so far, ENet's headers included.
  uint64_t wire_bytes_sent() const;
  uint64_t wire_bytes_received() const;

 private:
  explicit EnetTransport(ENetHost* host) : host_(host) {}
  ENetHost* host_;
  ENetPeer* peer_ = nullptr;
  bool leaving_ = false;
};

}  // namespace bv::net

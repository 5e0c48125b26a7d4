#include "net/enet_transport.h"

#include <enet/enet.h>

#include <mutex>

namespace bv::net {

namespace {

constexpr size_t kPeers = 2;  // the guest, and room to turn a second one away
constexpr size_t kChannels = 2;
constexpr enet_uint8 kReliableChannel = 0;
constexpr enet_uint8 kKeysChannel = 1;
// ENet gives a silent peer up after this; the session's own 5 s come first.
constexpr enet_uint32 kPeerTimeoutMs = 8000;

bool Initialised() {
  static std::once_flag once;
  static bool ok = false;
  std::call_once(once, [] {
    ok = enet_initialize() == 0;
    if (ok) std::atexit(enet_deinitialize);
  });
  return ok;
}

void Checksummed(ENetHost* host) { host->checksum = enet_crc32; }

}  // namespace

std::unique_ptr<EnetTransport> EnetTransport::Listen(uint16_t port, std::string* error) {
  if (!Initialised()) {
    *error = "the network cannot be started";
    return nullptr;
  }
  ENetAddress address;
  address.host = ENET_HOST_ANY;
  address.port = port;
  ENetHost* host = enet_host_create(&address, kPeers, kChannels, 0, 0);
  if (host == nullptr) {
    *error = "port " + std::to_string(port) + " cannot be opened (in use?)";
    return nullptr;
  }
  Checksummed(host);
  return std::unique_ptr<EnetTransport>(new EnetTransport(host));
}

std::unique_ptr<EnetTransport> EnetTransport::Connect(const std::string& address_text,
                                                      uint16_t port, std::string* error) {
  if (!Initialised()) {
    *error = "the network cannot be started";
    return nullptr;
  }
  ENetAddress address;
  if (address_text.empty() || enet_address_set_host(&address, address_text.c_str()) != 0) {
    *error = "unknown address \"" + address_text + "\"";
    return nullptr;
  }
  address.port = port;
  ENetHost* host = enet_host_create(nullptr, 1, kChannels, 0, 0);
  if (host == nullptr) {
    *error = "the network cannot be started";
    return nullptr;
  }
  Checksummed(host);
  auto t = std::unique_ptr<EnetTransport>(new EnetTransport(host));
  t->peer_ = enet_host_connect(host, &address, kChannels, 0);
  if (t->peer_ == nullptr) {
    *error = "cannot connect to " + address_text;
    return nullptr;
  }
  enet_peer_timeout(t->peer_, 0, kPeerTimeoutMs, kPeerTimeoutMs);
  return t;
}

EnetTransport::~EnetTransport() {
  if (peer_ != nullptr) {
    enet_peer_disconnect_now(peer_, 0);
    enet_host_flush(host_);
  }
  enet_host_destroy(host_);
}

Transport::Event EnetTransport::Poll(std::vector<uint8_t>* packet) {
  ENetEvent e;
  while (enet_host_service(host_, &e, 0) > 0) {
    switch (e.type) {
      case ENET_EVENT_TYPE_CONNECT:
        if (peer_ == nullptr || (peer_ == e.peer && !leaving_)) {
          peer_ = e.peer;
          leaving_ = false;
          enet_peer_timeout(peer_, 0, kPeerTimeoutMs, kPeerTimeoutMs);
          return Event::kConnected;
        }
        // One guest at a time.
        enet_peer_disconnect_now(e.peer, 0);
        break;
      case ENET_EVENT_TYPE_RECEIVE: {
        const bool ours = e.peer == peer_ && !leaving_;
        if (ours) packet->assign(e.packet->data, e.packet->data + e.packet->dataLength);
        enet_packet_destroy(e.packet);
        if (ours) return Event::kPacket;
        break;
      }
      case ENET_EVENT_TYPE_DISCONNECT:
        if (e.peer == peer_) {
          peer_ = nullptr;
          const bool expected = leaving_;
          leaving_ = false;
          if (!expected) return Event::kDisconnected;
        }
        break;
      case ENET_EVENT_TYPE_NONE:
        break;
    }
  }
  return Event::kNone;
}

void EnetTransport::Send(const std::vector<uint8_t>& bytes, Delivery delivery) {
  if (peer_ == nullptr || leaving_) return;
  const bool reliable = delivery == Delivery::kReliable;
  ENetPacket* p = enet_packet_create(bytes.data(), bytes.size(),
                                     reliable ? ENET_PACKET_FLAG_RELIABLE
                                              : ENET_PACKET_FLAG_UNSEQUENCED);
  if (p == nullptr) return;
  if (enet_peer_send(peer_, reliable ? kReliableChannel : kKeysChannel, p) != 0) {
    enet_packet_destroy(p);
    return;
  }
  enet_host_flush(host_);
}

void EnetTransport::Disconnect() {
  if (peer_ == nullptr || leaving_) return;
  // Queued packets (a refusal, a goodbye) still go out first.
  enet_peer_disconnect_later(peer_, 0);
  enet_host_flush(host_);
  leaving_ = true;
}

uint64_t EnetTransport::wire_bytes_sent() const { return host_->totalSentData; }
uint64_t EnetTransport::wire_bytes_received() const { return host_->totalReceivedData; }

}  // namespace bv::net

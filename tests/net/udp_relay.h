#pragma once

// A bad network on the loopback address: datagrams sent to the relay's
// port go to the host's port and the answers back to the last sender, each
// after a delay with jitter (which reorders them), some dropped. Runs on a
// thread of its own until destroyed.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <random>
#include <thread>
#include <utility>
#include <vector>

namespace bv::net::test {

class UdpRelay {
 public:
  UdpRelay(uint16_t listen_port, uint16_t host_port, int delay_ms, int jitter_ms, double drop)
      : delay_ms_(delay_ms), jitter_ms_(jitter_ms), drop_(drop) {
    front_ = Bound(listen_port);
    back_ = Bound(0);
    host_ = Loopback(host_port);
    ok_ = front_ >= 0 && back_ >= 0;
    if (ok_) thread_ = std::thread([this] { Run(); });
  }
  ~UdpRelay() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (front_ >= 0) ::close(front_);
    if (back_ >= 0) ::close(back_);
  }
  bool ok() const { return ok_; }
  uint64_t forwarded() const { return forwarded_; }
  uint64_t dropped() const { return dropped_; }

 private:
  using Clock = std::chrono::steady_clock;
  struct Datagram {
    int socket;
    sockaddr_in to;
    std::vector<uint8_t> bytes;
  };

  static sockaddr_in Loopback(uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
  }
  static int Bound(uint16_t port) {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0) return -1;
    sockaddr_in a = Loopback(port);
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
      ::close(s);
      return -1;
    }
    return s;
  }

  void Take(int from_socket, int to_socket, const sockaddr_in* to) {
    uint8_t buf[2048];
    sockaddr_in src{};
    socklen_t len = sizeof src;
    const ssize_t n = ::recvfrom(from_socket, buf, sizeof buf, MSG_DONTWAIT,
                                 reinterpret_cast<sockaddr*>(&src), &len);
    if (n < 0) return;
    if (from_socket == front_) {
      client_ = src;
      have_client_ = true;
    }
    if (to == nullptr) return;
    if (std::uniform_real_distribution<double>(0, 1)(random_) < drop_) {
      ++dropped_;
      return;
    }
    const int extra = jitter_ms_ > 0 ? static_cast<int>(random_() % static_cast<unsigned>(jitter_ms_)) : 0;
    const auto at = Clock::now() + std::chrono::milliseconds(delay_ms_ + extra);
    queue_.emplace(std::make_pair(at, serial_++),
                   Datagram{to_socket, *to, std::vector<uint8_t>(buf, buf + n)});
  }

  void Run() {
    while (!stop_) {
      pollfd fds[2] = {{front_, POLLIN, 0}, {back_, POLLIN, 0}};
      ::poll(fds, 2, 1);
      if (fds[0].revents & POLLIN) Take(front_, back_, &host_);
      if (fds[1].revents & POLLIN) Take(back_, front_, have_client_ ? &client_ : nullptr);
      const auto now = Clock::now();
      while (!queue_.empty() && queue_.begin()->first.first <= now) {
        const Datagram& d = queue_.begin()->second;
        ::sendto(d.socket, d.bytes.data(), d.bytes.size(), 0,
                 reinterpret_cast<const sockaddr*>(&d.to), sizeof d.to);
        ++forwarded_;
        queue_.erase(queue_.begin());
      }
    }
  }

  const int delay_ms_;
  const int jitter_ms_;
  const double drop_;
  int front_ = -1;
  int back_ = -1;
  sockaddr_in host_{};
  sockaddr_in client_{};
  bool have_client_ = false;
  bool ok_ = false;
  std::mt19937 random_{11};
  std::map<std::pair<Clock::time_point, uint64_t>, Datagram> queue_;
  uint64_t serial_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<uint64_t> forwarded_{0};
  std::atomic<uint64_t> dropped_{0};
  std::thread thread_;
};

}  // namespace bv::net::test

#pragma once

// Two ends of a network in memory, on a clock the test moves: each packet
// arrives after a delay with some jitter (which reorders), unreliable ones
// are dropped at a given rate, reliable ones arrive once and in order.

#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <vector>

#include "net/transport.h"

namespace bv::net::test {

class FakeTime final : public TimeSource {
 public:
  int64_t Millis() const override { return now; }
  int64_t now = 1000;
};

struct LinkConditions {
  int64_t delay_ms = 0;
  int64_t jitter_ms = 0;  // added at random, 0..jitter: later packets may overtake
  double drop = 0.0;      // of unreliable packets
};

class MemoryLink {
 public:
  class End final : public Transport {
   public:
    Event Poll(std::vector<uint8_t>* packet) override {
      if (!announced_) {
        announced_ = true;
        return Event::kConnected;
      }
      auto it = inbox_.begin();
      if (it == inbox_.end() || it->first.first > link_->time_.now) return Event::kNone;
      *packet = std::move(it->second);
      inbox_.erase(it);
      return Event::kPacket;
    }
    void Send(const std::vector<uint8_t>& packet, Delivery delivery) override {
      if (link_->cut_ || disconnected_) return;
      End& to = *other_;
      ++sent;
      const LinkConditions& c = link_->conditions_;
      int64_t at = link_->time_.now + c.delay_ms;
      if (delivery == Delivery::kUnreliable) {
        if (link_->Chance() < c.drop) return;
        if (c.jitter_ms > 0) at += static_cast<int64_t>(link_->Chance() * c.jitter_ms);
      } else {
        at = std::max(at, last_reliable_);
        last_reliable_ = at;
      }
      to.inbox_.emplace(std::make_pair(at, link_->serial_++), packet);
    }
    void Disconnect() override { disconnected_ = true; }

    // A packet from nowhere, as a hostile third party would send it.
    void Inject(std::vector<uint8_t> packet) {
      inbox_.emplace(std::make_pair(link_->time_.now, link_->serial_++), std::move(packet));
    }
    bool disconnected() const { return disconnected_; }
    int sent = 0;

   private:
    friend class MemoryLink;
    MemoryLink* link_ = nullptr;
    End* other_ = nullptr;
    std::map<std::pair<int64_t, uint64_t>, std::vector<uint8_t>> inbox_;
    int64_t last_reliable_ = 0;
    bool announced_ = false;
    bool disconnected_ = false;
  };

  MemoryLink(FakeTime& time, LinkConditions conditions, uint32_t seed = 7)
      : time_(time), conditions_(conditions), random_(seed) {
    a_.link_ = b_.link_ = this;
    a_.other_ = &b_;
    b_.other_ = &a_;
  }
  End& a() { return a_; }
  End& b() { return b_; }
  // From now on nothing gets through, either way.
  void Cut() { cut_ = true; }

 private:
  double Chance() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }

  FakeTime& time_;
  LinkConditions conditions_;
  std::mt19937 random_;
  End a_;
  End b_;
  uint64_t serial_ = 0;
  bool cut_ = false;
};

}  // namespace bv::net::test

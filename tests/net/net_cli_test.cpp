// Two brimvale-sim processes play one Deathmatch over the loopback address:
// directly, through a relay that delays, reorders and drops, with a guest
// whose data differ, and with garbage from a third socket. Each must end in
// the world of a local run of the same inputs.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "net/udp_relay.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace bv::net::test {
namespace {

using nlohmann::json;

const std::string kSim = std::string(BV_BUILD_DIR) + "/brimvale-sim";
// Every process is bounded, however the network behaves.
const std::string kBounded = "timeout -k 5 90 ";

// Ports of this test process, unlikely to meet another's.
uint16_t Port(int n) {
  return static_cast<uint16_t>(42000 + (::getpid() % 2000) * 8 + n);
}

json Scenario(int ticks) {
  return {
      {"program_dir", BV_BUILD_DIR},
      {"seed", 17},
      {"options", {{"level_source", "custom"}, {"level_list", {"Magazyn"}}}},
      {"settings", {{"game_mode", 1}}},
      {"world", {{"level_number", 1}, {"two_players", 1}, {"transition", 0}}},
      {"ticks", ticks},
      {"input",
       {{{"from", 228}, {"to", 290}, {"keys", {"p1.left", "p2.right"}}},
        {{"from", 260}, {"to", 330}, {"keys", {"p1.attack", "p2.up"}}},
        {{"from", 300}, {"to", 350}, {"keys", {"p2.attack", "p1.down", "p1.change"}}},
        {{"from", 335}, {"to", 360}, {"keys", {"p2.left", "p1.right", "p2.change"}}}}},
  };
}

class NetCli : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, json doc) {
    const std::string path = dir_.File(name);
    std::ofstream(path) << doc.dump();
    return path;
  }
  std::string HostScenario(uint16_t port, int ticks = 360) {
    json d = Scenario(ticks);
    d["net"] = {{"role", "host"}, {"port", port}};
    return Write("host.json", d);
  }
  std::string GuestScenario(uint16_t port, const std::string& program_dir = BV_BUILD_DIR) {
    json d = Scenario(1);  // the host's ticks rule
    d["program_dir"] = program_dir;
    d["net"] = {{"role", "join"}, {"address", "127.0.0.1"}, {"port", port}};
    return Write("guest-" + std::to_string(++guests_) + ".json", d);
  }
  std::string LocalHash() {
    const bv::test::ToolResult r = bv::test::RunTool(kSim, Write("local.json", Scenario(360)));
    EXPECT_EQ(r.exit_code, 0) << r.err;
    const json out = json::parse(r.out);
    local_events_ = out["events"];
    return out["final"]["world_hash"];
  }

  // The host in the background, then the guest; both to their end.
  void Play(const std::string& host_args, const std::string& guest_args) {
    std::thread host([&] { host_ = bv::test::RunTool(kBounded + kSim, host_args); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    guest_ = bv::test::RunTool(kBounded + kSim, guest_args);
    host.join();
  }
  static json Out(const bv::test::ToolResult& r) {
    return r.out.empty() ? json() : json::parse(r.out, nullptr, false);
  }
  void ExpectTheLocalGame(const std::string& local_hash) {
    ASSERT_EQ(host_.exit_code, 0) << host_.err;
    ASSERT_EQ(guest_.exit_code, 0) << guest_.err;
    const json h = Out(host_), g = Out(guest_);
    EXPECT_EQ(h["final"]["world_hash"], local_hash);
    EXPECT_EQ(g["final"]["world_hash"], local_hash);
    EXPECT_EQ(h["ticks"], 360);
    EXPECT_EQ(g["ticks"], 360);
    EXPECT_EQ(h["events"], local_events_);
    EXPECT_EQ(g["events"], local_events_);
    EXPECT_EQ(h["net"]["malformed"], 0);
    EXPECT_EQ(g["net"]["malformed"], 0);
  }

  bv::test::TempDir dir_;
  bv::test::ToolResult host_;
  bv::test::ToolResult guest_;
  json local_events_;
  int guests_ = 0;
};

TEST_F(NetCli, ADirectGameEndsAsALocalRunAndBothReplaysPlayBack) {
  const std::string local = LocalHash();
  const uint16_t port = Port(0);
  const std::string host_bvr = dir_.File("host.bvr");
  const std::string guest_bvr = dir_.File("guest.bvr");
  Play(HostScenario(port) + " --record " + host_bvr, GuestScenario(port) + " --record " + guest_bvr);
  ExpectTheLocalGame(local);
  for (const std::string& bvr : {host_bvr, guest_bvr}) {
    const bv::test::ToolResult r = bv::test::RunTool(kSim, "--replay " + bvr + " --check");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(json::parse(r.out)["final"]["world_hash"], local);
  }
}

TEST_F(NetCli, ThroughARelayThatDelaysReordersAndDrops) {
  const std::string local = LocalHash();
  const int delays[] = {0, 50, 150};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE("delay " + std::to_string(delays[i]) + " ms");
    const uint16_t host_port = Port(1 + 2 * i);
    const uint16_t relay_port = Port(2 + 2 * i);
    UdpRelay relay(relay_port, host_port, delays[i], 20, 0.05);
    ASSERT_TRUE(relay.ok());
    Play(HostScenario(host_port), GuestScenario(relay_port));
    ExpectTheLocalGame(local);
    EXPECT_GT(relay.dropped(), 0u);
    if (delays[i] >= 50) {
      EXPECT_GT(Out(guest_)["net"]["rollbacks"].get<int>() + Out(host_)["net"]["rollbacks"].get<int>(), 0);
    }
  }
}

TEST_F(NetCli, AGuestWithOtherDataIsRefusedAndTheNextOnePlays) {
  const std::string local = LocalHash();
  const uint16_t port = Port(7);
  const std::string other = dir_.MakeDir("other");
  std::ofstream(dir_.File("other/data/levels/custom/Magazyn.dmp")) << "not the same level";
  std::thread host([&] { host_ = bv::test::RunTool(kBounded + kSim, HostScenario(port)); });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  const bv::test::ToolResult refused = bv::test::RunTool(kBounded + kSim, GuestScenario(port, other));
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("Inne pliki danych gry"), std::string::npos) << refused.err;
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  guest_ = bv::test::RunTool(kBounded + kSim, GuestScenario(port));
  host.join();
  ExpectTheLocalGame(local);
  EXPECT_EQ(Out(host_)["net"]["refusals"], 1);
}

TEST_F(NetCli, GarbageFromAThirdSocketChangesNothing) {
  const std::string local = LocalHash();
  const uint16_t port = Port(6);
  std::atomic<bool> done{false};
  std::thread noise([&] {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::mt19937 random(1);
    while (!done) {
      std::vector<uint8_t> junk(1 + random() % 200);
      for (uint8_t& b : junk) b = static_cast<uint8_t>(random());
      ::sendto(s, junk.data(), junk.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ::close(s);
  });
  Play(HostScenario(port), GuestScenario(port));
  done = true;
  noise.join();
  ExpectTheLocalGame(local);
}

TEST_F(NetCli, BadNetFieldsAreScenarioErrors) {
  for (const json& net : {json{{"role", "host"}}, json{{"role", "join"}, {"port", 5}},
                          json{{"role", "watch"}, {"port", 5}},
                          json{{"role", "host"}, {"port", 70000}}}) {
    json d = Scenario(10);
    d["net"] = net;
    const bv::test::ToolResult r = bv::test::RunTool(kSim, Write("bad.json", d));
    EXPECT_EQ(r.exit_code, 2) << net.dump();
    EXPECT_NE(r.err.find("net"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace bv::net::test

#include "app/net_play.h"

#include <cstdio>

#include "net/data_hash.h"
#include "replay/replay_folder.h"
#include "settings/atomic_file.h"
#include "sim/rules_version.h"

namespace bv::app {

bool RunFileSink::Append(const uint8_t* data, size_t size, std::string* error) {
  if (!made_) {
    if (!replay::CreateRunFile(dir_, std::time(nullptr), file_, error)) return false;
    made_ = true;
    replay::PruneRuns(dir_);
  }
  return file_.Append(data, size, error);
}

namespace {

std::optional<net::Identity> OurIdentity(const game::Places& places, std::string* error) {
  const std::optional<uint64_t> data = net::DataTreeHash(places.data_root, error);
  if (!data) return std::nullopt;
  net::Identity id;
  id.rules = sim::kRulesVersion;
  id.data_hash = *data;
  return id;
}

}  // namespace

NetPlay::NetPlay(std::unique_ptr<net::EnetTransport> transport, net::Role role,
                 const net::Identity& identity, const Services& s)
    : transport_(std::move(transport)), replays_dir_(s.replays_dir), sink_(s.replays_dir) {
  game_ = std::make_unique<net::NetGame>(role, identity, *transport_, time_, s.levels, s.sounds);
  game_->Record(writer_, "brimvale", static_cast<int64_t>(std::time(nullptr)));
}

NetPlay::~NetPlay() {
  game_.reset();
  sink_.Close();
}

std::unique_ptr<NetPlay> NetPlay::Host(uint16_t port, const net::Welcome& offer,
                                       const Services& s, std::string* error) {
  const std::optional<net::Identity> id = OurIdentity(s.places, error);
  if (!id) return nullptr;
  std::unique_ptr<net::EnetTransport> t = net::EnetTransport::Listen(port, error);
  if (!t) return nullptr;
  std::unique_ptr<NetPlay> p(new NetPlay(std::move(t), net::Role::kHost, *id, s));
  p->game_->Offer(offer);
  return p;
}

std::unique_ptr<NetPlay> NetPlay::Join(const std::string& address, uint16_t port,
                                       const Services& s, std::string* error) {
  const std::optional<net::Identity> id = OurIdentity(s.places, error);
  if (!id) return nullptr;
  std::unique_ptr<net::EnetTransport> t = net::EnetTransport::Connect(address, port, error);
  if (!t) return nullptr;
  return std::unique_ptr<NetPlay>(new NetPlay(std::move(t), net::Role::kGuest, *id, s));
}

std::string NetPlay::WriteDesyncDump() {
  const std::string& dump = game_->desync_dump();
  if (dump.empty()) return "";
  std::string path = sink_.path();
  const std::string ext = ".bvr";
  if (path.size() > ext.size() && path.compare(path.size() - ext.size(), ext.size(), ext) == 0) {
    path.resize(path.size() - ext.size());
  }
  if (path.empty()) path = replays_dir_ + "/network";
  path += game_->role() == net::Role::kHost ? "-host.dump.txt" : "-guest.dump.txt";
  if (!settings::WriteFileAtomically(path, dump)) {
    std::fprintf(stderr, "brimvale: cannot write %s\n", path.c_str());
    return "";
  }
  return path;
}

}  // namespace bv::app

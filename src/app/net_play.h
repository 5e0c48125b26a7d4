#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

#include "game/level_store.h"
#include "game/places.h"
#include "game/sound_slots.h"
#include "net/enet_transport.h"
#include "net/net_game.h"
#include "net/steady_time.h"
#include "replay/file_sink.h"
#include "replay/writer.h"

namespace bv::app {

// A replay file among the run files of the replays folder, made only when
// the first bytes come (a game that never starts leaves no file).
class RunFileSink final : public replay::ByteSink {
 public:
  explicit RunFileSink(std::string dir) : dir_(std::move(dir)) {}
  bool Append(const uint8_t* data, size_t size, std::string* error) override;
  void Close() { file_.Close(); }
  // Empty until made.
  const std::string& path() const { return file_.path(); }

 private:
  std::string dir_;
  replay::FileSink file_;
  bool made_ = false;
};

// Network play in the game program: the ENet link, the network game on it,
// its replay in the replays folder, the dump there after a desync.
class NetPlay {
 public:
  struct Services {
    const game::Places& places;
    game::LevelStore& levels;
    game::SoundPlayer& sounds;
    std::string replays_dir;
  };
  // Listens on `port` and offers `offer` to the first guest whose game
  // matches. Null, with the reason, when the data tree cannot be read or
  // the port cannot be opened.
  static std::unique_ptr<NetPlay> Host(uint16_t port, const net::Welcome& offer,
                                       const Services& s, std::string* error);
  // Connects to a host; null, with the reason, for an unknown address.
  static std::unique_ptr<NetPlay> Join(const std::string& address, uint16_t port,
                                       const Services& s, std::string* error);
  ~NetPlay();

  net::NetGame& game() { return *game_; }
  const net::NetGame& game() const { return *game_; }
  // The network game's replay file; empty until the game starts.
  const std::string& replay_path() const { return sink_.path(); }
  // Writes desync_dump() beside the replay (or as a file of its own in the
  // replays folder); the path written, empty when it could not be.
  std::string WriteDesyncDump();

 private:
  NetPlay(std::unique_ptr<net::EnetTransport> transport, net::Role role,
          const net::Identity& identity, const Services& s);

  std::unique_ptr<net::EnetTransport> transport_;
  net::SteadyTime time_;
  std::string replays_dir_;
  RunFileSink sink_;
  replay::Writer writer_{sink_};
  std::unique_ptr<net::NetGame> game_;
};

}  // namespace bv::app

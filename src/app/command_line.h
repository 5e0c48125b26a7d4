#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bv::app {

// A network game asked for on the command line.
struct NetStart {
  enum class Role { kHost, kJoin };
  Role role = Role::kHost;
  std::string address;  // join only
  uint16_t port = 0;
  // Host only, for this game alone (the settings file is left as it is):
  std::optional<uint8_t> mode;  // game_mode: 0 Cooperation, 1 Deathmatch, 2 Pointmatch
  std::string level;            // a campaign folder, or a custom level's name
  bool custom_level = false;
};

// What the command line asks for. The game needs none: everything else is
// set in the options window.
struct CommandLine {
  bool help = false;
  std::optional<NetStart> net;
  std::string error;  // set when the line cannot be used
};

// argv without the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The --help text.
std::string UsageText();

}  // namespace bv::app

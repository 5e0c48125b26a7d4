#include "app/command_line.h"

#include <cstdlib>

namespace bv::app {

namespace {

bool ParsePort(const std::string& text, uint16_t* port) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  const long v = std::strtol(text.c_str(), nullptr, 10);
  if (v < 1 || v > 65535) return false;
  *port = static_cast<uint16_t>(v);
  return true;
}

std::optional<uint8_t> ParseMode(const std::string& text) {
  if (text == "cooperation" || text == "0") return 0;
  if (text == "deathmatch" || text == "1") return 1;
  if (text == "pointmatch" || text == "2") return 2;
  return std::nullopt;
}

}  // namespace

std::string UsageText() {
  return "usage: brimvale [--host PORT [--mode MODE] [--level NAME | --custom-level NAME]]\n"
         "                [--join ADDRESS:PORT] [--help]\n"
         "\n"
         "  --host PORT          host a network game on this UDP port: you are player 1;\n"
         "                       the game starts when a guest joins, with your settings\n"
         "  --mode MODE          the host's game mode for it: cooperation, deathmatch or\n"
         "                       pointmatch (default: the one set in the options)\n"
         "  --level NAME         the campaign it plays (default: the options' choice)\n"
         "                       (Deathmatch and Pointmatch: a custom level only)\n"
         "  --custom-level NAME  or a custom level\n"
         "  --join ADDRESS:PORT  join the network game hosted there as player 2\n"
         "  --help               print this and end\n"
         "\n"
         "In a network game either of your key sets plays your own player. Escape\n"
         "on either side ends the game for both; both then return to the menu level.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine c;
  std::optional<uint8_t> mode;
  std::string level;
  bool custom = false, level_given = false;
  const auto fail = [&c](std::string why) {
    c.error = std::move(why);
    return c;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "--help" || a == "-h") {
      c.help = true;
    } else if (a == "--host") {
      if (!has_value) return fail("--host needs a port");
      NetStart n;
      if (!ParsePort(args[++i], &n.port)) return fail("--host: not a port: " + args[i]);
      if (c.net) return fail("--host and --join go alone");
      c.net = n;
    } else if (a == "--join") {
      if (!has_value) return fail("--join needs ADDRESS:PORT");
      const std::string& v = args[++i];
      const size_t colon = v.rfind(':');
      NetStart n;
      n.role = NetStart::Role::kJoin;
      if (colon == std::string::npos || colon == 0 || !ParsePort(v.substr(colon + 1), &n.port)) {
        return fail("--join: not ADDRESS:PORT: " + v);
      }
      n.address = v.substr(0, colon);
      if (c.net) return fail("--host and --join go alone");
      c.net = n;
    } else if (a == "--mode") {
      if (!has_value) return fail("--mode needs a mode");
      mode = ParseMode(args[++i]);
      if (!mode) return fail("--mode: cooperation, deathmatch or pointmatch, not " + args[i]);
    } else if (a == "--level" || a == "--custom-level") {
      if (!has_value || args[i + 1].empty()) return fail(a + " needs a name");
      if (level_given) return fail("one level only");
      level_given = true;
      custom = a == "--custom-level";
      level = args[++i];
    } else {
      return fail("unknown argument: " + a);
    }
  }
  if ((mode || level_given) && !(c.net && c.net->role == NetStart::Role::kHost)) {
    return fail("--mode and --level go with --host");
  }
  // Deathmatch and Pointmatch play custom levels only, as the options window
  // selects them for those modes.
  if (mode && *mode != 0 && !custom) {
    return fail("--mode deathmatch and pointmatch need --custom-level NAME");
  }
  if (c.net) {
    c.net->mode = mode;
    c.net->level = level;
    c.net->custom_level = custom;
  }
  return c;
}

}  // namespace bv::app

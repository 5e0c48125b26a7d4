#pragma once

// brimvale-inspect is a table of subcommands, each in a file of its own that
// registers itself with a static RegisterSubcommand object. A subcommand
// prints exactly one JSON object on standard output.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace bv::inspect {

// Exit codes of every subcommand.
constexpr int kExitLoaded = 0;   // the file loaded
constexpr int kExitRefused = 1;  // refused with a code or a message
constexpr int kExitUsage = 2;    // bad arguments: nothing was inspected

struct Subcommand {
  const char* name;   // "image"
  const char* usage;  // "image FILE [PW PH TW TH]"
  // Called with the arguments after the name. Returns one of the exit codes;
  // for kExitUsage it prints nothing (the usage text is printed for it).
  int (*run)(const std::vector<std::string>& args, std::ostream& out);
};

struct RegisterSubcommand {
  explicit RegisterSubcommand(const Subcommand& command);
};

// Every registered subcommand, sorted by name.
std::vector<Subcommand> Subcommands();

// Prints one JSON object; texts that are not valid UTF-8 are mended, not fatal.
void PrintJson(const nlohmann::json& object, std::ostream& out);

// {"code": code, "text": its text}.
nlohmann::json CodeJson(int32_t code);

// A whole decimal int32 ("-5", "64"); false for anything else.
bool ParseInt32(const std::string& text, int32_t* value);

}  // namespace bv::inspect

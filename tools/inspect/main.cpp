// brimvale-inspect: shows how the game reads a data file, or why it refuses it.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "subcommand.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage:\n";
  for (const bv::inspect::Subcommand& c : bv::inspect::Subcommands())
    out << "  brimvale-inspect " << c.usage << '\n';
}

int Usage() {
  PrintUsage(std::cerr);
  return bv::inspect::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    PrintUsage(std::cout);
    std::cout << "  brimvale-inspect --help\n"
                 "Each prints one JSON object; exit 0 when the file loaded, 1 when it was\n"
                 "refused, 2 on a usage error.\n";
    return 0;
  }
  for (const bv::inspect::Subcommand& c : bv::inspect::Subcommands()) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    const std::vector<std::string> args(argv + 2, argv + argc);
    const int rc = c.run(args, std::cout);
    if (rc == bv::inspect::kExitUsage) {
      std::cerr << "usage: brimvale-inspect " << c.usage << '\n';
    }
    return rc;
  }
  return Usage();
}

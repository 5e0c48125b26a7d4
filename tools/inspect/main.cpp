// brimvale-inspect: shows how the game reads a data file, or why it refuses it.

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "subcommand.h"

namespace {

int Usage() {
  std::cerr << "usage:\n";
  for (const bv::inspect::Subcommand& c : bv::inspect::Subcommands())
    std::cerr << "  brimvale-inspect " << c.usage << '\n';
  return bv::inspect::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
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

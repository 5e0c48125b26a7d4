// golden-check: compares what the build makes with committed hashes, or
// rewrites them after an intended change.
//   golden-check frames SIM PROGRAM_DIR SOURCE_DIR WORK_DIR GOLDEN SCENARIO... [--update]
//   golden-check data DATA_DIR GOLDEN [--update]
// Exit 0 when everything matches (or was rewritten), 1 on a difference, 2 on
// a usage error or a run that could not be made.

#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "golden/data_tree.h"
#include "golden/frames.h"

int main(int argc, char** argv) {
  std::vector<std::string> args;
  bool update = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--update") == 0) {
      update = true;
    } else {
      args.emplace_back(argv[i]);
    }
  }
  // The frames come from SDL's software renderer; no display or sound is wanted.
  ::setenv("SDL_VIDEODRIVER", "dummy", 0);
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
  try {
    if (args.size() >= 7 && args[0] == "frames") {
      const bv::golden::FrameRun run{args[1], args[2], args[3], args[4], args[5]};
      return bv::golden::CheckFrames(run, {args.begin() + 6, args.end()}, update);
    }
    if (args.size() == 3 && args[0] == "data") {
      return bv::golden::CheckDataTree(args[1], args[2], update);
    }
  } catch (const std::exception& e) {
    std::cerr << "golden-check: " << e.what() << "\n";
    return 2;
  }
  std::cerr << "usage: golden-check frames SIM PROGRAM_DIR SOURCE_DIR WORK_DIR GOLDEN "
               "SCENARIO... [--update]\n"
               "       golden-check data DATA_DIR GOLDEN [--update]\n";
  return 2;
}

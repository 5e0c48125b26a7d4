#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bv::golden {

// FNV-1a 64 of a picture's decoded pixels as R, G, B, A bytes, row by row;
// the PNG's own bytes (compression, chunks) do not count. Throws
// std::runtime_error when the file is not a readable 640 by 480 picture.
uint64_t PixelHash(const std::string& png);

struct FrameRun {
  std::string sim;          // the brimvale-sim program
  std::string program_dir;  // the build folder with data/
  std::string source_dir;   // the checkout: the scenarios' picture paths start here
  std::string work_dir;     // where the drawn pictures are left
  std::string golden;       // the committed hashes
};

// Runs each scenario through brimvale-sim (its program_dir and picture paths
// redirected) and compares every frame it draws, and the committed picture
// beside the scenario, with the golden hashes. `update` rewrites the golden
// file for exactly these scenarios and copies the drawn pictures over the
// committed ones. Prints what differs; returns 0 when all match, 1 if not.
int CheckFrames(const FrameRun& run, const std::vector<std::string>& scenarios, bool update);

}  // namespace bv::golden

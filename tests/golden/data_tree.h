#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bv::golden {

struct TreeFile {
  std::string path;  // relative, '/'-separated
  uint64_t size = 0;
  uint64_t hash = 0;  // FNV-1a 64 of the bytes
};

struct TreeHash {
  std::vector<TreeFile> files;  // in byte order of path
  uint64_t hash = 0;            // over every path, size and byte, in that order
};

// Hashes every regular file under `root`, leaving out hidden entries (the
// build's stamp files). Throws std::runtime_error when a file cannot be read.
TreeHash HashTree(const std::string& root);

// Compares the tree with the golden file, or rewrites the file (`update`).
// Prints what differs; returns 0 when equal or updated, 1 when not.
int CheckDataTree(const std::string& root, const std::string& golden, bool update);

}  // namespace bv::golden

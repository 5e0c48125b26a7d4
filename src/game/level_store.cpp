#include "game/level_store.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "game/level_file.h"
#include "game/paths.h"

namespace bv::game {

namespace {

std::optional<std::vector<uint8_t>> ReadFile(const std::string& native_path) {
  std::FILE* f = std::fopen(native_path.c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::vector<uint8_t> bytes(kLevelFileSize);
  const size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
  bool failed = std::ferror(f) != 0;
  if (std::fclose(f) != 0) failed = true;
  if (failed) return std::nullopt;
  if (got < bytes.size()) {
    // Kept by the setup (the rest of the level keeps the previous level's
    // bytes), but a player should see why the level looks wrong.
    std::fprintf(stderr, "brimvale: %s is %zu bytes, shorter than a level's %d\n",
                 native_path.c_str(), got, kLevelFileSize);
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace

std::optional<std::vector<uint8_t>> FileLevelStore::Read(const std::string& data_path) {
  for (const std::string& path : DataPathCandidates(places_, data_path)) {
    if (!FileExists(path)) continue;
    return ReadFile(path);  // the first file found is the level, readable or not
  }
  // Nothing there: the open fails as it always did (a folder in its place too).
  return ReadFile(DataPath(places_.data_root, data_path));
}

bool FileLevelStore::Exists(const std::string& data_path) {
  for (const std::string& path : DataPathCandidates(places_, data_path)) {
    if (FileExists(path)) return true;
  }
  return false;
}

std::optional<std::vector<uint8_t>> MemoryLevelStore::Read(const std::string& data_path) {
  auto it = files_.find(data_path);
  if (it == files_.end()) return std::nullopt;
  const std::vector<uint8_t>& bytes = it->second;
  const size_t n = std::min(bytes.size(), static_cast<size_t>(kLevelFileSize));
  return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

}  // namespace bv::game

#pragma once

// Where level files come from, by their data path
// ("\data\levels\campaign\0.dmp", see paths.h). The game reads them from its
// data folder; tests hand in bytes.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/places.h"

namespace bv::game {

class LevelStore {
 public:
  virtual ~LevelStore() = default;
  // The file's first bytes, at most a level's 60000; nullopt when it cannot
  // be opened or read.
  virtual std::optional<std::vector<uint8_t>> Read(const std::string& data_path) = 0;
  virtual bool Exists(const std::string& data_path) = 0;
};

// Level files under a data root folder, and custom levels in the player's
// own level folder too (game/paths.h says where each is looked for).
class FileLevelStore final : public LevelStore {
 public:
  explicit FileLevelStore(std::string data_root) { places_.data_root = std::move(data_root); }
  explicit FileLevelStore(Places places) : places_(std::move(places)) {}
  std::optional<std::vector<uint8_t>> Read(const std::string& data_path) override;
  bool Exists(const std::string& data_path) override;
  const std::string& root() const { return places_.data_root; }

 private:
  Places places_;
};

// Level files held in memory, for tests and tools.
class MemoryLevelStore final : public LevelStore {
 public:
  void Put(const std::string& data_path, std::vector<uint8_t> bytes) {
    files_[data_path] = std::move(bytes);
  }
  void Remove(const std::string& data_path) { files_.erase(data_path); }
  std::optional<std::vector<uint8_t>> Read(const std::string& data_path) override;
  bool Exists(const std::string& data_path) override { return files_.count(data_path) != 0; }

 private:
  std::map<std::string, std::vector<uint8_t>> files_;
};

}  // namespace bv::game

#pragma once

#include <string>

#include "replay/writer.h"

namespace bv::replay {

// A new file written as it goes: every Append reaches the file at once, so
// a kill loses only what was never handed over.
class FileSink final : public ByteSink {
 public:
  FileSink() = default;
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  // Creates the file; an existing one is left alone (false).
  bool Create(const std::string& path, std::string* error);
  bool Append(const uint8_t* data, size_t size, std::string* error) override;
  void Close();
  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace bv::replay

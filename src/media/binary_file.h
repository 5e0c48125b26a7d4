#pragma once

// A plain binary file with positioned reads and writes that report failure
// instead of throwing. Closed on destruction.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bv::media {

class BinaryFile {
 public:
  BinaryFile() = default;
  ~BinaryFile() { Close(); }
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  bool OpenRead(const std::string& path) { return OpenWith(path, "rb"); }
  bool OpenReadWrite(const std::string& path) { return OpenWith(path, "r+b"); }
  bool Create(const std::string& path) { return OpenWith(path, "w+b"); }

  // Size in bytes, or -1 when unknown.
  int64_t Size();
  // Exactly n bytes at an offset; false when the file ends first.
  bool ReadAt(uint64_t offset, void* dst, size_t n);
  bool WriteAt(uint64_t offset, const void* src, size_t n);
  // Flushes and closes; false when buffered data could not be written.
  bool Close();

 private:
  bool OpenWith(const std::string& path, const char* mode);
  bool Seek(uint64_t offset);

  std::FILE* file_ = nullptr;
};

enum class WholeFileStatus { kOk, kCannotOpen, kReadError, kTooLarge };

// Reads a whole file of at most max_bytes bytes.
WholeFileStatus ReadWholeFile(const std::string& path, uint64_t max_bytes,
                              std::vector<uint8_t>* bytes);

}  // namespace bv::media

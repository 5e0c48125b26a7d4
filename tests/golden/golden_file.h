#pragma once

// The committed golden values: text files of lines under a comment header,
// and the 64-bit hash they hold.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bv::golden {

// FNV-1a, 64 bits: simple enough to restate anywhere, and one changed byte
// always changes it.
class Fnv64 {
 public:
  void Add(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
      value_ ^= p[i];
      value_ *= 0x100000001b3ull;
    }
  }
  void AddU64(uint64_t v) {
    unsigned char le[8];
    for (int i = 0; i < 8; ++i) le[i] = static_cast<unsigned char>(v >> (8 * i));
    Add(le, sizeof(le));
  }
  uint64_t value() const { return value_; }

 private:
  uint64_t value_ = 0xcbf29ce484222325ull;
};

// 16 lower-case hex digits.
std::string Hex(uint64_t value);

// The lines of a golden file that are neither empty nor comments ("#");
// none when the file is missing.
std::vector<std::string> ReadGolden(const std::string& path);

// Writes the header (each line gets "# ") and then the lines. Throws
// std::runtime_error when the file cannot be written.
void WriteGolden(const std::string& path, const std::string& header,
                 const std::vector<std::string>& lines);

}  // namespace bv::golden

#include "net/data_hash.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace bv::net {

namespace {

constexpr uint64_t kOffset = 0xcbf29ce484222325ull;
constexpr uint64_t kPrime = 0x100000001b3ull;
// A data tree far beyond any we ship is not a game's.
constexpr size_t kMaxFiles = 100000;

uint64_t Mix(uint64_t h, const char* p, size_t n) {
  for (size_t i = 0; i < n; ++i) h = (h ^ static_cast<uint8_t>(p[i])) * kPrime;
  return h;
}

uint64_t MixU64(uint64_t h, uint64_t v) {
  char b[8];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<char>(v >> (8 * i));
  return Mix(h, b, 8);
}

}  // namespace

std::optional<uint64_t> DataTreeHash(const std::string& root, std::string* error) {
  namespace fs = std::filesystem;
  const fs::path base = fs::path(root) / "data";
  std::error_code ec;
  if (!fs::is_directory(base, ec)) {
    *error = base.string() + ": no data folder";
    return std::nullopt;
  }
  std::vector<std::string> files;
  fs::recursive_directory_iterator it(base, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.empty() && name[0] == '.') {
      if (it->is_directory(ec)) it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file(ec)) continue;
    files.push_back(fs::relative(it->path(), base, ec).generic_string());
    if (files.size() > kMaxFiles) {
      *error = base.string() + ": too many files";
      return std::nullopt;
    }
  }
  if (ec) {
    *error = base.string() + ": cannot be read";
    return std::nullopt;
  }
  std::sort(files.begin(), files.end());
  uint64_t h = kOffset;
  std::vector<char> buffer(1 << 16);
  for (const std::string& rel : files) {
    std::ifstream in(base / rel, std::ios::binary);
    if (!in) {
      *error = (base / rel).string() + ": cannot be read";
      return std::nullopt;
    }
    h = Mix(h, rel.data(), rel.size());
    h = MixU64(h, fs::file_size(base / rel, ec));
    while (in) {
      in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      h = Mix(h, buffer.data(), static_cast<size_t>(in.gcount()));
    }
  }
  return h;
}

}  // namespace bv::net

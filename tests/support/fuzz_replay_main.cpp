// Runs every kept input of a fuzz target (its seeds and each past finding)
// through the target's own entry, in the ordinary build: a finding stays
// fixed. A broken invariant aborts, which fails the test.
//   fuzz_<name>_replay DIR...

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

int main(int argc, char** argv) {
  if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR...\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  int total = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(argv[i], ec))
      if (e.is_regular_file()) files.push_back(e.path());
    if (ec) {
      std::fprintf(stderr, "%s: %s\n", argv[i], ec.message().c_str());
      return 1;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      std::ifstream in(file, std::ios::binary);
      const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
      std::printf("%s (%zu bytes)\n", file.string().c_str(), bytes.size());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++total;
    }
  }
  std::printf("%d inputs replayed\n", total);
  if (total == 0) {
    std::fprintf(stderr, "no inputs to replay\n");
    return 1;
  }
  return 0;
}

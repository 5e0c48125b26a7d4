// Every kept fuzzing input (the seeds and each past finding) through the
// fuzzers' own code: a finding stays fixed.

#include <gtest/gtest.h>

#include <filesystem>

#include "media/fuzz/fuzz_entries.h"
#include "media/picture_bytes.h"

namespace bv::fuzz {
namespace {

void ReplayFolder(const std::string& target, void (*entry)(const uint8_t*, size_t)) {
  const std::filesystem::path dir = std::filesystem::path(BV_FUZZ_CORPUS) / target;
  int count = 0;
  for (const auto& file : std::filesystem::directory_iterator(dir)) {
    SCOPED_TRACE(file.path().string());
    const std::vector<uint8_t> bytes = test::ReadBytes(file.path().string());
    entry(bytes.data(), bytes.size());
    ++count;
  }
  EXPECT_GT(count, 0) << dir;
}

TEST(FuzzReplay, Tga) {
  ReplayFolder("tga", FuzzTga);
}
TEST(FuzzReplay, Bitmap) {
  ReplayFolder("bitmap", FuzzBitmap);
}
TEST(FuzzReplay, RawImage) {
  ReplayFolder("raw_image", FuzzRawImage);
}
TEST(FuzzReplay, Archive) {
  ReplayFolder("archive", FuzzArchive);
}

}  // namespace
}  // namespace bv::fuzz

// Generation is deterministic: a fresh run gives the bytes the build wrote.
#include <gtest/gtest.h>

#include "data_paths.h"
#include "generator.h"

namespace bv::assets {
namespace {

TEST(Generator, SecondRunGivesIdenticalBytesForEveryFile) {
  std::vector<DataFile> files = GenerateData(BV_DEJAVU_DIR);
  EXPECT_EQ(files.size(), 256u + 49u + 7u + 1u + 32u);
  for (const DataFile& f : files) {
    SCOPED_TRACE(f.path);
    std::vector<uint8_t> built = test::ReadBytes(test::DataFile(f.path));
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(built == f.bytes);
  }
}

}  // namespace
}  // namespace bv::assets

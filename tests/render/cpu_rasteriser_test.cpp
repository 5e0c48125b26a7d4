#include "render/cpu_rasteriser.h"

#include <gtest/gtest.h>

namespace bv::render {
namespace {

TEST(IsCpuRasteriser, TellsMesasCpuDriversFromGpus) {
  struct Case {
    const char* name;
    bool cpu;
  };
  const Case cases[] = {
      {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
      {"softpipe", true},
      {"Software Rasterizer", true},
      {"Mesa DRI swrast", true},
      {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
      {"AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)", false},
      {"NVIDIA GeForce GTX 1660/PCIe/SSE2", false},
      {"", false},
      {nullptr, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsCpuRasteriser(c.name), c.cpu) << (c.name != nullptr ? c.name : "(null)");
  }
}

}  // namespace
}  // namespace bv::render

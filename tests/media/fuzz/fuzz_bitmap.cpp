// libFuzzer target: see fuzz_entries.h.
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  bv::fuzz::FuzzBitmap(data, size);
  return 0;
}

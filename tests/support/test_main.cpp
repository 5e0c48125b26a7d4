// The test programs' entry: every test runs headless, whatever the machine has.

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Keep a caller's explicit choice; otherwise no display and no sound device.
  ::setenv("SDL_VIDEODRIVER", "dummy", 0);
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
#ifdef BV_BUILD_DIR
  ::setenv("BV_BUILD_DIR", BV_BUILD_DIR, 0);
#endif
#ifdef BV_SOURCE_DIR
  ::setenv("BV_SOURCE_DIR", BV_SOURCE_DIR, 0);
  ::setenv("BV_TEST_DATA", BV_SOURCE_DIR "/tests/data", 0);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

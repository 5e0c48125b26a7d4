// The test programs' entry: every test runs headless, whatever the machine has.

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // Keep a caller's explicit choice; otherwise no display and no sound device.
  ::setenv("SDL_VIDEODRIVER", "dummy", 0);
  ::setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

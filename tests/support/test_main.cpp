#include <gtest/gtest.h>

#include "tests/support/test_platform.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // A wrong environment fails the whole run, listing included, not test by test.
  if (!vx::test::PlatformReadyForTests()) return 1;
  return RUN_ALL_TESTS();
}

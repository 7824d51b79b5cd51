// The test binary's entry point: the console's progress text goes to /dev/null unless a test
// points it elsewhere, so that it does not mix with the test report.
#include <fcntl.h>
#include <gtest/gtest.h>

#include "core/console.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  zelvo::ConsoleUseDescriptor(open("/dev/null", O_WRONLY | O_CLOEXEC));
  return RUN_ALL_TESTS();
}

#include "core/console.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <string>

namespace zelvo {
namespace {

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(pipe(fds_), 0); }
  void TearDown() override {
    if (fds_[0] >= 0) close(fds_[0]);
    close(fds_[1]);
    ConsoleUseDescriptor(open("/dev/null", O_WRONLY | O_CLOEXEC));
  }
  std::string ReadAvailable() {
    fcntl(fds_[0], F_SETFL, O_NONBLOCK);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds_[0], buffer, sizeof(buffer))) > 0) text.append(buffer, n);
    return text;
  }
  int fds_[2] = {-1, -1};
};

TEST_F(ConsoleTest, PipeGetsWholeLines) {
  ConsoleUseDescriptor(fds_[1]);
  ConsoleWrite("Generating");
  ConsoleWrite(".");
  ConsoleWrite(".");
  EXPECT_EQ(ReadAvailable(), "") << "dots are held until the line ends";
  ConsoleWrite("\n");
  EXPECT_EQ(ReadAvailable(), "Generating..\n");
  ConsoleWrite("Colourising.");
  ConsoleFlush();
  EXPECT_EQ(ReadAvailable(), "Colourising.");
}

TEST_F(ConsoleTest, ClosedPipeDropsTheRest) {
  std::signal(SIGPIPE, SIG_IGN);
  ConsoleUseDescriptor(fds_[1]);
  close(fds_[0]);
  fds_[0] = -1;
  ConsoleWrite("Generating\n");
  EXPECT_TRUE(ConsoleLost());
  ConsoleWrite("more\n");  // no crash, no retry
  EXPECT_TRUE(ConsoleLost());
}

TEST_F(ConsoleTest, FullDeviceDropsTheRest) {
  const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  ConsoleUseDescriptor(full);
  ConsoleWrite("Compressing...\n");
  EXPECT_TRUE(ConsoleLost());
  close(full);
}

}  // namespace
}  // namespace zelvo

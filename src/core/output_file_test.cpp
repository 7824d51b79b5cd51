#include "core/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "testing/temp_folder.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string Contents(const std::string& name) const { return folder_.Contents(name); }
  size_t Entries() const { return folder_.Names().size(); }

  testing::TempFolder folder_;
};

TEST_F(OutputFileTest, FinalNameAppearsOnlyOnCommit) {
  const std::string path = Path("map.png");
  { std::ofstream(path) << "old"; }
  OutputFile file;
  std::string error;
  ASSERT_TRUE(file.Open(path, &error)) << error;
  std::fputs("new", file.Stream());
  std::fflush(file.Stream());
  EXPECT_EQ(Contents("map.png"), "old");
  EXPECT_TRUE(fs::exists(file.TemporaryPath()));
  ASSERT_TRUE(file.Commit(&error)) << error;
  EXPECT_EQ(Contents("map.png"), "new");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(OutputFileTest, AbandonLeavesNothing) {
  const std::string path = Path("map.png");
  {
    OutputFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, &error)) << error;
    std::fputs("partial", file.Stream());
  }  // going out of scope without Commit
  EXPECT_EQ(Entries(), 0u);
}

TEST_F(OutputFileTest, FailuresNameTheReasonAndLeaveNothing) {
  std::string error;
  OutputFile missing;
  EXPECT_FALSE(missing.Open(Path("no-such-folder/map.png"), &error));
  EXPECT_EQ(error, "No such file or directory");

  // A folder already has the final name: the rename is refused.
  fs::create_directory(Path("map.png"));
  OutputFile file;
  ASSERT_TRUE(file.Open(Path("map.png"), &error)) << error;
  std::fputs("data", file.Stream());
  EXPECT_FALSE(file.Commit(&error));
  EXPECT_EQ(error, "Is a directory");
  EXPECT_EQ(Entries(), 1u);
  EXPECT_TRUE(fs::is_directory(Path("map.png")));
}

TEST_F(OutputFileTest, PendingFileIsRemovedForAnInterrupt) {
  OutputFile file;
  std::string error;
  ASSERT_TRUE(file.Open(Path("map.png"), &error)) << error;
  ASSERT_TRUE(fs::exists(file.TemporaryPath()));
  RemovePendingOutputFile();  // what the signal handler does
  EXPECT_EQ(Entries(), 0u);
}

}  // namespace
}  // namespace zelvo

#include "render/save_png.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/utf8.h"
#include "testing/png_reader.h"
#include "testing/temp_folder.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

const uint8_t kPixels[2 * 2 * 3] = {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};

TEST(WritePngTest, FullDiskIsAFailure) {
  // The library's own file writer would report success here and leave a truncated file.
  FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  std::string error;
  EXPECT_FALSE(WritePng(kPixels, 2, 2, 24, full, &error));
  EXPECT_EQ(error, "No space left on device");
  std::fclose(full);
}

class SavePngTest : public ::testing::Test {
 protected:
  size_t Entries() const { return folder_.Names().size(); }
  testing::TempFolder folder_;
};

TEST_F(SavePngTest, WritesUnderAWideNameAndReplacesAnOldFile) {
  const std::string path = (folder_ / "Karte \xC3\xA4 Render.png").string();  // UTF-8
  {
    std::FILE* old = std::fopen(path.c_str(), "wb");
    std::fputs("old", old);
    std::fclose(old);
  }
  std::string error;
  ASSERT_TRUE(SavePng(kPixels, 2, 2, 24, DecodeUtf8(path), &error)) << error;
  const testing::DecodedPng png = testing::ReadPng(path);
  ASSERT_TRUE(png.ok);
  EXPECT_EQ(png.At(0, 0), (testing::Rgb{255, 0, 0}));  // blue-first bytes 0, 0, 255 are red
  EXPECT_EQ(png.At(1, 1), (testing::Rgb{255, 255, 255}));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(SavePngTest, FailuresLeaveNoFileBehind) {
  std::string error;
  EXPECT_FALSE(
      SavePng(kPixels, 2, 2, 24, (folder_.Path() / "missing" / "a.png").wstring(), &error));
  EXPECT_EQ(error, "No such file or directory");

  fs::create_directory(folder_.Path() / "taken.png");
  EXPECT_FALSE(SavePng(kPixels, 2, 2, 8, (folder_ / "taken.png").wstring(), &error));
  EXPECT_EQ(error, "Is a directory");
  EXPECT_EQ(Entries(), 1u);  // only the folder: no temporary file
}

}  // namespace
}  // namespace zelvo

#include "render/heightmap.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "core/memory.h"
#include "testing/png_reader.h"
#include "testing/temp_folder.h"

namespace zelvo {
namespace {

TEST(GreyLevelTest, Table) {
  const float inf = std::numeric_limits<float>::infinity();
  static const struct {
    float height, floor;
    int grey;
  } cases[] = {
      {-1.0f, 0.0f, 0},         {0.0f, 0.0f, 0},
      {0.25f, 0.0f, 63},        {0.5f, 0.0f, 127},
      {0.75f, 0.0f, 191},       {0.999f, 0.0f, 254},
      {1.0f, 0.0f, 255},        {7.0f, 0.0f, 255},
      {1.0f / 255.0f, 0.0f, 1}, {std::nextafter(1.0f, 0.0f), 0.0f, 254},
      {inf, 0.0f, 255},         {-inf, 0.0f, 0},
      {std::nanf(""), 0.0f, 0}, {0.75f, 0.5f, 127},
      {0.5f, 0.5f, 0},          {0.2f, 0.5f, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GreyLevel(c.height, c.floor), c.grey) << c.height << " over floor " << c.floor;
  }
}

TEST(HeightmapFileTest, RoundTripIsEightBitGreyTopRowFirst) {
  const testing::TempFolder folder;
  HeightGrid grid(3, 2);
  const float heights[6] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, -3.0f};
  const int greys[6] = {0, 63, 127, 191, 255, 0};
  for (int i = 0; i < 6; ++i) grid.Data()[i] = heights[i];
  std::string error;
  ASSERT_TRUE(WriteHeightmap(grid, (folder / "map Heightmap.png").wstring(), &error)) << error;
  const testing::DecodedPng png = testing::ReadPng((folder / "map Heightmap.png").string());
  ASSERT_TRUE(png.ok);
  EXPECT_EQ(png.bitsPerPixel, 8u);
  ASSERT_EQ(png.width, 3u);
  ASSERT_EQ(png.height, 2u);
  for (unsigned i = 0; i < 6; ++i) {
    const uint8_t g = static_cast<uint8_t>(greys[i]);
    EXPECT_EQ(png.At(i % 3, i / 3), (testing::Rgb{g, g, g})) << i;
  }
}

TEST(HeightmapFileTest, NoMemoryForThePixelsSkipsTheFile) {
  HeightGrid grid(9, 5);
  for (size_t i = 0; i < grid.Count(); ++i) grid.Data()[i] = 0.5f;
  SetAllocationLimit(9 * 5 - 1);
  std::string error;
  const bool written = WriteHeightmap(grid, L"/nonexistent/never written.png", &error);
  SetAllocationLimit(UINT64_MAX);
  EXPECT_FALSE(written);
  EXPECT_EQ(error, "not enough memory for the heightmap");
}

}  // namespace
}  // namespace zelvo

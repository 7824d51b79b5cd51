#include "core/raster.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "render/colour.h"

namespace zelvo {
namespace {

TEST(RasterTest, RowsFollowEachOtherWithoutGaps) {
  static const struct {
    uint32_t width, height;
  } shapes[] = {{2, 2}, {5, 3}, {1025, 3}, {1500, 1500}};  // the last is mapped in huge pages
  for (const auto& s : shapes) {
    Raster<float> raster(s.width, s.height);
    ASSERT_NE(raster.Data(), nullptr) << s.width << "x" << s.height;
    EXPECT_EQ(&raster.At(s.width - 1, s.height - 1), raster.Data() + s.width * s.height - 1);
    EXPECT_EQ(&raster.At(0, 1), &raster.At(s.width - 1, 0) + 1);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(raster.Data()) % alignof(float), 0u);
    raster.At(s.width - 1, s.height - 1) = 1.5f;  // the whole block is usable
  }
}

TEST(RasterTest, ColourMapStartsMagenta) {
  Raster<Colour> raster(7, 3);
  ASSERT_NE(raster.Data(), nullptr);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(raster.Data());
  for (size_t i = 0; i < 7 * 3; ++i) {
    EXPECT_EQ(bytes[3 * i], 255) << i;
    EXPECT_EQ(bytes[3 * i + 1], 0) << i;
    EXPECT_EQ(bytes[3 * i + 2], 255) << i;
  }
}

TEST(RasterTest, ReleaseEmptiesOnce) {
  Raster<uint8_t> raster(4, 3);
  raster.Release();
  EXPECT_EQ(raster.Data(), nullptr);
  EXPECT_EQ(raster.Width(), 0u);
  EXPECT_EQ(raster.Height(), 0u);
  raster.Release();
  EXPECT_EQ(raster.Width(), 0u);
}

TEST(RasterTest, TooLargeIsEmptyAndKeepsItsSize) {
  // 65536 x 65536 floats is 16 GiB, beyond the 32-bit byte count.
  Raster<float> raster(65536, 65536);
  EXPECT_EQ(raster.Data(), nullptr);
  EXPECT_EQ(raster.Width(), 65536u);
  raster.Release();  // nothing to give back
  EXPECT_EQ(raster.Width(), 65536u);
  EXPECT_EQ(Raster<float>::ByteSize(UINT32_MAX, UINT32_MAX), UINT64_MAX);
}

}  // namespace
}  // namespace zelvo

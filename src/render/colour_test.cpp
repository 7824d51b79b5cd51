#include "render/colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "core/memory.h"
#include "testing/png_reader.h"
#include "testing/temp_folder.h"

namespace zelvo {
namespace {

using testing::Rgb;

Rgb AsRgb(Colour c) { return Rgb{c.red, c.green, c.blue}; }

TEST(RampColourTest, Table) {
  static const struct {
    float height;
    Rgb pixel;
  } cases[] = {
      {-1.0f, {0, 0, 128}},
      {-0.3f, {0, 0, 128}},
      {-0.2f, {0, 0, 128}},
      {-0.1f, {16, 90, 144}},
      {-0.000000001f, {32, 180, 160}},
      {-0.00000001f, {31, 179, 159}},
      {0.0f, {180, 180, 0}},
      {-0.0f, {180, 180, 0}},
      {0.025f, {210, 200, 0}},
      {0.05f, {32, 128, 0}},
      {0.275f, {32, 174, 0}},
      {0.5f, {64, 64, 64}},
      {0.65f, {131, 131, 131}},
      {0.8f, {240, 240, 240}},
      {0.9f, {247, 247, 247}},
      {1.0f, {255, 255, 255}},
      {2.0f, {255, 255, 255}},
      {std::numeric_limits<float>::infinity(), {255, 255, 255}},
      {-std::numeric_limits<float>::infinity(), {0, 0, 128}},
      {std::nanf(""), {255, 255, 255}},  // every test of the ramp fails
  };
  for (const auto& c : cases) {
    const Rgb got = AsRgb(RampColour(c.height));
    EXPECT_EQ(got, c.pixel) << c.height << " gave " << int{got.red} << "," << int{got.green} << ","
                            << int{got.blue};
  }
}

TEST(ColourTest, BlueFirstInMemoryAndMagentaByDefault) {
  const Colour navy = RampColour(-1.0f);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(&navy);
  EXPECT_EQ(bytes[0], 128);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(bytes[2], 0);
  EXPECT_EQ(AsRgb(Colour{}), (Rgb{255, 0, 255}));
}

TEST(LerpColourTest, TruncatesEachChannel) {
  const Colour start{0, 10, 100}, end{255, 11, 200};
  EXPECT_EQ(AsRgb(LerpColour(start, end, 0.0f)), AsRgb(start));
  EXPECT_EQ(AsRgb(LerpColour(start, end, 1.0f)), AsRgb(end));
  EXPECT_EQ(AsRgb(LerpColour(start, end, 0.5f)), (Rgb{150, 10, 127}));
}

class ColourMapFileTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
};

TEST_F(ColourMapFileTest, RoundTripKeepsEveryPixelInPlace) {
  // A 3 x 2 grid whose pixels all differ, so that a swapped channel, a flipped row order or a
  // mirrored column shows at once.
  HeightGrid grid(3, 2);
  const float heights[6] = {-1.0f, 0.0f, 0.05f, 0.5f, 0.8f, 1.0f};
  for (int i = 0; i < 6; ++i) grid.Data()[i] = heights[i];
  const std::wstring name = (folder_ / "map Render.png").wstring();
  std::string error;
  ASSERT_TRUE(WriteColourMap(grid, name, &error)) << error;
  const testing::DecodedPng png = testing::ReadPng((folder_ / "map Render.png").string());
  ASSERT_TRUE(png.ok);
  EXPECT_EQ(png.width, 3u);
  EXPECT_EQ(png.height, 2u);
  EXPECT_EQ(png.bitsPerPixel, 24u);
  for (unsigned y = 0; y < 2; ++y) {
    for (unsigned x = 0; x < 3; ++x) {
      EXPECT_EQ(png.At(x, y), AsRgb(RampColour(heights[x + 3 * y]))) << x << "," << y;
    }
  }
}

TEST_F(ColourMapFileTest, NoMemoryForThePixelsSkipsTheFile) {
  HeightGrid grid(9, 5);
  for (size_t i = 0; i < grid.Count(); ++i) grid.Data()[i] = 0.5f;
  SetAllocationLimit(9 * 5 * 3 - 1);
  std::string error;
  const bool written = WriteColourMap(grid, (folder_ / "map Render.png").wstring(), &error);
  SetAllocationLimit(UINT64_MAX);
  EXPECT_FALSE(written);
  EXPECT_EQ(error, "not enough memory for the colour map");
  EXPECT_TRUE(folder_.Names().empty());
}

}  // namespace
}  // namespace zelvo

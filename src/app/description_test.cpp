#include "app/description.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelvo {
namespace {

TEST(FormatFixed2Test, RoundsTheExactValueHalfAwayFromZero) {
  static const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.55f, "0.55"},
      {0.125, "0.13"},  // an exact half: away from zero, where printf gives 0.12
      {-0.125, "-0.13"},
      {0.375, "0.38"},
      {0.005, "0.01"},  // 0.005 as a double lies just above the half
      {0.015, "0.01"},  // and 0.015 just below it
      {2.675, "2.67"},
      {0.3f, "0.30"},
      {0.001f, "0.00"},
      {-0.001f, "-0.00"},
      {-0.0, "-0.00"},
      {0.0, "0.00"},
      {0.995, "0.99"},
      {0.9951, "1.00"},
      {99.995, "100.00"},  // 99.9950000000000045...
      {1e-300, "0.00"},
      {4.9e-324, "0.00"},
      {123456789.0, "123456789.00"},
      {std::numeric_limits<float>::max(), "340282346638528859811704183484516925440.00"},
      {-std::numeric_limits<float>::max(), "-340282346638528859811704183484516925440.00"},
      {9007199254740993.0, "9007199254740992.00"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
      {std::nan(""), "nan"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatFixed2(c.value), c.text) << c.value;
  }
}

TEST(FormatDescriptionTest, Cases) {
  static const struct {
    int32_t seed;
    float roughness;
    float waterLevel;
    const wchar_t* text;
  } cases[] = {
      {37, 0.55f, 0.0f, L"Seed=37 Roughness=0.55"},
      {-5, 0.125f, 0.0f, L"Seed=-5 Roughness=0.13"},
      {1, 0.55f, 0.3f, L"Seed=1 Roughness=0.55 Waterlevel=0.30"},
      {1, 0.55f, -0.25f, L"Seed=1 Roughness=0.55 Waterlevel=-0.25"},
      {1, 0.55f, -0.0f, L"Seed=1 Roughness=0.55"},
      {1, 0.55f, 0.001f, L"Seed=1 Roughness=0.55 Waterlevel=0.00"},
      {INT32_MIN, -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity(),
       L"Seed=-2147483648 Roughness=-inf Waterlevel=inf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDescription(c.seed, c.roughness, c.waterLevel), c.text) << c.seed;
  }
  EXPECT_EQ(ColourMapFileName(L"Seed=1 Roughness=0.55"), L"Seed=1 Roughness=0.55 Render.png");
  EXPECT_EQ(HeightmapFileName(L"Seed=1 Roughness=0.55"), L"Seed=1 Roughness=0.55 Heightmap.png");
}

}  // namespace
}  // namespace zelvo

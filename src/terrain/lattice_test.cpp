#include "terrain/lattice.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <vector>

namespace zelvo {
namespace {

TEST(SeedLatticeTest, DefaultMapSeedOne) {
  HeightGrid grid(1025, 1025);
  Random random;
  random.Reseed(1);
  SeedLattice(grid, random, 4, 4, 256, 0.0f, true, true);
  static const struct {
    uint32_t x, y;
    float value;
  } expected[] = {
      {0, 0, -0.9993743896484375f},    {256, 0, -0.7182159423828125f},
      {512, 0, -0.903350830078125f},   {768, 0, -0.59564208984375f},
      {1024, 0, -0.7075042724609375f}, {0, 256, -0.76007080078125f},
      {256, 256, 0.025421142578125f},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(grid.At(e.x, e.y), e.value) << e.x << "," << e.y;
  }
  // Sea on every edge and corner, land inside.
  for (uint32_t j = 0; j <= 4; ++j) {
    for (uint32_t i = 0; i <= 4; ++i) {
      const float v = grid.At(i * 256, j * 256);
      const bool edge = i == 0 || i == 4 || j == 0 || j == 4;
      EXPECT_TRUE(edge ? v >= -1.0f && v < -0.5f : v >= -0.5f && v < 1.0f) << i << "," << j;
    }
  }
}

TEST(SeedLatticeTest, ClassesBySeaFlags) {
  // A 3 x 3-section lattice with a water level that puts the land range at [9.5, 11): a drawn
  // value tells its range. Corners, top/bottom edges, left/right edges, inner.
  static const struct {
    bool seaLeftRight, seaTopBottom;
    bool corner, topBottom, leftRight;
  } cases[] = {
      {true, true, true, true, true},
      {true, false, true, false, true},
      {false, true, true, true, false},
      {false, false, false, false, false},
  };
  for (const auto& c : cases) {
    HeightGrid grid(4, 4);
    Random random;
    random.Reseed(5);
    SeedLattice(grid, random, 3, 3, 1, -10.0f, c.seaLeftRight, c.seaTopBottom);
    for (uint32_t j = 0; j <= 3; ++j) {
      for (uint32_t i = 0; i <= 3; ++i) {
        const bool topBottom = j == 0 || j == 3;
        const bool leftRight = i == 0 || i == 3;
        bool sea = false;
        if (topBottom && leftRight)
          sea = c.corner;
        else if (topBottom)
          sea = c.topBottom;
        else if (leftRight)
          sea = c.leftRight;
        EXPECT_EQ(grid.At(i, j) < 0.0f, sea)
            << i << "," << j << " flags " << c.seaLeftRight << c.seaTopBottom;
      }
    }
  }
}

// The seed whose first raw draw is 0: the state after one step is 0.
uint32_t SeedWithFirstDrawZero() {
  uint32_t inverse = 214013u;  // Newton's iteration for the inverse of the odd multiplier mod 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
  return (0u - 2531011u) * inverse;
}

TEST(SeedLatticeTest, WaterLevelBoundsRoundedToFloat) {
  // A raw draw of 0 gives the low bound itself: for a water level of 0.1f that is -0.5 - 0.1f
  // rounded to float, 0xBF19999A, not the float nearest -0.6.
  HeightGrid grid(2, 2);
  Random random;
  random.Reseed(SeedWithFirstDrawZero());
  SeedLattice(grid, random, 1, 1, 1, 0.1f, false, false);
  EXPECT_EQ(std::bit_cast<uint32_t>(grid.At(0, 0)), 0xBF19999Au);
}

TEST(CopyWrappedEdgesTest, OneSectionCorners) {
  const float tl = -0.4981231689453125f, tr = 0.3453521728515625f;
  const float bl = -0.210052490234375f, br = 0.71307373046875f;
  static const struct {
    bool horizontal, vertical;
    float expected[4];  // top-left, top-right, bottom-left, bottom-right
  } cases[] = {
      {false, false, {tl, tr, bl, br}},
      {true, false, {tl, tl, bl, bl}},
      {false, true, {tl, tr, tl, tr}},
      {true, true, {tl, tl, tl, tl}},
  };
  for (const auto& c : cases) {
    HeightGrid grid(2, 2);
    Random random;
    random.Reseed(1);
    SeedLattice(grid, random, 1, 1, 1, 0.0f, false, false);
    CopyWrappedEdges(grid, 1, 1, 1, c.horizontal, c.vertical);
    const float got[4] = {grid.At(0, 0), grid.At(1, 0), grid.At(0, 1), grid.At(1, 1)};
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(got[k], c.expected[k]) << "corner " << k << " wrap " << c.horizontal << c.vertical;
    }
  }
}

TEST(CopyWrappedEdgesTest, ChangesOnlyTheReceivingEdge) {
  HeightGrid plain(13, 9), wrapped(13, 9);
  for (HeightGrid* grid : {&plain, &wrapped}) {
    Random random;
    random.Reseed(3);
    SeedLattice(*grid, random, 3, 2, 4, 0.0f, true, true);
  }
  CopyWrappedEdges(wrapped, 3, 2, 4, true, false);
  for (uint32_t j = 0; j <= 2; ++j) {
    for (uint32_t i = 0; i <= 3; ++i) {
      const float expected = i == 3 ? plain.At(0, j * 4) : plain.At(i * 4, j * 4);
      EXPECT_EQ(wrapped.At(i * 4, j * 4), expected) << i << "," << j;
    }
  }
}

}  // namespace
}  // namespace zelvo

#include "terrain/generate.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cstdio>
#include <string>
#include <vector>

#include "core/console.h"
#include "terrain/lattice.h"

namespace zelvo {
namespace {

struct Point {
  uint32_t x, y;
};

// A grid of w x h sections of size s whose lattice is seeded from `seed` with both sea flags.
void Seed(HeightGrid& grid, Random& random, uint32_t w, uint32_t h, uint32_t s, bool hwrap,
          bool vwrap) {
  random.Reseed(11);
  SeedLattice(grid, random, w, h, s, 0.0f, true, true);
  CopyWrappedEdges(grid, w, h, s, hwrap, vwrap);
}

TEST(GenerateTest, OrderOfDraws) {
  // Each new point is its neighbour average (or corner average) plus the draw of its place in
  // the order; the draws are replayed from the same seed with the level's amplitude.
  static const struct {
    uint32_t w, h;
    bool hwrap, vwrap;
    std::vector<Point> order;
  } cases[] = {
      {1, 1, false, false, {{1, 1}, {0, 1}, {1, 0}, {2, 1}, {1, 2}}},
      {2,
       1,
       false,
       false,
       {{1, 1}, {3, 1}, {0, 1}, {1, 0}, {2, 1}, {3, 0}, {4, 1}, {1, 2}, {3, 2}}},
      {2, 1, true, true, {{1, 1}, {3, 1}, {0, 1}, {1, 0}, {2, 1}, {3, 0}, {4, 1}, {1, 2}, {3, 2}}},
      {1,
       2,
       false,
       false,
       {{1, 1}, {1, 3}, {0, 1}, {1, 0}, {2, 1}, {0, 3}, {1, 2}, {2, 3}, {1, 4}}},
  };
  const float a = 0.55f;
  for (const auto& c : cases) {
    HeightGrid grid(c.w * 2 + 1, c.h * 2 + 1);
    Random random;
    Seed(grid, random, c.w, c.h, 2, c.hwrap, c.vwrap);
    Random replay = random;
    Generate(grid, random, 2, a, a, c.hwrap, c.vwrap);
    const size_t centres = size_t{c.w} * c.h;
    for (size_t k = 0; k < c.order.size(); ++k) {
      const auto [x, y] = c.order[k];
      const float r = RandomRange(replay, -a, a);
      const bool wrapCopy =
          (c.hwrap && x == grid.Width() - 1) || (c.vwrap && y == grid.Height() - 1);
      if (wrapCopy) continue;  // drawn, then replaced by the copy
      float expected;
      if (k < centres) {
        const double sum = double{grid.At(x - 1, y - 1)} + grid.At(x + 1, y - 1) +
                           grid.At(x - 1, y + 1) + grid.At(x + 1, y + 1);
        expected = r + static_cast<float>(sum * 0.25);
      } else {
        expected = AverageNeighbours(grid, x, y, 1, c.hwrap, c.vwrap) + r;
      }
      EXPECT_EQ(grid.At(x, y), expected) << "draw " << k << " at " << x << "," << y << " of " << c.w
                                         << "x" << c.h << " wrap " << c.hwrap;
    }
    EXPECT_EQ(replay.Next(), random.Next()) << "no draw beyond the listed points";
    if (c.hwrap) {
      EXPECT_EQ(grid.At(4, 1), grid.At(0, 1));
    }
    if (c.vwrap) {
      EXPECT_EQ(grid.At(1, 2), grid.At(1, 0));
      EXPECT_EQ(grid.At(3, 2), grid.At(3, 0));
    }
  }
}

TEST(GenerateTest, WrapEqualitiesAndLatticeKept) {
  static const struct {
    uint32_t w, h, s;
    bool hwrap, vwrap;
  } cases[] = {
      {3, 2, 16, true, false}, {3, 2, 16, false, true}, {2, 3, 8, true, true},
      {1, 1, 32, true, true},  {4, 1, 4, true, false},
  };
  for (const auto& c : cases) {
    HeightGrid grid(c.w * c.s + 1, c.h * c.s + 1);
    Random random;
    Seed(grid, random, c.w, c.h, c.s, c.hwrap, c.vwrap);
    std::vector<float> lattice;
    for (uint32_t y = 0; y < grid.Height(); y += c.s)
      for (uint32_t x = 0; x < grid.Width(); x += c.s) lattice.push_back(grid.At(x, y));
    Generate(grid, random, c.s, 0.55f, 0.55f, c.hwrap, c.vwrap);
    size_t k = 0;
    for (uint32_t y = 0; y < grid.Height(); y += c.s)
      for (uint32_t x = 0; x < grid.Width(); x += c.s)
        EXPECT_EQ(std::bit_cast<uint32_t>(grid.At(x, y)), std::bit_cast<uint32_t>(lattice[k++]));
    const uint32_t lastX = grid.Width() - 1, lastY = grid.Height() - 1;
    for (uint32_t y = 0; c.hwrap && y <= lastY; ++y)
      EXPECT_EQ(grid.At(lastX, y), grid.At(0, y)) << y;
    for (uint32_t x = 0; c.vwrap && x <= lastX; ++x)
      EXPECT_EQ(grid.At(x, lastY), grid.At(x, 0)) << x;
  }
}

TEST(GenerateTest, RoughnessZeroGivesPlainAverages) {
  HeightGrid grid(9, 9);
  Random random;
  Seed(grid, random, 1, 1, 8, false, false);
  Generate(grid, random, 8, 0.0f, 0.0f, false, false);
  // The centre of the whole map is the mean of its four corners; a border midpoint of the last
  // level averages its three neighbours.
  const double corners = double{grid.At(0, 0)} + grid.At(8, 0) + grid.At(0, 8) + grid.At(8, 8);
  EXPECT_EQ(grid.At(4, 4), static_cast<float>(corners * 0.25));
  EXPECT_EQ(grid.At(0, 1), (grid.At(1, 1) + grid.At(0, 0) + grid.At(0, 2)) / 3.0f);  // E, N, S
}

TEST(AverageNeighboursTest, WrapsOnARing) {
  // 3 x 3 grid, one section of 2: with horizontal wrap the west and east neighbours of (0, 1)
  // are both the centre (1, 1), counted twice.
  HeightGrid grid(3, 3);
  const float values[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (int i = 0; i < 9; ++i) grid.Data()[i] = values[i];
  EXPECT_EQ(AverageNeighbours(grid, 0, 1, 1, false, false), (5.0f + 1.0f + 7.0f) / 3.0f);
  EXPECT_EQ(AverageNeighbours(grid, 0, 1, 1, true, false), (5.0f + 5.0f + 1.0f + 7.0f) / 4.0f);
  EXPECT_EQ(AverageNeighbours(grid, 1, 0, 1, false, true), (1.0f + 3.0f + 5.0f + 5.0f) / 4.0f);
  EXPECT_EQ(AverageNeighbours(grid, 1, 1, 1, false, false), (4.0f + 6.0f + 2.0f + 8.0f) / 4.0f);
}

TEST(GenerateTest, ProgressAndStepsThatAddNothing) {
  FILE* capture = std::tmpfile();
  ASSERT_NE(capture, nullptr);
  ConsoleUseDescriptor(fileno(capture));
  static const struct {
    uint32_t step;
    const char* text;
  } cases[] = {
      {256, "Generating........\n"}, {1, "Generating\n"}, {0, "Generating\n"}, {3, "Generating\n"}};
  for (const auto& c : cases) {
    HeightGrid grid(257, 257);
    for (size_t i = 0; i < grid.Count(); ++i) grid.Data()[i] = static_cast<float>(i);
    Random random, untouched;
    std::rewind(capture);
    ftruncate(fileno(capture), 0);
    Generate(grid, random, c.step, 0.5f, 0.5f, false, false);
    ConsoleFlush();
    char text[64] = {};
    std::rewind(capture);
    std::fread(text, 1, sizeof(text) - 1, capture);
    EXPECT_STREQ(text, c.text) << "step " << c.step;
    if (c.step <= 1 || c.step == 3) {
      EXPECT_EQ(grid.At(1, 0), 1.0f) << "step " << c.step;
      EXPECT_EQ(random.Next(), untouched.Next()) << "step " << c.step;
    }
  }
  std::fclose(capture);
  ConsoleUseDescriptor(open("/dev/null", O_WRONLY | O_CLOEXEC));
}

}  // namespace
}  // namespace zelvo

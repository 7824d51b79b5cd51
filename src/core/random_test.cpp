#include "core/random.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <vector>

namespace zelvo {
namespace {

TEST(RandomTest, SequencesForKnownSeeds) {
  static const struct {
    uint32_t seed;
    std::vector<int> draws;
  } cases[] = {
      {1, {41, 18467, 6334, 26500, 19169}},
      {0, {38, 7719, 21238, 2437, 8855}},
      {static_cast<uint32_t>(-1), {35, 29739, 3374, 11141, 31308}},
  };
  for (const auto& c : cases) {
    Random random;
    random.Reseed(c.seed);
    for (size_t i = 0; i < c.draws.size(); ++i) {
      EXPECT_EQ(random.Next(), c.draws[i]) << "seed " << c.seed << " draw " << i;
    }
    // Reseeding restarts the same sequence.
    random.Reseed(c.seed);
    EXPECT_EQ(random.Next(), c.draws[0]) << "seed " << c.seed;
  }
}

// A source reseeded with 1 and advanced until its next raw draw is `wanted`.
Random SourceBefore(int wanted) {
  Random random;
  random.Reseed(1);
  for (;;) {
    Random probe = random;
    if (probe.Next() == wanted) return random;
    random.Next();
  }
}

TEST(RandomTest, RangeRoundsOnlyTheResult) {
  const float s = std::bit_cast<float>(0x3F0CCCCDu);  // the float nearest 0.55
  static const struct {
    int draw;
    float low, high;
    uint32_t bits;
  } cases[] = {
      {41, -1.0f, -0.5f, std::bit_cast<uint32_t>(-0.9993743896484375f)},
      // Rounding the product and the sum to float would give 0x3D8F34D0.
      {18467, -s, s, 0x3D8F34CDu},
  };
  for (const auto& c : cases) {
    Random random = SourceBefore(c.draw);
    EXPECT_EQ(std::bit_cast<uint32_t>(RandomRange(random, c.low, c.high)), c.bits)
        << "draw " << c.draw;
  }
}

TEST(RandomTest, RangeEnds) {
  // A raw draw of 0 gives low exactly; 32767 the largest value, high - span / 32768.
  Random zero = SourceBefore(0);
  EXPECT_EQ(RandomRange(zero, -1.0f, -0.5f), -1.0f);
  Random top = SourceBefore(32767);
  EXPECT_EQ(RandomRange(top, -1.0f, -0.5f), -0.5000152587890625f);
}

}  // namespace
}  // namespace zelvo

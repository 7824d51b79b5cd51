// The seeded random source. Every random value of a map comes from this one generator and one
// way of scaling its output into a range, both fixed to the bit so that a seed gives the same map
// on every machine. The standard library's engines and distributions are not used: their
// results differ between implementations.
#ifndef ZELVO_CORE_RANDOM_H_
#define ZELVO_CORE_RANDOM_H_

#include <cstdint>

namespace zelvo {

// A linear congruential generator with a 32-bit state.
class Random {
 public:
  // A negative seed enters as its two's-complement bit pattern (-1 gives state 0xFFFFFFFF).
  void Reseed(uint32_t seed) { state_ = seed; }

  // Advances the state, state = state * 214013 + 2531011 (mod 2^32), and returns bits 16 to 30
  // of the new state: a value from 0 to 32767.
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  uint32_t state_ = 1;
};

// One draw scaled into the range from `low` towards `high`: low + r / 32768 * (high - low) for a
// draw r. The span, the product and the sum are each rounded to double on their own; only the
// result is rounded to float. Works for low > high too (a negative amplitude). Inline: a map
// makes one call per point.
inline float RandomRange(Random& random, float low, float high) {
  // r / 32768 is exact in float: r has at most 15 significant bits.
  const float t = static_cast<float>(random.Next()) * (1.0f / 32768.0f);
  const double span = static_cast<double>(high) - static_cast<double>(low);
  const double p = static_cast<double>(t) * span;
  const double q = p + static_cast<double>(low);
  return static_cast<float>(q);
}

}  // namespace zelvo

#endif  // ZELVO_CORE_RANDOM_H_

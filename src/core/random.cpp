#include "core/random.h"

namespace zelvo {

float RandomRange(Random& random, float low, float high) {
  // r / 32768 is exact in float: r has at most 15 significant bits.
  const float t = static_cast<float>(random.Next()) * (1.0f / 32768.0f);
  const double span = static_cast<double>(high) - static_cast<double>(low);
  const double p = static_cast<double>(t) * span;
  const double q = p + static_cast<double>(low);
  return static_cast<float>(q);
}

}  // namespace zelvo

#include "terrain/lattice.h"

namespace zelvo {

void SeedLattice(HeightGrid& grid, Random& random, uint32_t w, uint32_t h, uint32_t S,
                 float waterLevel, bool seaLeftRight, bool seaTopBottom) {
  // The land bounds are computed in double from the float water level, then rounded to float:
  // a water level of 0.1f gives -0.6000000238418579, not -0.6.
  const float landLow = static_cast<float>(-0.5 - static_cast<double>(waterLevel));
  const float landHigh = static_cast<float>(1.0 - static_cast<double>(waterLevel));

  for (uint32_t j = 0; j <= h; ++j) {
    const bool topOrBottom = j == 0 || j == h;
    for (uint32_t i = 0; i <= w; ++i) {
      const bool leftOrRight = i == 0 || i == w;
      bool sea;
      if (topOrBottom && leftOrRight) {
        sea = seaLeftRight || seaTopBottom;
      } else if (topOrBottom) {
        sea = seaTopBottom;
      } else if (leftOrRight) {
        sea = seaLeftRight;
      } else {
        sea = false;
      }
      grid.At(i * S, j * S) =
          sea ? RandomRange(random, kSeaLow, kSeaHigh) : RandomRange(random, landLow, landHigh);
    }
  }
}

void CopyWrappedEdges(HeightGrid& grid, uint32_t w, uint32_t h, uint32_t S, bool horizontalWrap,
                      bool verticalWrap) {
  // The horizontal copy comes first, so with both flags all four corners end up as the top-left.
  if (horizontalWrap) {
    for (uint32_t j = 0; j <= h; ++j) grid.At(w * S, j * S) = grid.At(0, j * S);
  }
  if (verticalWrap) {
    for (uint32_t i = 0; i <= w; ++i) grid.At(i * S, h * S) = grid.At(i * S, 0);
  }
}

}  // namespace zelvo

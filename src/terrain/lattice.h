// The start of every map: one random height for each section corner of the grid, from the sea
// range along the edges that are under the sea and from the land range elsewhere, then the
// copies that make opposite edges equal where the map wraps around.
#ifndef ZELVO_TERRAIN_LATTICE_H_
#define ZELVO_TERRAIN_LATTICE_H_

#include <cstdint>

#include "core/random.h"
#include "core/raster.h"

namespace zelvo {

// Sea heights are drawn from [-1, -0.5); land heights from [-0.5 - waterLevel, 1 - waterLevel),
// each bound rounded to float.
inline constexpr float kSeaLow = -1.0f;
inline constexpr float kSeaHigh = -0.5f;

// Draws the (w + 1) x (h + 1) lattice points (i * S, j * S) in raster order, one draw each, and
// writes no other point. Corners are sea when either sea flag is on; the top and bottom edges are
// sea with seaTopBottom, the left and right edges with seaLeftRight; inner points are land.
// REQUIRES: grid is (w * S + 1) x (h * S + 1); w, h, S >= 1.
void SeedLattice(HeightGrid& grid, Random& random, uint32_t w, uint32_t h, uint32_t S,
                 float waterLevel, bool seaLeftRight, bool seaTopBottom);

// With horizontalWrap, copies the left lattice column onto the right one; then, with
// verticalWrap, the top lattice row onto the bottom one. Makes no draws.
// REQUIRES: as SeedLattice.
void CopyWrappedEdges(HeightGrid& grid, uint32_t w, uint32_t h, uint32_t S, bool horizontalWrap,
                      bool verticalWrap);

}  // namespace zelvo

#endif  // ZELVO_TERRAIN_LATTICE_H_

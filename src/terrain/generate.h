// Midpoint displacement: fills every point of a height grid between its section corners, level
// by level, each new point the average of its known neighbours plus a random displacement whose
// amplitude shrinks by a constant factor from level to level.
#ifndef ZELVO_TERRAIN_GENERATE_H_
#define ZELVO_TERRAIN_GENERATE_H_

#include <cstdint>

#include "core/random.h"
#include "core/raster.h"

namespace zelvo {

// Runs the levels of step firstStep, firstStep / 2, ..., 2, printing "Generating", a dot per level
// and a line end. Level k (from 1) displaces by up to startAmplitude * factor^(k-1), the
// amplitude rounded to float after each multiplication. Makes one draw per point it adds, in a
// fixed order, whatever the wrap flags; with a wrap flag the last column (row) ends equal to the
// first. Lattice points are never changed. A first step of 1 or less adds nothing.
// REQUIRES: firstStep a power of two dividing width - 1 and height - 1; lattice points seeded
// (and copied across wrapped edges). A step that does not fit the grid adds nothing.
void Generate(HeightGrid& grid, Random& random, uint32_t firstStep, float startAmplitude,
              float factor, bool horizontalWrap, bool verticalWrap);

// The mean of the points `distance` west, east, north and south of (x, y) that lie in the grid
// or that wrapping supplies (columns on a ring of width - 1, rows on a ring of height - 1). The
// sum is taken in float in that order and divided by the count, 3 or 4.
float AverageNeighbours(const HeightGrid& grid, uint32_t x, uint32_t y, uint32_t distance,
                        bool horizontalWrap, bool verticalWrap);

}  // namespace zelvo

#endif  // ZELVO_TERRAIN_GENERATE_H_

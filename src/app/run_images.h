// The run driver: one height grid for the whole run, then for each image its terrain from its
// own seed, its description and its files, the seed raised by one after each image.
#ifndef ZELVO_APP_RUN_IMAGES_H_
#define ZELVO_APP_RUN_IMAGES_H_

#include <cstdint>

#include "app/exit_status.h"
#include "cli/options.h"
#include "core/random.h"
#include "core/raster.h"

namespace zelvo {

// The largest grid: its heights, 4 bytes a point, must fit a 32-bit byte count.
inline constexpr uint64_t kMaxGridPoints = 1'073'741'823;

// The grid's columns and rows, sections x section size + 1, in 64 bits so that no option
// value wraps around.
struct GridSize {
  uint64_t width;
  uint64_t height;
};
GridSize GridSizeOf(const RunOptions& options);

// Whether a grid of this size is within the program's 32-bit sizes.
bool GridSizeSupported(GridSize size);

// Makes the terrain of one image in `grid`: reseeds `random` with `seed`, seeds the lattice,
// copies the wrapped edges and runs the displacement with the options' roughness.
// REQUIRES: grid has the size GridSizeOf(options).
void BuildTerrain(HeightGrid& grid, Random& random, const RunOptions& options, int32_t seed);

// Makes every image of the run and writes its files in the current folder. A file that cannot
// be written is reported on standard error and the run goes on. Returns kExitSuccess when all
// files were written, kExitFailure otherwise (also when the grid is too large or cannot be had,
// which is reported before anything is made).
ExitStatus RunImages(const RunOptions& options);

}  // namespace zelvo

#endif  // ZELVO_APP_RUN_IMAGES_H_

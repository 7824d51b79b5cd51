#include "app/run_images.h"

#include <string>

#include "app/description.h"
#include "core/console.h"
#include "core/utf8.h"
#include "render/colour.h"
#include "render/heightmap.h"
#include "terrain/generate.h"
#include "terrain/lattice.h"

namespace zelvo {

namespace {

// The seed of the next image: one more, wrapping from INT32_MAX to INT32_MIN.
int32_t NextSeed(int32_t seed) { return static_cast<int32_t>(static_cast<uint32_t>(seed) + 1u); }

}  // namespace

GridSize GridSizeOf(const RunOptions& options) {
  const uint64_t section = static_cast<uint64_t>(options.sectionSize);
  return {static_cast<uint64_t>(options.widthInSections) * section + 1,
          static_cast<uint64_t>(options.heightInSections) * section + 1};
}

bool GridSizeSupported(GridSize size) {
  // Each side is below 2^32 first, so that the product cannot wrap.
  return size.width <= UINT32_MAX && size.height <= UINT32_MAX &&
         size.width * size.height <= kMaxGridPoints;
}

void BuildTerrain(HeightGrid& grid, Random& random, const RunOptions& options, int32_t seed) {
  const uint32_t w = static_cast<uint32_t>(options.widthInSections);
  const uint32_t h = static_cast<uint32_t>(options.heightInSections);
  const uint32_t S = static_cast<uint32_t>(options.sectionSize);
  random.Reseed(static_cast<uint32_t>(seed));
  SeedLattice(grid, random, w, h, S, options.waterLevel, options.seaLeftRight,
              options.seaTopBottom);
  CopyWrappedEdges(grid, w, h, S, options.horizontalWrap, options.verticalWrap);
  Generate(grid, random, S, options.roughness, options.roughness, options.horizontalWrap,
           options.verticalWrap);
}

ExitStatus RunImages(const RunOptions& options) {
  const GridSize size = GridSizeOf(options);
  const std::string dimensions = std::to_string(size.width) + " x " + std::to_string(size.height);
  if (!GridSizeSupported(size)) {
    ConsoleError("zelvo: a map of " + dimensions + " points is too large: at most " +
                 std::to_string(kMaxGridPoints) + " points are supported");
    return kExitFailure;
  }
  HeightGrid grid(static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height));
  if (grid.Data() == nullptr) {
    ConsoleError("zelvo: not enough memory for a map of " + dimensions + " points (" +
                 std::to_string(HeightGrid::ByteSize(grid.Width(), grid.Height())) + " bytes)");
    return kExitFailure;
  }

  // Writes one file of the image; a failure is reported and the run goes on.
  bool allWritten = true;
  const auto write = [&](auto writeFile, const std::wstring& name) {
    std::string reason;
    if (writeFile(grid, name, &reason)) return;
    ConsoleError("zelvo: could not write \"" + EncodeUtf8(name) + "\": " + reason);
    allWritten = false;
  };

  Random random;
  int32_t seed = options.seed;
  for (int32_t image = 0; image < options.imageCount; ++image) {
    BuildTerrain(grid, random, options, seed);
    const std::wstring description = FormatDescription(seed, options.roughness, options.waterLevel);
    if (options.colourMapEnabled) write(WriteColourMap, ColourMapFileName(description));
    if (options.heightmapEnabled) write(WriteHeightmap, HeightmapFileName(description));
    seed = NextSeed(seed);
  }
  return allWritten ? kExitSuccess : kExitFailure;
}

}  // namespace zelvo

// Throughput of the stages of a map: draws of the random source, terrain generation with its
// lattice seeding, and the two conversions to pixels. The argument is the side of the square
// grid in points (4 or 16 sections of 256).
#include <benchmark/benchmark.h>
#include <fcntl.h>

#include "core/console.h"
#include "core/random.h"
#include "core/raster.h"
#include "render/colour.h"
#include "render/heightmap.h"
#include "terrain/generate.h"
#include "terrain/lattice.h"

namespace zelvo {
namespace {

constexpr uint32_t kSection = 256;

void MakeTerrain(HeightGrid& grid, Random& random, uint32_t seed) {
  const uint32_t sections = (grid.Width() - 1) / kSection;
  random.Reseed(seed);
  SeedLattice(grid, random, sections, sections, kSection, 0.0f, true, true);
  Generate(grid, random, kSection, 0.55f, 0.55f, false, false);
}

void BM_RandomRange(benchmark::State& state) {
  Random random;
  random.Reseed(37);
  float sink = 0.0f;
  for (auto _ : state) {
    for (int i = 0; i < 4096; ++i) sink += RandomRange(random, -0.55f, 0.55f);
  }
  benchmark::DoNotOptimize(sink);
  state.SetItemsProcessed(state.iterations() * 4096);
}
BENCHMARK(BM_RandomRange);

void BM_Generate(benchmark::State& state) {
  const uint32_t side = static_cast<uint32_t>(state.range(0));
  HeightGrid grid(side, side);
  Random random;
  uint32_t seed = 37;
  for (auto _ : state) MakeTerrain(grid, random, seed++);
  state.SetItemsProcessed(state.iterations() * grid.Count());
}
BENCHMARK(BM_Generate)->Arg(1025)->Arg(4097)->Unit(benchmark::kMillisecond);

// Converts one finished map into pixels, again and again.
template <typename Pixel, typename Convert>
void RenderBenchmark(benchmark::State& state, Convert convert) {
  const uint32_t side = static_cast<uint32_t>(state.range(0));
  HeightGrid grid(side, side);
  Random random;
  MakeTerrain(grid, random, 37);
  Raster<Pixel> pixels(side, side);
  for (auto _ : state) {
    convert(grid, pixels);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * grid.Count());
}

void BM_Colourise(benchmark::State& state) { RenderBenchmark<Colour>(state, Colourise); }
BENCHMARK(BM_Colourise)->Arg(1025)->Arg(4097)->Unit(benchmark::kMillisecond);

void BM_BuildHeightmap(benchmark::State& state) {
  RenderBenchmark<uint8_t>(state, [](const HeightGrid& grid, Raster<uint8_t>& levels) {
    BuildHeightmap(grid, levels, 0.0f);
  });
}
BENCHMARK(BM_BuildHeightmap)->Arg(1025)->Arg(4097)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvo

int main(int argc, char** argv) {
  zelvo::ConsoleUseDescriptor(open("/dev/null", O_WRONLY | O_CLOEXEC));  // no progress dots
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

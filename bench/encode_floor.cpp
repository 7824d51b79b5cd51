// The encode floor: the image library's conversion, PNG save and release of the two files of
// one map, from the very pixel buffers that zelvo hands it, with the same options, warm and
// repeated in one process. A run of zelvo cannot take less than this.
//
//   zelvo_encode_floor [repetitions] [zelvo options...]
// prints the median in milliseconds; with /multiple=N, the sum of the medians of the N maps.
#include <FreeImage.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/run_images.h"
#include "cli/options.h"
#include "core/console.h"
#include "core/utf8.h"
#include "render/colour.h"
#include "render/heightmap.h"

namespace {

void SaveLikeZelvo(const uint8_t* pixels, uint32_t width, uint32_t height, unsigned bpp,
                   const char* path) {
  FIBITMAP* bitmap = FreeImage_ConvertFromRawBits(const_cast<BYTE*>(pixels), width, height,
                                                  width * bpp / 8, bpp, 0, 0, 0, TRUE);
  FreeImage_Save(FIF_PNG, bitmap, path, PNG_DEFAULT);
  FreeImage_Unload(bitmap);
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("FLOOR_PLAIN_MALLOC") == nullptr) {
    // The same heap settings as zelvo's, so that the floor is not slowed by fresh mappings.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
  }
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  std::vector<std::wstring> words{L"zelvo"};
  for (int i = 2; i < argc; ++i) words.push_back(zelvo::DecodeUtf8(argv[i]));
  if (argc <= 2) words.push_back(L"/seed=37");
  std::vector<const wchar_t*> pointers;
  for (const std::wstring& w : words) pointers.push_back(w.c_str());
  const zelvo::ParseResult parsed =
      zelvo::ParseArguments(static_cast<int>(pointers.size()), pointers.data());
  if (parsed.stop != zelvo::ParseResult::Stop::kNone) return 2;

  zelvo::ConsoleUseDescriptor(open("/dev/null", O_WRONLY | O_CLOEXEC));
  char folder[] = "/tmp/zelvo-floor-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 1;
  const std::string colourPath = std::string(folder) + "/render.png";
  const std::string greyPath = std::string(folder) + "/heightmap.png";

  const zelvo::GridSize size = zelvo::GridSizeOf(parsed.options);
  zelvo::HeightGrid grid(static_cast<uint32_t>(size.width), static_cast<uint32_t>(size.height));
  zelvo::Raster<zelvo::Colour> colour(grid.Width(), grid.Height());
  zelvo::Raster<uint8_t> grey(grid.Width(), grid.Height());
  zelvo::Random random;
  double total = 0.0;
  for (int image = 0; image < parsed.options.imageCount; ++image) {
    const int32_t seed = static_cast<int32_t>(static_cast<uint32_t>(parsed.options.seed) + image);
    zelvo::BuildTerrain(grid, random, parsed.options, seed);
    zelvo::Colourise(grid, colour);
    zelvo::BuildHeightmap(grid, grey, 0.0f);
    std::vector<double> times;
    for (int i = 0; i <= repetitions; ++i) {  // the first round warms up and is not counted
      const auto start = std::chrono::steady_clock::now();
      SaveLikeZelvo(reinterpret_cast<const uint8_t*>(colour.Data()), grid.Width(), grid.Height(),
                    24, colourPath.c_str());
      SaveLikeZelvo(grey.Data(), grid.Width(), grid.Height(), 8, greyPath.c_str());
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      if (i > 0) times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    total += times[times.size() / 2];
  }
  unlink(colourPath.c_str());
  unlink(greyPath.c_str());
  rmdir(folder);
  std::printf("%.3f\n", total);
  return 0;
}

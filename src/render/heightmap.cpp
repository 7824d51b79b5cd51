#include "render/heightmap.h"

#include "core/console.h"
#include "render/save_png.h"

namespace zelvo {

uint8_t GreyLevel(float height, float floor) {
  // Both clamps are strict and the floor comes first. A NaN, which fails every comparison, goes to
  // the floor here, since a NaN cannot be converted to an integer.
  float c = height >= floor ? height : floor;
  c = c > 1.0f ? 1.0f : c;
  const float v = static_cast<float>((static_cast<double>(c) - floor) / (1.0 - floor));
  return static_cast<uint8_t>(static_cast<int>(v * 255.0) & 0xFF);
}

void BuildHeightmap(const HeightGrid& grid, Raster<uint8_t>& output, float floor) {
  ConsoleWrite("Building heightmap");
  const float* heights = grid.Data();
  uint8_t* levels = output.Data();
  for (uint32_t y = 0; y < grid.Height(); ++y) {
    ConsoleWrite(".");
    const float* row = heights + size_t{y} * grid.Width();
    uint8_t* out = levels + size_t{y} * output.Width();
    for (uint32_t x = 0; x < grid.Width(); ++x) out[x] = GreyLevel(row[x], floor);
  }
  ConsoleWrite("\n");
}

bool WriteHeightmap(const HeightGrid& grid, const std::wstring& fileName, std::string* error) {
  Raster<uint8_t> levels(grid.Width(), grid.Height());
  if (levels.Data() == nullptr) {
    *error = "not enough memory for the heightmap";
    return false;
  }
  BuildHeightmap(grid, levels, 0.0f);
  ConsoleWrite("Compressing...\n");
  return SavePng(levels.Data(), levels.Width(), levels.Height(), 8, fileName, error);
}

}  // namespace zelvo

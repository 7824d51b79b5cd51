// The grey heightmap: heights from a floor up to 1 spread linearly over the grey levels 0 to 255,
// saved as an 8-bit grey PNG file.
#ifndef ZELVO_RENDER_HEIGHTMAP_H_
#define ZELVO_RENDER_HEIGHTMAP_H_

#include <cstdint>
#include <string>

#include "core/raster.h"

namespace zelvo {

// The grey level of one height: clamped to [floor, 1], scaled to [0, 1] in double and rounded to
// float, times 255 in double, truncated. Below the floor is 0, from 1 up 255; NaN is 0.
// REQUIRES: floor < 1.
uint8_t GreyLevel(float height, float floor);

// Converts every point of `grid` into `output`, printing "Building heightmap", a dot per row
// before the row, and a line end. REQUIRES: output has the grid's width and height and storage.
void BuildHeightmap(const HeightGrid& grid, Raster<uint8_t>& output, float floor);

// Makes the heightmap of `grid` with a floor of 0 and saves it as `fileName`, printing the
// progress of BuildHeightmap and "Compressing...". Returns false, with the reason in *error, when
// the file was not written (also when there was no memory for the pixels: then nothing is
// printed).
bool WriteHeightmap(const HeightGrid& grid, const std::wstring& fileName, std::string* error);

}  // namespace zelvo

#endif  // ZELVO_RENDER_HEIGHTMAP_H_

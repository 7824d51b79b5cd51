// The colour map: each height looked up in a fixed ramp, from navy and turquoise for the sea
// through sand, greens and greys to white, blended linearly within each band, and saved as a
// 24-bit PNG file.
#ifndef ZELVO_RENDER_COLOUR_H_
#define ZELVO_RENDER_COLOUR_H_

#include <cstdint>
#include <string>

#include "core/raster.h"

namespace zelvo {

// One pixel, three bytes in the order the image library takes 24-bit pixels: blue, green, red.
// A default Colour is magenta, which no height maps to.
struct Colour {
  uint8_t blue = 255;
  uint8_t green = 0;
  uint8_t red = 255;
};
static_assert(sizeof(Colour) == 3 && alignof(Colour) == 1, "a colour map is packed bytes");

// Blends each channel as start + t * (end - start) in double, truncated toward zero.
// REQUIRES: 0 <= t <= 1.
Colour LerpColour(Colour start, Colour end, float t);

// The ramp's colour for one height. A NaN height fails every test of the ramp and is white.
Colour RampColour(float height);

// Colours every point of `grid` into `output`, printing "Colourising", a dot per row before the
// row, and a line end. REQUIRES: output has the grid's width and height and storage.
void Colourise(const HeightGrid& grid, Raster<Colour>& output);

// Makes the colour map of `grid` and saves it as `fileName`, printing the progress of Colourise
// and "Compressing...". Returns false, with the reason in *error, when the file was not written
// (also when there was no memory for the pixels: then nothing is printed).
bool WriteColourMap(const HeightGrid& grid, const std::wstring& fileName, std::string* error);

}  // namespace zelvo

#endif  // ZELVO_RENDER_COLOUR_H_

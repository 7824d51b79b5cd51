#include "testing/png_reader.h"

#include <FreeImage.h>

namespace zelvo::testing {

DecodedPng ReadPng(const std::string& path) {
  DecodedPng png;
  FIBITMAP* bitmap = FreeImage_Load(FIF_PNG, path.c_str(), PNG_DEFAULT);
  if (bitmap == nullptr) return png;
  png.ok = true;
  png.width = FreeImage_GetWidth(bitmap);
  png.height = FreeImage_GetHeight(bitmap);
  png.bitsPerPixel = FreeImage_GetBPP(bitmap);
  png.pixels.reserve(size_t{png.width} * png.height);
  for (unsigned y = 0; y < png.height; ++y) {
    for (unsigned x = 0; x < png.width; ++x) {
      // The library counts rows from the bottom.
      const unsigned row = png.height - 1 - y;
      RGBQUAD colour{};
      if (png.bitsPerPixel == 8) {
        BYTE index = 0;
        FreeImage_GetPixelIndex(bitmap, x, row, &index);
        colour = FreeImage_GetPalette(bitmap)[index];
      } else {
        FreeImage_GetPixelColor(bitmap, x, row, &colour);
      }
      png.pixels.push_back(Rgb{colour.rgbRed, colour.rgbGreen, colour.rgbBlue});
    }
  }
  FreeImage_Unload(bitmap);
  return png;
}

}  // namespace zelvo::testing

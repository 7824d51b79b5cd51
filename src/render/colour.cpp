#include "render/colour.h"

#include "core/console.h"
#include "render/save_png.h"

namespace zelvo {

namespace {

// A band of the ramp: heights from `low` up to, not including, `high`. The bounds are floats,
// and the band's width is taken in double from them: 0.5 - 0.05f is 0.44999999925494194.
struct Band {
  float low;
  float high;
  Colour start;
  Colour end;
};

constexpr Colour Rgb(uint8_t red, uint8_t green, uint8_t blue) { return Colour{blue, green, red}; }

constexpr Colour kNavy = Rgb(0, 0, 128);
constexpr Colour kWhite = Rgb(255, 255, 255);

constexpr Band kBands[] = {
    {-0.2f, 0.0f, kNavy, Rgb(32, 180, 160)},
    {0.0f, 0.05f, Rgb(180, 180, 0), Rgb(240, 220, 0)},
    {0.05f, 0.5f, Rgb(32, 128, 0), Rgb(32, 220, 0)},
    {0.5f, 0.8f, Rgb(64, 64, 64), Rgb(200, 200, 200)},
    {0.8f, 1.0f, Rgb(240, 240, 240), kWhite},
};

uint8_t LerpChannel(uint8_t a, uint8_t b, float t) {
  const int d = int{b} - int{a};
  const double x = a + static_cast<double>(t) * d;
  return static_cast<uint8_t>(static_cast<int>(x) & 0xFF);
}

}  // namespace

Colour LerpColour(Colour start, Colour end, float t) {
  return Colour{LerpChannel(start.blue, end.blue, t), LerpChannel(start.green, end.green, t),
                LerpChannel(start.red, end.red, t)};
}

Colour RampColour(float height) {
  if (height < kBands[0].low) return kNavy;
  for (const Band& band : kBands) {
    if (height < band.high) {
      const double low = band.low;
      const float t = static_cast<float>((height - low) / (band.high - low));
      return LerpColour(band.start, band.end, t);
    }
  }
  return kWhite;
}

void Colourise(const HeightGrid& grid, Raster<Colour>& output) {
  ConsoleWrite("Colourising");
  const float* heights = grid.Data();
  Colour* pixels = output.Data();
  for (uint32_t y = 0; y < grid.Height(); ++y) {
    ConsoleWrite(".");
    const float* row = heights + size_t{y} * grid.Width();
    Colour* out = pixels + size_t{y} * output.Width();
    for (uint32_t x = 0; x < grid.Width(); ++x) out[x] = RampColour(row[x]);
  }
  ConsoleWrite("\n");
}

bool WriteColourMap(const HeightGrid& grid, const std::wstring& fileName, std::string* error) {
  Raster<Colour> pixels(grid.Width(), grid.Height());
  if (pixels.Data() == nullptr) {
    *error = "not enough memory for the colour map";
    return false;
  }
  Colourise(grid, pixels);
  ConsoleWrite("Compressing...\n");
  return SavePng(reinterpret_cast<const uint8_t*>(pixels.Data()), pixels.Width(), pixels.Height(),
                 24, fileName, error);
}

}  // namespace zelvo

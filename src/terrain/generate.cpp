#include "terrain/generate.h"

#include "core/console.h"

namespace zelvo {

float AverageNeighbours(const HeightGrid& grid, uint32_t x, uint32_t y, uint32_t distance,
                        bool horizontalWrap, bool verticalWrap) {
  const uint32_t lastX = grid.Width() - 1;
  const uint32_t lastY = grid.Height() - 1;
  const uint32_t d = distance;
  float total = 0.0f;
  unsigned n = 0;
  if (x >= d) {
    total += grid.At(x - d, y), ++n;
  } else if (horizontalWrap) {
    total += grid.At(x + lastX - d, y), ++n;
  }
  if (x + d <= lastX) {
    total += grid.At(x + d, y), ++n;
  } else if (horizontalWrap) {
    total += grid.At(x + d - lastX, y), ++n;
  }
  if (y >= d) {
    total += grid.At(x, y - d), ++n;
  } else if (verticalWrap) {
    total += grid.At(x, y + lastY - d), ++n;
  }
  if (y + d <= lastY) {
    total += grid.At(x, y + d), ++n;
  } else if (verticalWrap) {
    total += grid.At(x, y + d - lastY), ++n;
  }
  return total / static_cast<float>(n);
}

void Generate(HeightGrid& grid, Random& random, uint32_t firstStep, float startAmplitude,
              float factor, bool horizontalWrap, bool verticalWrap) {
  ConsoleWrite("Generating");
  const uint32_t lastX = grid.Width() - 1;
  const uint32_t lastY = grid.Height() - 1;
  const bool fits = firstStep > 1 && (firstStep & (firstStep - 1)) == 0 && firstStep <= lastX &&
                    firstStep <= lastY && lastX % firstStep == 0 && lastY % firstStep == 0;
  float a = startAmplitude;
  for (uint32_t s = firstStep; fits && s > 1; s /= 2) {
    ConsoleWrite(".");
    const uint32_t d = s / 2;
    const float low = -a;

    // Diamond step: each cell's centre from its four corners, summed in double.
    for (uint32_t y = 0; y < lastY; y += s) {
      for (uint32_t x = 0; x < lastX; x += s) {
        const double sum = static_cast<double>(grid.At(x, y)) + grid.At(x + s, y) +
                           grid.At(x, y + s) + grid.At(x + s, y + s);
        const float m = static_cast<float>(sum * 0.25);
        const float r = RandomRange(random, low, a);
        grid.At(x + d, y + d) = r + m;
      }
    }

    // Square step: the west and north edge midpoints of every cell, then the row's east border.
    const auto displaced = [&](uint32_t x, uint32_t y) {
      return AverageNeighbours(grid, x, y, d, horizontalWrap, verticalWrap) +
             RandomRange(random, low, a);
    };
    for (uint32_t y = 0; y < lastY; y += s) {
      for (uint32_t x = 0; x < lastX; x += s) {
        grid.At(x, y + d) = displaced(x, y + d);
        grid.At(x + d, y) = displaced(x + d, y);
      }
      grid.At(lastX, y + d) = displaced(lastX, y + d);
      if (horizontalWrap) grid.At(lastX, y + d) = grid.At(0, y + d);
    }

    // The south border, drawn even where the wrap copy replaces it.
    for (uint32_t x = 0; x < lastX; x += s) grid.At(x + d, lastY) = displaced(x + d, lastY);
    if (verticalWrap) {
      for (uint32_t x = 0; x < lastX; x += s) grid.At(x + d, lastY) = grid.At(x + d, 0);
    }

    a = a * factor;
  }
  ConsoleWrite("\n");
}

}  // namespace zelvo

// Reads a PNG file back for the tests, through the image library's decoder: its size, its bit
// depth, and each pixel as red, green, blue with row 0 at the top.
#ifndef ZELVO_TESTING_PNG_READER_H_
#define ZELVO_TESTING_PNG_READER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace zelvo::testing {

struct Rgb {
  uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};

struct DecodedPng {
  bool ok = false;
  unsigned width = 0;
  unsigned height = 0;
  unsigned bitsPerPixel = 0;
  std::vector<Rgb> pixels;  // row 0 (the top) first
  Rgb At(unsigned x, unsigned y) const { return pixels[x + size_t{y} * width]; }
};

DecodedPng ReadPng(const std::string& path);

}  // namespace zelvo::testing

#endif  // ZELVO_TESTING_PNG_READER_H_

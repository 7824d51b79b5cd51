// PNG export: the one place that calls the image library. A packed pixel buffer (24-bit blue,
// green, red or 8-bit grey, row 0 at the top) becomes a PNG file, written whole or not at all.
#ifndef ZELVO_RENDER_SAVE_PNG_H_
#define ZELVO_RENDER_SAVE_PNG_H_

#include <cstdint>
#include <cstdio>
#include <string>

namespace zelvo {

// Writes the image as a PNG file named `fileName` (relative to the current folder) with the
// library's default PNG options. The rows are width * bitsPerPixel / 8 bytes, without gaps.
// An existing file of that name is replaced only once the new one is complete. Returns false,
// with the reason in *error, when the file could not be written; nothing is left behind then.
// REQUIRES: bitsPerPixel is 24 or 8; pixels holds width * height pixels.
bool SavePng(const uint8_t* pixels, uint32_t width, uint32_t height, unsigned bitsPerPixel,
             const std::wstring& fileName, std::string* error);

// Encodes the image as PNG into `stream` and flushes it. Returns false, with the reason in
// *error, when the library made no bitmap or refused, or a write failed: the library itself
// does not notice a short write, so each of its writes is checked here.
bool WritePng(const uint8_t* pixels, uint32_t width, uint32_t height, unsigned bitsPerPixel,
              FILE* stream, std::string* error);

}  // namespace zelvo

#endif  // ZELVO_RENDER_SAVE_PNG_H_

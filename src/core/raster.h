// Raster: the program's one container, a rectangle of elements stored row after row without
// gaps, element (x, y) at index x + y * width, row 0 at the top of every image. It owns one
// aligned block, is never copied or moved, and gives the block back when it goes out of scope.
#ifndef ZELVO_CORE_RASTER_H_
#define ZELVO_CORE_RASTER_H_

#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/memory.h"

namespace zelvo {

// The largest block a raster holds: sizes are 32-bit quantities throughout the program.
inline constexpr uint64_t kMaxRasterBytes = UINT32_MAX;

template <typename T>
class Raster {
 public:
  // Obtains storage for width x height elements. Elements of class type are default-constructed
  // (a colour map starts all magenta); numbers are left unwritten. When the storage cannot be
  // had, or would exceed kMaxRasterBytes, the raster is empty (Data() is null) and keeps its
  // width and height.
  Raster(uint32_t width, uint32_t height) : width_(width), height_(height) {
    const uint64_t bytes = ByteSize(width, height);
    if (bytes == 0 || bytes > kMaxRasterBytes) return;
    data_ = static_cast<T*>(AllocateBlock(bytes, alignof(T)));
    // Default-initialisation: a no-op for numbers, the default value for a Colour.
    if (data_ != nullptr) std::uninitialized_default_construct_n(data_, Count());
  }
  Raster(const Raster&) = delete;
  Raster& operator=(const Raster&) = delete;
  ~Raster() { Release(); }

  // Gives the storage back and leaves width and height 0. Does nothing to an empty raster.
  void Release() {
    if (data_ == nullptr) return;
    ReleaseBlock(data_, alignof(T));
    data_ = nullptr;
    width_ = 0;
    height_ = 0;
  }

  uint32_t Width() const { return width_; }
  uint32_t Height() const { return height_; }
  size_t Count() const { return size_t{width_} * height_; }
  T* Data() { return data_; }
  const T* Data() const { return data_; }

  // No bounds check. REQUIRES: x < Width(), y < Height(), Data() not null.
  T& At(uint32_t x, uint32_t y) { return data_[x + size_t{y} * width_]; }
  const T& At(uint32_t x, uint32_t y) const { return data_[x + size_t{y} * width_]; }

  // The size of the block in 64 bits, saturated: width x height alone can reach 2^64 - 2^33.
  static uint64_t ByteSize(uint32_t width, uint32_t height) {
    const uint64_t count = uint64_t{width} * height;
    return count > UINT64_MAX / sizeof(T) ? UINT64_MAX : count * sizeof(T);
  }

 private:
  T* data_ = nullptr;
  uint32_t width_;
  uint32_t height_;
};

// Terrain heights, one 32-bit float per grid point.
using HeightGrid = Raster<float>;

}  // namespace zelvo

#endif  // ZELVO_CORE_RASTER_H_

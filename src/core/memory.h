// Storage for the rasters: one aligned block per raster. Blocks of a few megabytes and more are
// mapped in 2 MiB transparent huge pages where the system offers them, because on a virtual
// machine the first touch of each 4 KiB page costs several microseconds and a 1025 x 1025 map
// touches thousands of them.
#ifndef ZELVO_CORE_MEMORY_H_
#define ZELVO_CORE_MEMORY_H_

#include <cstddef>
#include <cstdint>

namespace zelvo {

// Returns a block of `bytes` bytes aligned to `alignment` (a power of two, at most 4096), or
// null when the memory cannot be had or `bytes` does not fit the address space.
// REQUIRES: bytes > 0.
void* AllocateBlock(uint64_t bytes, size_t alignment);

// Gives back a block from AllocateBlock; `alignment` must be the one it was asked with. Does
// nothing for null. The last large block given back stays mapped for the next one that fits in
// it. Not thread-safe: the program has one thread.
void ReleaseBlock(void* block, size_t alignment);

// For tests of what happens when memory runs out: blocks larger than `bytes` are refused as if
// the memory were exhausted. The default, UINT64_MAX, refuses none.
void SetAllocationLimit(uint64_t bytes);

}  // namespace zelvo

#endif  // ZELVO_CORE_MEMORY_H_

#include "core/memory.h"

#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace zelvo {

namespace {
uint64_t g_allocation_limit = UINT64_MAX;

// Whether a block of this size is refused before any memory is asked for.
bool Refused(uint64_t bytes) {
  return bytes == 0 || bytes > SIZE_MAX / 2 || bytes > g_allocation_limit;
}
}  // namespace

void SetAllocationLimit(uint64_t bytes) { g_allocation_limit = bytes; }

#if defined(__linux__)

namespace {

constexpr uint64_t kHugePage = uint64_t{2} << 20;
constexpr uint64_t kPage = 4096;

// Blocks from this size on are mapped directly, starting on a huge-page boundary. The mapping
// ends at the next small page: the kernel backs the whole 2 MiB stretches with huge pages and the
// tail with small ones, so no memory is touched that the block does not use.
constexpr uint64_t kMapThreshold = kHugePage;

// A released mapping is kept for the next block that fits in it, down to this size: a run makes
// one pixel raster after another of the same or a smaller size, and memory that has been touched
// once costs nothing to touch again.
constexpr uint64_t kReuseThreshold = 256 << 10;

struct Mapping {
  void* start = nullptr;
  size_t size = 0;
};

// The program is single-threaded; these hold the mappings in use (the height grid and one pixel
// raster, with room to spare) and the one kept for reuse.
Mapping g_live[8];
Mapping g_spare;

uint64_t MappedSize(uint64_t bytes) { return (bytes + kPage - 1) / kPage * kPage; }

void* MapBlock(size_t size) {
  // Map one huge page more than needed so that the block can start on a huge-page boundary,
  // then hand the unused head and tail back.
  const size_t span = size + kHugePage;
  void* raw = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) return nullptr;
  const uintptr_t start = reinterpret_cast<uintptr_t>(raw);
  const uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) munmap(raw, aligned - start);
  const uintptr_t tail = aligned + size;
  if (start + span > tail) munmap(reinterpret_cast<void*>(tail), start + span - tail);
  void* block = reinterpret_cast<void*>(aligned);
  // Both are advice: without them the block works the same, only its first touch is slower.
  // Faulting the pages in with one call costs about half of faulting them one by one.
  madvise(block, size, MADV_HUGEPAGE);
#if defined(MADV_POPULATE_WRITE)
  madvise(block, size, MADV_POPULATE_WRITE);
#endif
  return block;
}

bool Track(Mapping mapping) {
  for (Mapping& slot : g_live) {
    if (slot.start == nullptr) {
      slot = mapping;
      return true;
    }
  }
  return false;
}

}  // namespace

void* AllocateBlock(uint64_t bytes, size_t alignment) {
  if (Refused(bytes)) return nullptr;
  const size_t size = MappedSize(bytes);
  Mapping mapping;
  if (bytes >= kReuseThreshold && g_spare.start != nullptr && g_spare.size >= size) {
    mapping = g_spare;
    g_spare = Mapping{};
  } else if (bytes >= kMapThreshold) {
    mapping = Mapping{MapBlock(size), size};
    if (mapping.start == nullptr) return nullptr;
  } else {
    return ::operator new (static_cast<size_t>(bytes), std::align_val_t{alignment}, std::nothrow);
  }
  if (!Track(mapping)) {
    munmap(mapping.start, mapping.size);
    return nullptr;
  }
  return mapping.start;
}

void ReleaseBlock(void* block, size_t alignment) {
  if (block == nullptr) return;
  for (Mapping& slot : g_live) {
    if (slot.start != block) continue;
    // Keep the larger of this mapping and the spare one.
    Mapping released = slot;
    slot = Mapping{};
    if (g_spare.size < released.size) std::swap(g_spare, released);
    if (released.start != nullptr) munmap(released.start, released.size);
    return;
  }
  ::operator delete (block, std::align_val_t{alignment});
}

#else  // no mapping of huge pages: plain aligned allocation

void* AllocateBlock(uint64_t bytes, size_t alignment) {
  if (Refused(bytes)) return nullptr;
  return ::operator new (static_cast<size_t>(bytes), std::align_val_t{alignment}, std::nothrow);
}

void ReleaseBlock(void* block, size_t alignment) {
  ::operator delete (block, std::align_val_t{alignment});
}

#endif

}  // namespace zelvo

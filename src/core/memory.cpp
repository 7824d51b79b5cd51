#include "core/memory.h"

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace zelvo {

namespace {

#if defined(__linux__)
constexpr uint64_t kHugePage = uint64_t{2} << 20;

constexpr uint64_t kPage = 4096;

// Blocks from this size on are mapped directly, starting on a huge-page boundary. The mapping
// ends at the next small page: the kernel backs the whole 2 MiB stretches with huge pages and the
// tail with small ones, so no memory is touched that the block does not use.
constexpr uint64_t kMapThreshold = kHugePage;

uint64_t MappedSize(uint64_t bytes) { return (bytes + kPage - 1) / kPage * kPage; }
#endif

}  // namespace

void* AllocateBlock(uint64_t bytes, size_t alignment) {
  if (bytes == 0 || bytes > SIZE_MAX / 2) return nullptr;
#if defined(__linux__)
  if (bytes >= kMapThreshold) {
    // Map one huge page more than needed so that the block can start on a huge-page boundary,
    // then hand the unused head and tail back.
    const size_t size = MappedSize(bytes);
    const size_t span = size + kHugePage;
    void* raw = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const uintptr_t start = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) munmap(raw, aligned - start);
    const uintptr_t tail = aligned + size;
    if (start + span > tail) munmap(reinterpret_cast<void*>(tail), start + span - tail);
    void* block = reinterpret_cast<void*>(aligned);
    madvise(block, size, MADV_HUGEPAGE);  // advice only: without huge pages the block still works
    return block;
  }
#endif
  return ::operator new (static_cast<size_t>(bytes), std::align_val_t{alignment}, std::nothrow);
}

void ReleaseBlock(void* block, uint64_t bytes, size_t alignment) {
  if (block == nullptr) return;
#if defined(__linux__)
  if (bytes >= kMapThreshold) {
    munmap(block, MappedSize(bytes));
    return;
  }
#endif
  ::operator delete (block, std::align_val_t{alignment});
}

}  // namespace zelvo

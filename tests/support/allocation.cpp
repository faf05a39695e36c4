#include "tests/support/allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

thread_local long allocationsBeforeFailure = -1;
std::atomic<std::int64_t> liveBlocks{0};

void *Allocate(std::size_t size) noexcept {
  if (allocationsBeforeFailure == 0) {
    allocationsBeforeFailure = -1; // one failure, then the heap works again
    return nullptr;
  }
  if (allocationsBeforeFailure > 0)
    --allocationsBeforeFailure;
  void *block = std::malloc(size == 0 ? 1 : size);
  if (block != nullptr)
    liveBlocks.fetch_add(1, std::memory_order_relaxed);
  return block;
}

void Release(void *block) noexcept {
  if (block == nullptr)
    return;
  liveBlocks.fetch_sub(1, std::memory_order_relaxed);
  std::free(block);
}

void *AllocateOrThrow(std::size_t size) {
  void *block = Allocate(size);
  if (block == nullptr)
    throw std::bad_alloc();
  return block;
}

} // namespace

void FailAllocationAfter(long allowed) { allocationsBeforeFailure = allowed; }
void StopFailingAllocations() { allocationsBeforeFailure = -1; }
std::int64_t LiveAllocations() { return liveBlocks.load(); }

void *operator new(std::size_t size) { return AllocateOrThrow(size); }
void *operator new[](std::size_t size) { return AllocateOrThrow(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return Allocate(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return Allocate(size); }
void operator delete(void *block) noexcept { Release(block); }
void operator delete[](void *block) noexcept { Release(block); }
void operator delete(void *block, std::size_t) noexcept { Release(block); }
void operator delete[](void *block, std::size_t) noexcept { Release(block); }
void operator delete(void *block, const std::nothrow_t &) noexcept { Release(block); }
void operator delete[](void *block, const std::nothrow_t &) noexcept { Release(block); }

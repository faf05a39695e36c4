#include "tests/support/allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// How many more allocations may succeed before one fails; -1 while none is to fail. Process-wide
// rather than per thread: under Wine here thread-local state touched from operator new breaks
// GoogleTest's failure reports, and no test arms a failure while another thread allocates.
std::atomic<long> allocationsBeforeFailure{-1};
std::atomic<std::int64_t> liveBlocks{0};

bool FailThisAllocation() noexcept {
  const long left = allocationsBeforeFailure.load();
  if (left == 0) {
    StopFailingAllocations(); // one failure, then the heap works again
    return true;
  }
  if (left > 0)
    allocationsBeforeFailure.store(left - 1);
  return false;
}

void *Allocate(std::size_t size) noexcept {
  if (FailThisAllocation())
    return nullptr;
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

void FailAllocationAfter(long allowed) { allocationsBeforeFailure.store(allowed); }
void StopFailingAllocations() { allocationsBeforeFailure.store(-1); }
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

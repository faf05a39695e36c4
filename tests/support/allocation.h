// Test control over the program's heap: replaces the global operator new and delete of the test
// executable so that a test can make an allocation fail and count the blocks still live.
#pragma once

#include <cstdint>

// The allocation after `allowed` more successful ones fails with std::bad_alloc
// (or yields none for the nothrow forms); the ones after it succeed again.
void FailAllocationAfter(long allowed);
void StopFailingAllocations();

// Blocks obtained through operator new and not yet returned, across all threads.
std::int64_t LiveAllocations();

// Arms FailAllocationAfter for the length of a scope.
struct AllocationFailure {
  explicit AllocationFailure(long allowed) { FailAllocationAfter(allowed); }
  ~AllocationFailure() { StopFailingAllocations(); }
  AllocationFailure(const AllocationFailure &) = delete;
  AllocationFailure &operator=(const AllocationFailure &) = delete;
};

#include "support/AllocationCounter.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::int64_t> allocations{0};
} // namespace

// Replacing the global operator new counts every allocation; linking allocationCount() pulls
// this file, and so the replacement, into the benchmark.
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t /*size*/) noexcept {
    std::free(memory);
}

namespace tarvex::bench {

std::int64_t allocationCount() {
    return allocations.load(std::memory_order_relaxed);
}

} // namespace tarvex::bench

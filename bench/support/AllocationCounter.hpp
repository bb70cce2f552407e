// Counts every heap allocation of the program, so that benchmarks can show that a steady-state
// path allocates nothing:
//
//     const auto before = allocationCount();
//     world.execute(16.0F);
//     state.counters["allocs_per_step"] = double(allocationCount() - before);
#pragma once

#include <cstdint>

namespace tarvex::bench {

// Allocations made through operator new since the program started.
[[nodiscard]] std::int64_t allocationCount();

} // namespace tarvex::bench

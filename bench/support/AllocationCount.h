#pragma once

#include <cstdint>

namespace velmar::bench {

// Allocations the process has made so far. Linking this library replaces the global
// operator new with one that counts, so a benchmark can show what a loop allocates.
[[nodiscard]] std::int64_t AllocationCount();

} // namespace velmar::bench

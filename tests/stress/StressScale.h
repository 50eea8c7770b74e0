#pragma once

#include <cstdint>

// How much the load tests move: full counts in an optimised build, fewer under the
// sanitizers, which run the same code many times slower.
namespace velmar::test {

#ifdef VELMAR_STRESS_SANITIZED
inline constexpr std::uint64_t kThreadRingEvents = 1ULL << 20U;
inline constexpr std::uint64_t kProcessRingEvents = 1'000'000;
#else
inline constexpr std::uint64_t kThreadRingEvents = 1ULL << 24U;
inline constexpr std::uint64_t kProcessRingEvents = 10'000'000;
#endif

} // namespace velmar::test

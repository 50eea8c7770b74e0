#pragma once

#include <cstdint>

namespace velmar::platform {

// Milliseconds of a monotonic clock; wraps after about 49.7 days, so compare readings by
// their signed 32-bit difference.
[[nodiscard]] std::uint32_t timeGetTime();

void Sleep(std::uint32_t milliseconds);

} // namespace velmar::platform

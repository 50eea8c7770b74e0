#pragma once

#include <cstdint>

namespace velmar {

// Readings of the millisecond clock wrap after about 49.7 days, so of two readings less than
// half that apart, the later is the one ahead by a positive signed difference.
[[nodiscard]] constexpr bool IsLater(std::uint32_t reading, std::uint32_t than)
{
    return static_cast<std::int32_t>(reading - than) > 0;
}

} // namespace velmar

#pragma once

#include <cmath>
#include <limits>

namespace velmar::drums {

// Rounds to the nearest integer, halves to the even neighbour (85.5 gives 86, 84.5 gives
// 84), as every scaled size and position of the drum display is rounded. Values beyond
// the int range end at its limits; NaN gives 0.
[[nodiscard]] inline int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    if (value <= kLowest)
        return std::numeric_limits<int>::min();
    if (value >= kHighest)
        return std::numeric_limits<int>::max();
    const double below = std::floor(value);
    const double fraction = value - below;
    const bool belowIsOdd = std::fmod(below, 2.0) != 0.0;
    const bool up = fraction > 0.5 || (fraction == 0.5 && belowIsOdd);
    return static_cast<int>(up ? below + 1.0 : below);
}

} // namespace velmar::drums

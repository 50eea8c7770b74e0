#include "monitor/ui/RepaintPacing.h"

#include <algorithm>
#include <cmath>

namespace velmar::monitor {

RepaintPacing::Clock::duration RepaintPacing::FrameOf(double hertz)
{
    // Below 1 Hz (or not a number) a screen's rate is not believed.
    const double rate = std::isfinite(hertz) && hertz >= 1.0 ? hertz : 60.0;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / rate));
}

std::uint32_t RepaintPacing::MsUntilDue(Clock::time_point now, std::uint32_t longestMs) const
{
    if (!m_waiting)
        return longestMs;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(m_lastShown + m_frame - now);
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(left.count(), 0, static_cast<std::int64_t>(longestMs)));
}

void RepaintPacing::Shown(Clock::time_point now)
{
    m_lastShown = now;
    m_waiting = false;
}

} // namespace velmar::monitor

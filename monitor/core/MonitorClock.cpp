#include "monitor/core/MonitorClock.h"

#include "runtime/platform/Clock.h"

namespace velmar::monitor {

std::uint32_t SystemClock::timeGetTime()
{
    return platform::timeGetTime();
}

} // namespace velmar::monitor

#include "runtime/platform/Clock.h"

#include <cerrno>
#include <ctime>

namespace velmar::platform {

std::uint32_t timeGetTime()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    // Wraps by design: callers compare readings by their signed difference.
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000U +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000U;
    return static_cast<std::uint32_t>(ms & 0xFFFF'FFFFU);
}

void Sleep(std::uint32_t milliseconds)
{
    timespec remaining{static_cast<time_t>(milliseconds / 1000U),
                       static_cast<long>(milliseconds % 1000U) * 1'000'000L};
    while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

} // namespace velmar::platform

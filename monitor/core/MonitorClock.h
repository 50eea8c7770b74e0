#pragma once

#include <cstdint>

namespace velmar::monitor {

// The millisecond clock of the intake; tests put a clock of their own in its place.
class MonitorClock {
public:
    MonitorClock() = default;
    MonitorClock(const MonitorClock&) = delete;
    MonitorClock& operator=(const MonitorClock&) = delete;
    virtual ~MonitorClock() = default;

    // Milliseconds that wrap after about 49.7 days; compare by signed 32-bit difference.
    [[nodiscard]] virtual std::uint32_t timeGetTime() = 0;
};

// The platform's clock.
class SystemClock final : public MonitorClock {
public:
    [[nodiscard]] std::uint32_t timeGetTime() override;
};

} // namespace velmar::monitor

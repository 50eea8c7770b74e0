#pragma once

#include <cstdint>

namespace velmar::monitor {

// The millisecond clock and the pause of the intake loop; tests put a clock of their own
// in its place.
class MonitorClock {
public:
    MonitorClock() = default;
    MonitorClock(const MonitorClock&) = delete;
    MonitorClock& operator=(const MonitorClock&) = delete;
    virtual ~MonitorClock() = default;

    // Milliseconds that wrap after about 49.7 days; compare by signed 32-bit difference.
    [[nodiscard]] virtual std::uint32_t timeGetTime() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// The platform's clock.
class SystemClock final : public MonitorClock {
public:
    [[nodiscard]] std::uint32_t timeGetTime() override;
    void Sleep(std::uint32_t milliseconds) override;
};

} // namespace velmar::monitor

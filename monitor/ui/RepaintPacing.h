#pragma once

#include <chrono>
#include <cstdint>

namespace velmar::monitor {

// Holds what the window shows to one repaint per screen refresh. A change that comes a
// frame or more after the last repaint is shown at once; the changes that follow it
// within the frame wait for the frame's end and are shown together.
class RepaintPacing {
public:
    using Clock = std::chrono::steady_clock;

    // A frame of a screen that refreshes `hertz` times a second; 60 when it does not say.
    [[nodiscard]] static Clock::duration FrameOf(double hertz);

    void SetFrame(Clock::duration frame) { m_frame = frame; }
    // Something to show has changed.
    void Changed() { m_waiting = true; }
    // Whether changes wait to be shown.
    [[nodiscard]] bool Waiting() const { return m_waiting; }
    // Whether changes wait and their frame has come.
    [[nodiscard]] bool Due(Clock::time_point now) const
    {
        return m_waiting && now - m_lastShown >= m_frame;
    }
    // Whole milliseconds until waiting changes are due, at most `longestMs`; `longestMs`
    // when nothing waits.
    [[nodiscard]] std::uint32_t MsUntilDue(Clock::time_point now, std::uint32_t longestMs) const;
    // The changes were shown.
    void Shown(Clock::time_point now);

private:
    Clock::duration m_frame = FrameOf(0);
    Clock::time_point m_lastShown;
    bool m_waiting = false;
};

} // namespace velmar::monitor

#pragma once

#include "monitor/core/RingWatcher.h"

#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace velmar::monitor {

// Who looks at the host's ring while the window's thread waits. While events wait at every
// look (a stream), the window's thread keeps a 2 ms beat of its own and the ring watcher
// rests, so that one thread wakes for each look instead of two; once a look has found
// nothing twice in a row, the watcher looks again while the thread waits. On the beat, a
// repaint or label that comes due between two looks waits for the next one.
class StreamBeat {
public:
    using Clock = RingWatcher::Clock;

    // `look` runs a pass on the window's thread; `watch` arms the ring watcher until a
    // moment.
    StreamBeat(std::function<void()> look, std::function<void(Clock::time_point)> watch);

    // A pass took events at `now`.
    void TookEvents(Clock::time_point now);
    // A pass found the ring empty at `now`, and the next one has work by `wakeBy` at the
    // latest; until then the thread waits.
    void Wait(Clock::time_point now, Clock::time_point wakeBy);
    // Whether the window's thread keeps the beat.
    [[nodiscard]] bool Beating() const { return m_beat.isActive(); }

private:
    std::function<void(Clock::time_point)> m_watch;
    QTimer m_beat;
    std::optional<Clock::time_point> m_lastTaken;
    // The last two passes that took events were a look apart.
    bool m_streaming = false;
};

} // namespace velmar::monitor

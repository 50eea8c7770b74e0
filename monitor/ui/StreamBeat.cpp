#include "monitor/ui/StreamBeat.h"

#include <utility>

namespace velmar::monitor {

namespace {

// Events taken this soon after the last ones came at the same look, in a pass run again at
// once; this long after, at the next look, late as it may be.
constexpr StreamBeat::Clock::duration kSameLook = RingWatcher::kLookEvery / 2;
constexpr StreamBeat::Clock::duration kNextLook = RingWatcher::kLookEvery * 3 / 2;

} // namespace

StreamBeat::StreamBeat(std::function<void()> look, std::function<void(Clock::time_point)> watch)
    : m_watch(std::move(watch))
{
    // A repeating precise timer keeps to its beat however late each turn comes.
    m_beat.setTimerType(Qt::PreciseTimer);
    m_beat.setInterval(
        std::chrono::duration_cast<std::chrono::milliseconds>(RingWatcher::kLookEvery));
    QObject::connect(&m_beat, &QTimer::timeout, &m_beat, std::move(look));
}

void StreamBeat::TookEvents(Clock::time_point now)
{
    if (m_lastTaken && now - *m_lastTaken < kSameLook)
        return;
    m_streaming = m_lastTaken && now - *m_lastTaken <= kNextLook;
    m_lastTaken = now;
}

void StreamBeat::Wait(Clock::time_point now, Clock::time_point wakeBy)
{
    if (m_streaming && now - *m_lastTaken <= kNextLook) {
        if (!m_beat.isActive())
            m_beat.start();
        return;
    }
    m_streaming = false;
    m_beat.stop();
    m_watch(wakeBy);
}

} // namespace velmar::monitor

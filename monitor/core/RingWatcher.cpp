#include "monitor/core/RingWatcher.h"

#include <algorithm>
#include <utility>

namespace velmar::monitor {

RingWatcher::RingWatcher(HostLinkBlock block, std::function<void()> wake)
    : m_block(block)
    , m_wake(std::move(wake))
    , m_thread([this](const std::stop_token& stop) { watch(stop); })
{}

RingWatcher::~RingWatcher()
{
    m_thread.request_stop(); // wakes the thread wherever it waits
    m_thread.join();
}

void RingWatcher::Arm(Clock::time_point wakeBy)
{
    {
        const std::scoped_lock lock(m_mutex);
        m_wakeBy = wakeBy;
    }
    m_armedChanged.notify_one();
}

void RingWatcher::watch(const std::stop_token& stop)
{
    std::unique_lock lock(m_mutex);
    while (m_armedChanged.wait(lock, stop, [this] { return m_wakeBy.has_value(); })) {
        // The looks keep to a 2 ms beat from the arming, however late each wake-up comes.
        Clock::time_point nextLook = Clock::now() + kLookEvery;
        for (;;) {
            // A copy: the wait goes on to this moment also when an arming changes m_wakeBy.
            const Clock::time_point until = std::min(nextLook, *m_wakeBy);
            (void)m_armedChanged.wait_until(lock, stop, until, [] { return false; });
            if (stop.stop_requested())
                return;
            const Clock::time_point now = Clock::now();
            if (!m_block.RingEmpty() || now >= *m_wakeBy)
                break;
            nextLook += kLookEvery;
            if (nextLook <= now) // after a long stall, one look now rather than a burst
                nextLook = now + kLookEvery;
        }
        m_wakeBy.reset();
        lock.unlock();
        m_wake();
        lock.lock();
    }
}

} // namespace velmar::monitor

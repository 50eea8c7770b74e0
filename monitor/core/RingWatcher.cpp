#include "monitor/core/RingWatcher.h"

#include <algorithm>
#include <utility>

namespace velmar::monitor {

RingWatcher::RingWatcher(HostLinkBlock block, std::function<void()> wake)
    : m_block(block)
    , m_wake(std::move(wake))
    , m_thread([this] { watch(); })
{}

RingWatcher::~RingWatcher()
{
    {
        const std::scoped_lock lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_one(); // wakes the thread wherever it waits
    m_thread.join();
}

void RingWatcher::Arm(Clock::time_point wakeBy)
{
    bool wakeThread = false;
    {
        const std::scoped_lock lock(m_mutex);
        wakeThread = m_resting || wakeBy < m_lookAt;
        m_wakeBy = wakeBy;
    }
    if (wakeThread)
        m_changed.notify_one();
}

void RingWatcher::watch()
{
    std::unique_lock lock(m_mutex);
    // The looks keep to a 2 ms beat from the arming, however late each wake-up comes.
    Clock::time_point nextLook;
    for (;;) {
        if (m_resting) {
            m_changed.wait(lock, [this] { return m_stopping || m_wakeBy.has_value(); });
            if (m_stopping)
                return;
            m_resting = false;
            nextLook = Clock::now() + kLookEvery;
        }
        m_lookAt = m_wakeBy ? std::min(nextLook, *m_wakeBy) : nextLook;
        const bool armedSooner = m_changed.wait_until(
            lock, m_lookAt, [this] { return m_stopping || (m_wakeBy && *m_wakeBy < m_lookAt); });
        if (m_stopping)
            return;
        if (armedSooner)
            continue;
        const Clock::time_point now = Clock::now();
        if (now >= nextLook) {
            nextLook += kLookEvery;
            if (nextLook <= now) // after a long stall, one look now rather than a burst
                nextLook = now + kLookEvery;
        }
        if (!m_wakeBy) {
            m_resting = true; // not armed again since the last wake
            continue;
        }
        if (m_block.RingEmpty() && now < *m_wakeBy)
            continue;
        m_wakeBy.reset();
        lock.unlock();
        m_wake();
        lock.lock();
    }
}

} // namespace velmar::monitor

#include "drums/core/DelayQueue.h"

namespace velmar::drums {

std::optional<DelayedEvent> DelayQueue::Push(const DelayedEvent& event)
{
    std::optional<DelayedEvent> oldest;
    if (after(m_write) == m_read) {
        // Moving on would make the write position meet the read position, and the queue
        // would look empty with 100 events lost.
        oldest = m_entries[m_read];
        m_read = after(m_read);
    }
    m_entries[m_write] = event;
    m_write = after(m_write);
    return oldest;
}

std::optional<DelayedEvent> DelayQueue::PopDue(std::uint32_t now)
{
    if (empty())
        return std::nullopt;
    const DelayedEvent& oldest = m_entries[m_read];
    if (static_cast<std::int32_t>(now - oldest.Due) < 0)
        return std::nullopt;
    const DelayedEvent due = oldest;
    m_read = after(m_read);
    return due;
}

} // namespace velmar::drums

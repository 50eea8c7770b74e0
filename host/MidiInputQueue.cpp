#include "host/MidiInputQueue.h"

#include <algorithm>
#include <sys/eventfd.h>
#include <unistd.h>

namespace velmar::host {

MidiInputQueue::MidiInputQueue()
    : m_wakeFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{}

MidiInputQueue::~MidiInputQueue()
{
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void MidiInputQueue::clearWake()
{
    std::uint64_t count = 0;
    if (m_wakeFd >= 0)
        (void)!::read(m_wakeFd, &count, sizeof count);
}

bool MidiInputQueue::Push(std::span<const std::uint8_t> bytes, std::int64_t arrivalNs) noexcept
{
    const std::size_t head = m_head.load(std::memory_order_relaxed);
    // A message never wraps round the byte ring: one that would is placed at its start.
    std::size_t start = m_byteHead;
    const std::size_t room = kBytes - start % kBytes;
    if (bytes.size() > room)
        start += room;
    const bool fits = !bytes.empty() && bytes.size() <= kBytes / 2 &&
                      head - m_tail.load(std::memory_order_acquire) < kMessages &&
                      start + bytes.size() - m_byteTail.load(std::memory_order_acquire) <= kBytes;
    if (!fits) {
        m_dropped.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    std::copy(bytes.begin(), bytes.end(),
              m_bytes.begin() + static_cast<std::ptrdiff_t>(start % kBytes));
    m_entries[head % kMessages] = {start, static_cast<std::uint32_t>(bytes.size()), arrivalNs};
    m_byteHead = start + bytes.size();
    // Release: the consumer that sees the new head sees the entry and its bytes.
    m_head.store(head + 1, std::memory_order_release);
    if (m_wakeFd >= 0) {
        const std::uint64_t one = 1;
        (void)!::write(m_wakeFd, &one, sizeof one); // non-blocking; full only if never read
    }
    return true;
}

} // namespace velmar::host

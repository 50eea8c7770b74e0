#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

namespace velmar::host {

// Hands MIDI messages from a port's own thread to the thread that writes the ring: one
// producer, one consumer, no lock. Push never blocks and never allocates; when the queue
// is full the message is dropped and counted. Room for more than a burst of 100,000
// short messages, so a busy consumer loses nothing that a port can deliver. A file
// descriptor becomes readable when messages wait, so the consumer need not poll.
class MidiInputQueue {
public:
    MidiInputQueue();
    ~MidiInputQueue();
    MidiInputQueue(const MidiInputQueue&) = delete;
    MidiInputQueue& operator=(const MidiInputQueue&) = delete;

    static constexpr std::size_t kMessages = std::size_t{1} << 17;
    static constexpr std::size_t kBytes = std::size_t{1} << 20;

    // Producer side. `arrivalNs` is when the message came in (steady clock).
    bool Push(std::span<const std::uint8_t> bytes, std::int64_t arrivalNs) noexcept;

    // Consumer side: hands each waiting message, oldest first, to `take(bytes, arrivalNs)`.
    template <typename Take>
    std::size_t Drain(Take&& take)
    {
        clearWake(); // before reading the head: a later push signals again
        const std::size_t head = m_head.load(std::memory_order_acquire);
        std::size_t tail = m_tail.load(std::memory_order_relaxed);
        const std::size_t taken = head - tail;
        for (; tail != head; ++tail) {
            const Entry& entry = m_entries[tail % kMessages];
            take(std::span<const std::uint8_t>(&m_bytes[entry.start % kBytes], entry.length),
                 entry.arrivalNs);
            // Release: the producer reuses the bytes and the entry only after we are done.
            m_byteTail.store(entry.start + entry.length, std::memory_order_release);
            m_tail.store(tail + 1, std::memory_order_release);
        }
        return taken;
    }

    // Readable while messages may wait (-1 when the system gave none: poll instead).
    [[nodiscard]] int wakeFd() const { return m_wakeFd; }

    [[nodiscard]] std::uint64_t dropped() const
    {
        return m_dropped.load(std::memory_order_relaxed);
    }

private:
    struct Entry {
        std::size_t start = 0; // in bytes pushed so far; the byte ring index is start % kBytes
        std::uint32_t length = 0;
        std::int64_t arrivalNs = 0;
    };

    void clearWake();

    std::array<Entry, kMessages> m_entries{};
    std::array<std::uint8_t, kBytes> m_bytes{};
    std::size_t m_byteHead = 0; // producer only
    alignas(64) std::atomic<std::size_t> m_head{0};
    alignas(64) std::atomic<std::size_t> m_tail{0};
    alignas(64) std::atomic<std::size_t> m_byteTail{0};
    alignas(64) std::atomic<std::uint64_t> m_dropped{0};
    int m_wakeFd;
};

} // namespace velmar::host

#pragma once

#include <cstddef>
#include <span>

namespace velmar::test {

// A host link block in memory whose neighbours cannot be touched: inaccessible pages lie
// before it and far enough after it to cover every address a 16-bit index or position
// could name, so a stray read or write faults at once, in every build. The few bytes
// between the block and the inaccessible pages hold a known pattern.
class GuardedBlock {
public:
    // Against the pages before the block, or against the pages after it.
    enum class Placement { AgainstFront, AgainstBack };

    explicit GuardedBlock(Placement placement);
    ~GuardedBlock();
    GuardedBlock(const GuardedBlock&) = delete;
    GuardedBlock& operator=(const GuardedBlock&) = delete;

    [[nodiscard]] std::byte* data() const { return m_block; }
    // True when the bytes around the block still hold their pattern.
    [[nodiscard]] bool slackUntouched() const;

private:
    [[nodiscard]] std::span<std::byte> slackBefore() const;
    [[nodiscard]] std::span<std::byte> slackAfter() const;

    std::byte* m_reserved = nullptr;
    std::size_t m_reservedSize = 0;
    std::byte* m_open = nullptr; // the accessible pages
    std::size_t m_openSize = 0;
    std::byte* m_block = nullptr;
};

} // namespace velmar::test

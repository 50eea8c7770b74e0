#include "tests/stress/GuardedBlock.h"

#include "runtime/HostLinkBlock.h"

#include <algorithm>
#include <stdexcept>
#include <sys/mman.h>
#include <unistd.h>

namespace velmar::test {

namespace {

constexpr std::byte kSlackPattern{0xA5};

// The farthest a 16-bit index or position reaches past the block's first byte: the end of
// the slot of index 65535 (the SysEx area's position 65535 lies well before it).
constexpr std::size_t kFarthestReach =
    HostLinkBlock::kSlotOffset + HostLinkBlock::kSlotSize * (0xFFFFU + 1U);

std::size_t roundUp(std::size_t bytes, std::size_t page)
{
    return (bytes + page - 1) / page * page;
}

} // namespace

GuardedBlock::GuardedBlock(Placement placement)
{
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    m_openSize = roundUp(HostLinkBlock::kSize, page);
    m_reservedSize = page + m_openSize + roundUp(kFarthestReach, page);
    void* reserved = ::mmap(nullptr, m_reservedSize, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (reserved == MAP_FAILED)
        throw std::runtime_error("cannot reserve a guarded block");
    m_reserved = static_cast<std::byte*>(reserved);
    m_open = m_reserved + page;
    if (::mprotect(m_open, m_openSize, PROT_READ | PROT_WRITE) != 0) {
        ::munmap(m_reserved, m_reservedSize);
        throw std::runtime_error("cannot open a guarded block");
    }
    // The block is 4-byte aligned either way: its size is a multiple of 4.
    m_block =
        placement == Placement::AgainstFront ? m_open : m_open + m_openSize - HostLinkBlock::kSize;
    std::fill_n(m_block, HostLinkBlock::kSize, std::byte{0});
    std::ranges::fill(slackBefore(), kSlackPattern);
    std::ranges::fill(slackAfter(), kSlackPattern);
}

GuardedBlock::~GuardedBlock()
{
    ::munmap(m_reserved, m_reservedSize);
}

std::span<std::byte> GuardedBlock::slackBefore() const
{
    return {m_open, m_block};
}

std::span<std::byte> GuardedBlock::slackAfter() const
{
    return {m_block + HostLinkBlock::kSize, m_open + m_openSize};
}

bool GuardedBlock::slackUntouched() const
{
    const auto untouched = [](std::span<std::byte> bytes) {
        return std::ranges::all_of(bytes, [](std::byte b) { return b == kSlackPattern; });
    };
    return untouched(slackBefore()) && untouched(slackAfter());
}

} // namespace velmar::test

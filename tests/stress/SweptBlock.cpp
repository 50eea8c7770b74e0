#include "tests/stress/SweptBlock.h"

#include "runtime/HostLinkBlock.h"

#include <cstdint>
#include <cstring>

namespace velmar::test {

std::string BlockKindName(BlockKind kind)
{
    switch (kind) {
    case BlockKind::SharedMapping:
        return "SharedMapping";
    case BlockKind::GuardedFront:
        return "GuardedFront";
    case BlockKind::GuardedBack:
        return "GuardedBack";
    }
    return "Unknown";
}

void PrintTo(BlockKind kind, std::ostream* out)
{
    *out << BlockKindName(kind);
}

SweptBlock::SweptBlock(BlockKind kind)
{
    if (kind == BlockKind::SharedMapping) {
        m_session = std::make_unique<ScopedSession>();
        m_map =
            SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
        m_data = m_map->Data();
        return;
    }
    m_guarded = std::make_unique<GuardedBlock>(kind == BlockKind::GuardedFront
                                                   ? GuardedBlock::Placement::AgainstFront
                                                   : GuardedBlock::Placement::AgainstBack);
    m_data = m_guarded->data();
}

bool SweptBlock::surroundingsIntact() const
{
    if (m_guarded)
        return m_guarded->slackUntouched();
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, m_map->ViewBase(), sizeof prefix);
    return prefix == HostLinkBlock::kSize;
}

} // namespace velmar::test

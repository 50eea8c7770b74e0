#pragma once

#include "runtime/SharedMemory.h"
#include "tests/stress/GuardedBlock.h"
#include "tests/support/ScopedSession.h"

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

namespace velmar::test {

// Where a sweep finds its host link block: the shared mapping as the plug-ins hold it, or
// memory with inaccessible neighbours (GuardedBlock) in front of or behind the block.
enum class BlockKind { SharedMapping, GuardedFront, GuardedBack };

[[nodiscard]] std::string BlockKindName(BlockKind kind);
// How GoogleTest shows the parameter in test names.
void PrintTo(BlockKind kind, std::ostream* out);

class SweptBlock {
public:
    explicit SweptBlock(BlockKind kind);

    [[nodiscard]] std::byte* data() const { return m_data; }
    // True when nothing outside the block was written: the mapping's length prefix, or the
    // guarded block's surrounding pattern.
    [[nodiscard]] bool surroundingsIntact() const;

private:
    std::unique_ptr<ScopedSession> m_session;
    std::unique_ptr<SharedMemory> m_map;
    std::unique_ptr<GuardedBlock> m_guarded;
    std::byte* m_data = nullptr;
};

} // namespace velmar::test

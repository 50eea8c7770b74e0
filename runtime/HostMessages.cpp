#include "runtime/HostMessages.h"

#include "runtime/HostLinkBlock.h"

namespace velmar {

std::optional<platform::LRESULT> HandlePlugInMessage(HostLinkBlock& block, platform::UINT message,
                                                     platform::WPARAM wParam)
{
    if (message != HostMsgSetMark)
        return std::nullopt;
    // The mark is a 32-bit value; a wider wParam keeps its low 32 bits.
    block.StoreHostMark(
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(wParam) & 0xFFFF'FFFFU));
    return 1;
}

} // namespace velmar

#include "host/IdleExit.h"

namespace velmar::host {

bool IdleExit::Due(std::uint32_t nowMs, bool plugInsThere)
{
    if (!m_armed || plugInsThere) {
        m_aloneSinceMs.reset();
        return false;
    }
    if (!m_aloneSinceMs)
        m_aloneSinceMs = nowMs;
    // The clock wraps: compared as a difference.
    return nowMs - *m_aloneSinceMs >= kGraceMs;
}

} // namespace velmar::host

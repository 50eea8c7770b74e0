#pragma once

#include "drums/core/HostWindow.h"

#include <cstdint>

namespace velmar::drums {

enum class TransportState : std::int32_t { Stopped = 0, Playing = 1, Recording = 2 };

// The host's transport state as the host reports it: stopped when it is not running,
// else recording or playing.
[[nodiscard]] TransportState AskTransportState(HostWindow& host);

// The transport state the drum display holds, refreshed from the host every 100 ms of
// the 10 ms timer and set at once by the transport bar's own commands.
class TransportPoll {
public:
    // Counts one tick; every tenth asks the host. True when the held state changed, so
    // the transport bar must be repainted.
    [[nodiscard]] bool Tick(HostWindow& host);

    [[nodiscard]] TransportState state() const { return m_state; }
    void setState(TransportState state) { m_state = state; }

private:
    static constexpr std::int32_t kTickMs = 10;
    static constexpr std::int32_t kPollMs = 100;

    TransportState m_state = TransportState::Stopped;
    std::int32_t m_elapsedMs = 0;
};

} // namespace velmar::drums

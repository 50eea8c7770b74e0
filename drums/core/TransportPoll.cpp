#include "drums/core/TransportPoll.h"

#include "runtime/HostMessages.h"

namespace velmar::drums {

TransportState AskTransportState(HostWindow& host)
{
    if (host.Send(HostQueryRunning, 0, 0) == 0)
        return TransportState::Stopped;
    return host.Send(HostQueryRecording, 0, 0) == HostRecordingReply ? TransportState::Recording
                                                                     : TransportState::Playing;
}

bool TransportPoll::Tick(HostWindow& host)
{
    m_elapsedMs += kTickMs;
    if (m_elapsedMs < kPollMs)
        return false;
    m_elapsedMs = 0;
    const TransportState asked = AskTransportState(host);
    if (asked == m_state)
        return false;
    m_state = asked;
    return true;
}

} // namespace velmar::drums

#pragma once

#include "drums/core/DelayQueue.h"
#include "drums/core/HitAnimation.h"
#include "drums/core/HostWindow.h"
#include "drums/core/TransportPoll.h"
#include "runtime/HostLinkBlock.h"

#include <cstdint>

namespace velmar::drums {

// The work of the drum window's 10 ms timer: takes the host's events from the ring, shows
// the drum note-ons at once or after the host's display delay, counts the lit
// instruments down and polls the host's transport state.
class DrumEventIntake {
public:
    // Longest display delay taken from the host; a longer one can only be a faulty reply.
    static constexpr std::int32_t kMaxDisplayDelayMs = 10'000;

    DrumEventIntake(HostLinkBlock block, HitAnimation& animation, HostWindow& host);

    // The host's answer to HostQueryDrumDelay: 0 shows events at once, otherwise they
    // are held back that many milliseconds. Brought into 0..kMaxDisplayDelayMs.
    void SetDisplayDelay(platform::LRESULT reply);
    [[nodiscard]] std::int32_t DisplayDelay() const { return m_displayDelay; }

    // One tick at `now`, a reading of the millisecond clock (timeGetTime). True when the
    // transport state changed and the transport bar needs repainting.
    [[nodiscard]] bool Tick(std::uint32_t now);

    [[nodiscard]] TransportPoll& transport() { return m_transport; }

private:
    void take(const RingEvent& event, std::uint32_t now);

    HostLinkBlock m_block;
    HitAnimation& m_animation;
    HostWindow& m_host;
    std::int32_t m_displayDelay = 0;
    DelayQueue m_delayQueue;
    TransportPoll m_transport;
};

} // namespace velmar::drums

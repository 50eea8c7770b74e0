#include "drums/core/DrumEventIntake.h"

#include <algorithm>

namespace velmar::drums {

DrumEventIntake::DrumEventIntake(HostLinkBlock block, HitAnimation& animation, HostWindow& host)
    : m_block(block)
    , m_animation(animation)
    , m_host(host)
{}

void DrumEventIntake::SetDisplayDelay(platform::LRESULT reply)
{
    m_displayDelay =
        static_cast<std::int32_t>(std::clamp<platform::LRESULT>(reply, 0, kMaxDisplayDelayMs));
}

bool DrumEventIntake::Tick(std::uint32_t now)
{
    m_block.Drain([&](const RingEvent& event) { take(event, now); });
    if (m_displayDelay != 0) {
        while (const std::optional<DelayedEvent> due = m_delayQueue.PopDue(now))
            m_animation.ShowNoteOn(due->Message, due->Port);
    }
    m_animation.Tick();
    return m_transport.Tick(m_host);
}

void DrumEventIntake::take(const RingEvent& event, std::uint32_t now)
{
    if (m_displayDelay == 0) {
        m_animation.ShowNoteOn(event.Message, event.Source);
        return;
    }
    // Only what could ever light an instrument waits, so the host's other traffic
    // (clock, controllers, other notes) cannot crowd the queue.
    if (!MayLightInstrument(event.Message))
        return;
    const std::uint32_t due = now + static_cast<std::uint32_t>(m_displayDelay);
    if (const std::optional<DelayedEvent> oldest =
            m_delayQueue.Push({event.Message, event.Source, due}))
        m_animation.ShowNoteOn(oldest->Message, oldest->Port);
}

} // namespace velmar::drums

#include "host/Sequencer.h"

#include <algorithm>
#include <utility>

namespace velmar::host {

Sequencer::Sequencer(Song song, bool loop)
    : m_song(std::move(song))
    , m_loop(loop)
{}

std::uint32_t Sequencer::positionMs(std::uint32_t nowMs) const
{
    return running() ? nowMs - m_originMs : m_stoppedAtMs;
}

void Sequencer::moveTo(std::uint32_t positionMs, std::uint32_t nowMs)
{
    const auto& events = m_song.events;
    m_nextEvent =
        static_cast<std::size_t>(std::lower_bound(events.begin(), events.end(), positionMs,
                                                  [](const SongEvent& event, std::uint32_t at) {
                                                      return event.timeMs < at;
                                                  }) -
                                 events.begin());
    const auto& bars = m_song.barStartsMs;
    m_nextBar = static_cast<std::size_t>(std::lower_bound(bars.begin(), bars.end(), positionMs) -
                                         bars.begin());
    m_bar = static_cast<int>(m_nextBar);
    if (running())
        m_originMs = nowMs - positionMs;
    else
        m_stoppedAtMs = positionMs;
}

void Sequencer::Play(std::uint32_t nowMs)
{
    if (running())
        return;
    // Play at the end of the song starts it again.
    if (m_stoppedAtMs >= m_song.lengthMs)
        moveTo(0, nowMs);
    m_state = TransportState::Playing;
    m_originMs = nowMs - m_stoppedAtMs;
}

void Sequencer::Stop(std::uint32_t nowMs)
{
    if (!running())
        return;
    m_stoppedAtMs = positionMs(nowMs);
    m_state = TransportState::Stopped;
}

void Sequencer::Rewind(std::uint32_t nowMs)
{
    moveTo(0, nowMs);
}

void Sequencer::Record(std::uint32_t nowMs)
{
    m_take.clear();
    m_state = TransportState::Recording;
    moveTo(0, nowMs);
}

void Sequencer::RecordEvent(PackedMidiMessage message, std::uint32_t nowMs,
                            std::span<const std::uint8_t> sysEx)
{
    if (m_state == TransportState::Recording)
        m_take.push_back({positionMs(nowMs), message, {sysEx.begin(), sysEx.end()}});
}

void Sequencer::Advance(std::uint32_t nowMs, SequencerOutput& output)
{
    while (running()) {
        const std::uint32_t position = positionMs(nowMs);
        const auto& events = m_song.events;
        const auto& bars = m_song.barStartsMs;
        // Bars and events in time order, a bar before the events at its start.
        const bool barDue = m_nextBar < bars.size() && bars[m_nextBar] <= position;
        const bool eventDue = m_nextEvent < events.size() && events[m_nextEvent].timeMs <= position;
        if (barDue && (!eventDue || bars[m_nextBar] <= events[m_nextEvent].timeMs)) {
            m_bar = static_cast<int>(++m_nextBar);
            output.BarStarted(m_bar);
            continue;
        }
        if (eventDue) {
            output.PlayEvent(events[m_nextEvent++]);
            continue;
        }
        if (position < m_song.lengthMs)
            return;
        if (m_loop && m_state == TransportState::Playing && m_song.lengthMs > 0) {
            // Rounds missed while the host could not run are skipped, not played in a burst.
            const std::uint32_t rounds = position / m_song.lengthMs;
            m_originMs += rounds * m_song.lengthMs;
            m_nextEvent = 0;
            m_nextBar = 0;
            continue;
        }
        m_stoppedAtMs = m_song.lengthMs;
        m_state = TransportState::Stopped;
        output.StoppedAtEnd();
    }
}

} // namespace velmar::host

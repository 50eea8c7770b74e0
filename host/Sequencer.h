#pragma once

#include "host/Song.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velmar::host {

enum class TransportState { Stopped, Playing, Recording };

// Where a sequencer's output goes.
class SequencerOutput {
public:
    virtual ~SequencerOutput() = default;
    virtual void PlayEvent(const SongEvent& event) = 0;
    // A bar begins while the transport runs; bars count from 1.
    virtual void BarStarted(int bar) = 0;
    // The song ended and the transport stopped by itself.
    virtual void StoppedAtEnd() = 0;
};

// A message recorded from a plug-in or the MIDI input, at its time from the song's start. A
// SysEx message keeps its data bytes (without F0 and F7) in `sysEx`.
struct RecordedEvent {
    std::uint32_t timeMs = 0;
    PackedMidiMessage message;
    std::vector<std::uint8_t> sysEx;
};

// Plays a song against a millisecond clock the caller passes in, so tests drive time.
class Sequencer {
public:
    Sequencer(Song song, bool loop);

    void Play(std::uint32_t nowMs);
    void Stop(std::uint32_t nowMs);
    void Rewind(std::uint32_t nowMs);
    // Starts recording a new take from the song's start.
    void Record(std::uint32_t nowMs);
    void RecordEvent(PackedMidiMessage message, std::uint32_t nowMs,
                     std::span<const std::uint8_t> sysEx = {});

    void SetLoop(bool loop) { m_loop = loop; }
    [[nodiscard]] bool loop() const { return m_loop; }

    // Plays everything due up to `nowMs`.
    void Advance(std::uint32_t nowMs, SequencerOutput& output);

    [[nodiscard]] TransportState state() const { return m_state; }
    [[nodiscard]] bool running() const { return m_state != TransportState::Stopped; }
    [[nodiscard]] std::uint32_t positionMs(std::uint32_t nowMs) const;
    [[nodiscard]] int bar() const { return m_bar; }
    [[nodiscard]] const std::vector<RecordedEvent>& take() const { return m_take; }
    [[nodiscard]] const Song& song() const { return m_song; }

private:
    void moveTo(std::uint32_t positionMs, std::uint32_t nowMs);

    Song m_song;
    bool m_loop;
    TransportState m_state = TransportState::Stopped;
    // While running, the song position is nowMs - m_originMs; while stopped, m_stoppedAtMs.
    std::uint32_t m_originMs = 0;
    std::uint32_t m_stoppedAtMs = 0;
    std::size_t m_nextEvent = 0;
    std::size_t m_nextBar = 0;
    int m_bar = 0;
    std::vector<RecordedEvent> m_take;
};

} // namespace velmar::host

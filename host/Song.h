#pragma once

#include "runtime/PackedMidiMessage.h"

#include <cstdint>
#include <vector>

namespace velmar::host {

// One event of a song, at its time from the song's start. A SysEx message keeps its data
// bytes (without F0 and F7) in `sysEx`; every other message is `message`.
struct SongEvent {
    std::uint32_t timeMs = 0;
    std::uint16_t port = 1; // host output port, 1 to 16
    PackedMidiMessage message;
    std::vector<std::uint8_t> sysEx;

    [[nodiscard]] bool isSysEx() const { return message.status() == 0xF0; }
};

// A tempo and metre in force from `timeMs` on.
struct TempoChange {
    std::uint32_t timeMs = 0;
    std::uint32_t microsecondsPerQuarter = 500'000; // 120 beats per minute
    std::uint8_t numerator = 4;
    std::uint8_t denominator = 4;

    friend bool operator==(const TempoChange&, const TempoChange&) = default;
};

// A song ready to play: events in time order, the start time of every bar, the length, and
// the tempo map it was written in (empty: 120 beats per minute in 4/4 throughout), kept so a
// take recorded against it shows the song's bars in other programs.
struct Song {
    std::vector<SongEvent> events;
    std::vector<std::uint32_t> barStartsMs;
    std::uint32_t lengthMs = 0;
    std::vector<TempoChange> tempoMap;
};

} // namespace velmar::host

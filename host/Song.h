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

// A song ready to play: events in time order, the start time of every bar, the length.
struct Song {
    std::vector<SongEvent> events;
    std::vector<std::uint32_t> barStartsMs;
    std::uint32_t lengthMs = 0;
};

} // namespace velmar::host

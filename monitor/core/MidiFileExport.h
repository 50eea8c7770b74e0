#pragma once

#include "monitor/core/RowStore.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace velmar::monitor {

// The events on display as a Standard MIDI File.
struct MidiFileExport {
    std::string Bytes;
    std::size_t Events = 0;
    // Messages a MIDI file cannot hold (system common and real-time messages, bytes that are
    // no message, dumps not whole on display), left out.
    std::size_t LeftOut = 0;
};

// One tick a millisecond: 500 ticks a quarter at 500,000 microseconds a quarter.
inline constexpr int kTicksPerQuarter = 500;
inline constexpr std::uint32_t kMicrosecondsPerQuarter = 500'000;

// A Type 0 file of the events of `order` (the rows on display, oldest first), channel
// messages and whole SysEx dumps, at the times their rows show, the oldest at tick 0. Where
// the clock started again from 0 after a quiet period, the times go on from the event before.
// Nothing when the file cannot be made.
[[nodiscard]] std::optional<MidiFileExport> ExportMidiFile(const RowStore& rows,
                                                           std::span<const std::int32_t> order);

} // namespace velmar::monitor

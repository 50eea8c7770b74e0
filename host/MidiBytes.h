#pragma once

#include "runtime/PackedMidiMessage.h"

#include <cstdint>
#include <span>

namespace velmar::host {

// One message as it came from a MIDI port, sorted out: a short message for the ring, a
// SysEx message's data bytes (without F0 and F7), or bytes that are no MIDI message.
struct MidiBytes {
    enum class Kind { Short, SysEx, Invalid };
    Kind kind = Kind::Invalid;
    PackedMidiMessage message;
    std::span<const std::uint8_t> sysEx;
};

[[nodiscard]] MidiBytes ReadMidiBytes(std::span<const std::uint8_t> bytes);

// The bytes of a short message as they go out to a port: the status and as many data
// bytes as it takes (up to three bytes written to `out`), or 0 for no valid message.
std::size_t WriteMidiBytes(PackedMidiMessage message, std::span<std::uint8_t, 3> out);

} // namespace velmar::host

#include "host/MidiBytes.h"

#include <algorithm>

namespace velmar::host {

namespace {

// Data bytes that follow a status byte; -1 for a status that cannot start a short message.
int dataLength(std::uint8_t status)
{
    if (status < 0x80)
        return -1;
    if (status < 0xF0)
        return (status & 0xE0U) == 0xC0 ? 1 : 2; // program change and channel pressure: 1
    switch (status) {
    case 0xF1:
    case 0xF3:
        return 1;
    case 0xF2:
        return 2;
    case 0xF0:
    case 0xF7:
        return -1;
    default:
        return 0;
    }
}

bool allData(std::span<const std::uint8_t> bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b < 0x80; });
}

} // namespace

MidiBytes ReadMidiBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return {};
    if (bytes[0] == 0xF0) {
        const auto data = bytes.size() >= 3 ? bytes.subspan(1, bytes.size() - 2)
                                            : std::span<const std::uint8_t>();
        if (data.empty() || bytes.back() != 0xF7 || !allData(data))
            return {};
        return {MidiBytes::Kind::SysEx, PackedMidiMessage::pack(0xF0, 0, 0), data};
    }
    const int length = dataLength(bytes[0]);
    if (length < 0 || bytes.size() != static_cast<std::size_t>(length) + 1 ||
        !allData(bytes.subspan(1)))
        return {};
    return {MidiBytes::Kind::Short,
            PackedMidiMessage::pack(bytes[0], length > 0 ? bytes[1] : std::uint8_t{0},
                                    length > 1 ? bytes[2] : std::uint8_t{0}),
            {}};
}

std::size_t WriteMidiBytes(PackedMidiMessage message, std::span<std::uint8_t, 3> out)
{
    const int length = dataLength(message.status());
    if (length < 0 || message.data1() >= 0x80 || message.data2() >= 0x80)
        return 0;
    out[0] = message.status();
    out[1] = message.data1();
    out[2] = message.data2();
    return static_cast<std::size_t>(length) + 1;
}

} // namespace velmar::host

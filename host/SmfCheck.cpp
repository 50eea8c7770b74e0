#include "host/SmfCheck.h"

#include <cstddef>
#include <optional>

namespace velmar::host {

namespace {

// The longest a file may play, in pulses; the file library counts them in an int.
constexpr std::uint64_t kMaxPulses = 0x3FFF'FFFF;
constexpr std::size_t kMaxTracks = 1024;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {}

    [[nodiscard]] std::size_t left() const { return m_bytes.size() - m_at; }
    [[nodiscard]] bool atEnd() const { return m_at == m_bytes.size(); }
    [[nodiscard]] std::size_t offset() const { return m_at; }

    std::optional<std::uint8_t> byte()
    {
        if (atEnd())
            return std::nullopt;
        return m_bytes[m_at++];
    }
    [[nodiscard]] std::optional<std::uint8_t> peek() const
    {
        return atEnd() ? std::nullopt : std::optional<std::uint8_t>(m_bytes[m_at]);
    }
    std::optional<std::uint32_t> bigEndian(std::size_t width)
    {
        if (left() < width)
            return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value = (value << 8U) | m_bytes[m_at++];
        return value;
    }
    // A variable-length quantity: at most four bytes, seven bits each.
    std::optional<std::uint32_t> quantity()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto next = byte();
            if (!next)
                return std::nullopt;
            value = (value << 7U) | (*next & 0x7FU);
            if ((*next & 0x80U) == 0)
                return value;
        }
        return std::nullopt;
    }
    std::optional<std::span<const std::uint8_t>> take(std::size_t length)
    {
        if (left() < length)
            return std::nullopt;
        const auto part = m_bytes.subspan(m_at, length);
        m_at += length;
        return part;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

bool isChunk(std::span<const std::uint8_t> id, const char* name)
{
    for (std::size_t i = 0; i < 4; ++i)
        if (id[i] != static_cast<std::uint8_t>(name[i]))
            return false;
    return true;
}

std::string at(std::size_t offset, const std::string& what)
{
    return what + " at byte " + std::to_string(offset);
}

// The fixed length of a meta event the player reads, or -1 when any length will do.
int metaLength(std::uint8_t type)
{
    switch (type) {
    case 0x00:
        return 2; // sequence number
    case 0x20:
    case 0x21:
        return 1; // channel and port prefix
    case 0x2F:
        return 0; // end of track
    case 0x51:
        return 3; // tempo
    case 0x54:
        return 5; // SMPTE offset
    case 0x58:
        return 4; // time signature
    case 0x59:
        return 2; // key signature
    default:
        return -1;
    }
}

std::string checkMeta(Reader& track, std::size_t start, bool& ended)
{
    const auto type = track.byte();
    const auto length = track.quantity();
    if (!type || !length)
        return at(start, "a meta event is cut short");
    if (*type >= 0x80)
        return at(start, "a meta event has no valid type");
    const auto data = track.take(*length);
    if (!data)
        return at(start, "a meta event runs past its track");
    const int expected = metaLength(*type);
    if (expected >= 0 && *length != static_cast<std::uint32_t>(expected))
        return at(start, "a meta event has the wrong length");
    if (*type == 0x51 && ((*data)[0] | (*data)[1] | (*data)[2]) == 0)
        return at(start, "a tempo is zero");
    if (*type == 0x58 && ((*data)[0] == 0 || (*data)[1] > 6))
        return at(start, "a time signature is out of range");
    ended = *type == 0x2F;
    return {};
}

std::string checkSysEx(Reader& track, std::size_t start)
{
    const auto length = track.quantity();
    if (!length)
        return at(start, "a SysEx event is cut short");
    const auto data = track.take(*length);
    if (!data)
        return at(start, "a SysEx event runs past its track");
    if (data->empty() || data->back() != 0xF7)
        return at(start, "a SysEx event does not end with F7");
    for (std::size_t i = 0; i + 1 < data->size(); ++i)
        if ((*data)[i] >= 0x80)
            return at(start, "a SysEx event holds a status byte");
    return {};
}

std::string checkTrack(std::span<const std::uint8_t> bytes, std::size_t base)
{
    Reader track(bytes);
    std::uint8_t running = 0;
    std::uint64_t pulses = 0;
    bool ended = false;
    while (!track.atEnd()) {
        if (ended)
            return at(base + track.offset(), "a track goes on after its end");
        const std::size_t start = base + track.offset();
        const auto delta = track.quantity();
        if (!delta)
            return at(start, "an event time is cut short or too long");
        pulses += *delta;
        if (pulses > kMaxPulses)
            return at(start, "the song is too long");
        const auto first = track.peek();
        if (!first)
            return at(start, "an event is missing");
        std::uint8_t status = running;
        if (*first >= 0x80)
            status = *track.byte();
        else if (running == 0)
            return at(start, "an event has no status byte");

        if (status == 0xFF) {
            running = 0;
            if (std::string problem = checkMeta(track, start, ended); !problem.empty())
                return problem;
        } else if (status == 0xF0) {
            running = 0;
            if (std::string problem = checkSysEx(track, start); !problem.empty())
                return problem;
        } else if (status >= 0xF0) {
            return at(start, "an event has a status byte a file may not hold");
        } else {
            running = status;
            const std::size_t width = (status & 0xF0U) == 0xC0 || (status & 0xF0U) == 0xD0 ? 1 : 2;
            const auto data = track.take(width);
            if (!data)
                return at(start, "a channel message is cut short");
            for (const std::uint8_t value : *data)
                if (value >= 0x80)
                    return at(start, "a channel message is cut short");
        }
    }
    if (!ended)
        return at(base + bytes.size(), "a track has no end-of-track event");
    return {};
}

} // namespace

CheckedSmf CheckSmf(std::span<const std::uint8_t> bytes)
{
    CheckedSmf checked;
    auto refuse = [&checked](std::string error) {
        checked.error = std::move(error);
        checked.tracks.clear();
        return checked;
    };
    Reader file(bytes);
    const auto id = file.take(4);
    const auto headerLength = file.bigEndian(4);
    if (!id || !isChunk(*id, "MThd"))
        return refuse("not a Standard MIDI File (no MThd header)");
    if (!headerLength || *headerLength < 6 || file.left() < *headerLength)
        return refuse("the header is cut short");
    const auto header = *file.take(*headerLength);
    const unsigned format = (unsigned{header[0]} << 8U) | header[1];
    const unsigned tracks = (unsigned{header[2]} << 8U) | header[3];
    const unsigned division = (unsigned{header[4]} << 8U) | header[5];
    if (format > 1)
        return refuse("Type " + std::to_string(format) +
                      " files are not supported, only Type 0 and 1");
    if (tracks == 0 || tracks > kMaxTracks || (format == 0 && tracks != 1))
        return refuse("the header names " + std::to_string(tracks) + " tracks");
    if ((division & 0x8000U) != 0)
        return refuse("SMPTE time division is not supported");
    if (division == 0)
        return refuse("the time division is zero");

    checked.tracks = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    checked.tracks.insert(checked.tracks.end(), header.begin(), header.begin() + 6);
    unsigned found = 0;
    while (found < tracks) {
        const std::size_t start = file.offset();
        const auto chunkId = file.take(4);
        const auto length = file.bigEndian(4);
        if (!chunkId || !length)
            return refuse("the file ends after " + std::to_string(found) + " of " +
                          std::to_string(tracks) + " tracks");
        const auto body = file.take(*length);
        if (!body)
            return refuse(at(start, "a chunk runs past the end of the file"));
        if (!isChunk(*chunkId, "MTrk"))
            continue; // chunks of other kinds are skipped, as readers must
        if (std::string problem = checkTrack(*body, start + 8); !problem.empty())
            return refuse("track " + std::to_string(found + 1) + ": " + problem);
        checked.tracks.insert(checked.tracks.end(),
                              bytes.begin() + static_cast<std::ptrdiff_t>(start),
                              bytes.begin() + static_cast<std::ptrdiff_t>(file.offset()));
        ++found;
    }
    return checked;
}

} // namespace velmar::host

#include "host/SmfTake.h"

#include "host/SmfHandle.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <utility>

namespace velmar::host {

namespace {

// Fine enough that a millisecond time comes back unchanged at any tempo slower than about
// 16 beats per minute, coarse enough that a day-long song fits the file's pulse counts.
constexpr int kPulsesPerQuarter = 3840;

constexpr std::uint32_t kSlowest = 0xFFFFFF; // microseconds a quarter: the file's 24 bits

// Song positions in milliseconds as pulses of the song's own tempo map.
class PulseClock {
public:
    explicit PulseClock(const std::vector<TempoChange>& tempoMap)
    {
        for (TempoChange change : tempoMap) {
            change.microsecondsPerQuarter = std::min(change.microsecondsPerQuarter, kSlowest);
            if (change.microsecondsPerQuarter == 0 ||
                (!m_segments.empty() && change.timeMs < m_segments.back().change.timeMs))
                continue; // no tempo, or out of order: a map from elsewhere may hold either
            if (!m_segments.empty() && change.timeMs == m_segments.back().change.timeMs)
                m_segments.back().change = change; // the later of two at one moment holds
            else
                m_segments.push_back({change, pulsesAt(change.timeMs)});
        }
        if (m_segments.empty() || m_segments.front().change.timeMs != 0)
            m_segments.insert(m_segments.begin(), Segment{});
    }

    // Nothing when the time lies beyond what the file can count.
    [[nodiscard]] std::optional<int> pulsesAt(std::uint32_t timeMs) const
    {
        if (m_segments.empty())
            return pulsesIn(TempoChange{}, 0, timeMs);
        auto segment = std::prev(std::upper_bound(
            m_segments.begin(), m_segments.end(), timeMs,
            [](std::uint32_t time, const Segment& s) { return time < s.change.timeMs; }));
        if (!segment->startPulses)
            return std::nullopt;
        return pulsesIn(segment->change, *segment->startPulses, timeMs);
    }

    // The map as written: from the song's start, one change at a moment, in order.
    [[nodiscard]] std::vector<TempoChange> changes() const
    {
        std::vector<TempoChange> changes;
        for (const Segment& segment : m_segments)
            changes.push_back(segment.change);
        return changes;
    }

private:
    struct Segment {
        TempoChange change;
        std::optional<int> startPulses = 0;
    };

    static std::optional<int> pulsesIn(const TempoChange& change, int startPulses,
                                       std::uint32_t timeMs)
    {
        const double pulses = startPulses + static_cast<double>(timeMs - change.timeMs) * 1000.0 *
                                                kPulsesPerQuarter / change.microsecondsPerQuarter;
        if (pulses > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(std::lround(pulses));
    }

    std::vector<Segment> m_segments;
};

std::vector<std::uint8_t> tempoBytes(const TempoChange& change)
{
    const std::uint32_t us = change.microsecondsPerQuarter;
    return {0xFF,
            0x51,
            0x03,
            static_cast<std::uint8_t>(us >> 16U),
            static_cast<std::uint8_t>(us >> 8U),
            static_cast<std::uint8_t>(us)};
}

// Time signature: the denominator as a power of two, a click each quarter, 8 thirty-seconds
// a quarter.
std::vector<std::uint8_t> metreBytes(const TempoChange& change)
{
    std::uint8_t power = 0;
    while (power < 7 && (1U << power) < change.denominator)
        ++power;
    return {0xFF, 0x58, 0x04, change.numerator, power, 24, 8};
}

class TakeWriter {
public:
    explicit TakeWriter(const std::vector<TempoChange>& tempoMap)
        : m_clock(tempoMap)
    {}

    bool begin()
    {
        return m_smf && smf_set_format(m_smf.get(), 1) == 0 &&
               smf_set_ppqn(m_smf.get(), kPulsesPerQuarter) == 0;
    }

    smf_track_t* addTrack()
    {
        SmfTrackPointer track(smf_track_new());
        if (!track)
            return nullptr;
        smf_add_track(m_smf.get(), track.get());
        return track.release();
    }

    bool add(smf_track_t* track, std::span<const std::uint8_t> bytes, std::uint32_t timeMs)
    {
        const std::optional<int> pulses = m_clock.pulsesAt(timeMs);
        SmfEventPointer event(
            pulses ? smf_event_new_from_pointer(const_cast<std::uint8_t*>(bytes.data()),
                                                static_cast<int>(bytes.size()))
                   : nullptr);
        if (!event)
            return false;
        smf_track_add_event_pulses(track, event.release(), *pulses);
        return true;
    }

    // A channel message, or a SysEx message from its data bytes; other messages stay out of
    // files.
    bool add(smf_track_t* track, PackedMidiMessage message, std::span<const std::uint8_t> sysEx,
             std::uint32_t timeMs)
    {
        if (message.status() == 0xF0) {
            if (sysEx.empty())
                return true;
            std::vector<std::uint8_t> bytes{0xF0};
            bytes.insert(bytes.end(), sysEx.begin(), sysEx.end());
            bytes.push_back(0xF7);
            return add(track, bytes, timeMs);
        }
        if (message.status() < 0x80 || message.status() > 0xF0)
            return true;
        const bool oneDataByte = (message.status() & 0xE0U) == 0xC0; // program, pressure
        const std::uint8_t bytes[] = {message.status(), message.data1(), message.data2()};
        return add(track, std::span(bytes, oneDataByte ? 2U : 3U), timeMs);
    }

    bool addTempoTrack(std::uint32_t lengthMs)
    {
        smf_track_t* track = addTrack();
        if (track == nullptr)
            return false;
        for (const TempoChange& change : m_clock.changes())
            if (!add(track, tempoBytes(change), change.timeMs) ||
                !add(track, metreBytes(change), change.timeMs))
                return false;
        return end(track, lengthMs);
    }

    bool end(smf_track_t* track, std::uint32_t lengthMs)
    {
        const std::optional<int> pulses = m_clock.pulsesAt(lengthMs);
        return pulses && smf_track_add_eot_pulses(track, *pulses) == 0;
    }

    bool save(const std::string& path)
    {
        // Tried first, so an unwritable path is reported here and not by the library.
        return std::ofstream(path, std::ios::binary).is_open() &&
               smf_save(m_smf.get(), path.c_str()) == 0;
    }

private:
    PulseClock m_clock;
    SmfPointer m_smf{smf_new()};
};

} // namespace

std::string SaveTake(const std::string& path, const Song& song,
                     const std::vector<RecordedEvent>& take)
{
    std::map<std::uint16_t, std::vector<const SongEvent*>> byPort;
    for (const SongEvent& event : song.events)
        byPort[event.port].push_back(&event);
    std::uint32_t lengthMs = song.lengthMs;
    for (const RecordedEvent& event : take)
        lengthMs = std::max(lengthMs, event.timeMs);

    TakeWriter writer(song.tempoMap);
    if (!writer.begin() || !writer.addTempoTrack(lengthMs))
        return "cannot build the file";
    for (const auto& [port, events] : byPort) {
        smf_track_t* track = writer.addTrack();
        const std::uint8_t portPrefix[] = {0xFF, 0x21, 0x01,
                                           static_cast<std::uint8_t>((port + 15U) % 16U)};
        if (track == nullptr || !writer.add(track, portPrefix, 0))
            return "cannot build the file";
        for (const SongEvent* event : events)
            if (!writer.add(track, event->message, event->sysEx, event->timeMs))
                return "cannot build the file";
        if (!writer.end(track, lengthMs))
            return "cannot build the file";
    }
    std::vector<RecordedEvent> ordered(take);
    std::stable_sort(
        ordered.begin(), ordered.end(),
        [](const RecordedEvent& a, const RecordedEvent& b) { return a.timeMs < b.timeMs; });
    smf_track_t* takeTrack = writer.addTrack();
    if (takeTrack == nullptr)
        return "cannot build the file";
    for (const RecordedEvent& event : ordered)
        if (!writer.add(takeTrack, event.message, event.sysEx, event.timeMs))
            return "cannot build the file";
    if (!writer.end(takeTrack, lengthMs))
        return "cannot build the file";
    if (!writer.save(path))
        return path + ": cannot be written";
    return {};
}

} // namespace velmar::host

#include "host/SmfSong.h"

#include "host/SmfCheck.h"
#include "host/SmfHandle.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <vector>

namespace velmar::host {

namespace {

constexpr std::uint32_t kLongestSongMs = 24U * 60U * 60U * 1000U;
constexpr std::size_t kLargestFile = 64U * 1024U * 1024U;
// Marks stop there; a song of more bars than this still plays whole.
constexpr std::size_t kMostBars = 100'000;

SmfSong failure(std::string error)
{
    return {std::nullopt, std::move(error)};
}

std::uint32_t toMs(double seconds)
{
    return static_cast<std::uint32_t>(std::llround(seconds * 1000.0));
}

std::span<const std::uint8_t> bytesOf(const smf_event_t* event)
{
    return {event->midi_buffer, static_cast<std::size_t>(std::max(0, event->midi_buffer_length))};
}

// A track's port from its first port meta event (FF 21 01 pp), else port 1.
std::uint16_t portOf(const smf_track_t* track)
{
    for (int i = 1; i <= track->number_of_events; ++i) {
        const smf_event_t* event = smf_track_get_event_by_number(track, i);
        const auto bytes = event != nullptr ? bytesOf(event) : std::span<const std::uint8_t>();
        if (bytes.size() == 4 && bytes[0] == 0xFF && bytes[1] == 0x21)
            return static_cast<std::uint16_t>(bytes[3] % 16U + 1U);
    }
    return 1;
}

double secondsAt(const smf_t* smf, int pulses)
{
    const smf_tempo_t* tempo = smf_get_tempo_by_pulses(smf, pulses);
    if (tempo == nullptr)
        return pulses * 0.5 / smf->ppqn; // 120 beats per minute until a tempo is set
    return tempo->time_seconds + static_cast<double>(pulses - tempo->time_pulses) *
                                     tempo->microseconds_per_quarter_note / 1e6 / smf->ppqn;
}

std::vector<std::uint32_t> barStarts(const smf_t* smf, int lengthPulses)
{
    std::vector<std::uint32_t> bars;
    for (int pulses = 0; pulses < lengthPulses && bars.size() < kMostBars;) {
        bars.push_back(toMs(secondsAt(smf, pulses)));
        // The library gives the tempo in force before a pulse; a metre set on a bar's first
        // pulse rules that bar.
        const smf_tempo_t* tempo = smf_get_tempo_by_pulses(smf, pulses + 1);
        const int numerator = tempo != nullptr ? tempo->numerator : 4;
        const int denominator = tempo != nullptr && tempo->denominator > 0 ? tempo->denominator : 4;
        pulses += std::max(1, numerator * smf->ppqn * 4 / denominator);
    }
    return bars;
}

std::vector<TempoChange> tempoMapOf(const smf_t* smf)
{
    std::vector<TempoChange> map;
    for (int i = 0; const smf_tempo_t* tempo = smf_get_tempo_by_number(smf, i); ++i) {
        if (tempo->microseconds_per_quarter_note <= 0 || tempo->numerator <= 0 ||
            tempo->numerator > 255 || tempo->denominator <= 0 || tempo->denominator > 128)
            continue; // the file library's placeholders, or a metre no program shows
        map.push_back({toMs(tempo->time_seconds),
                       static_cast<std::uint32_t>(tempo->microseconds_per_quarter_note),
                       static_cast<std::uint8_t>(tempo->numerator),
                       static_cast<std::uint8_t>(tempo->denominator)});
    }
    return map;
}

SongEvent eventOf(const smf_event_t* event, std::uint16_t port)
{
    const auto bytes = bytesOf(event);
    SongEvent result{toMs(event->time_seconds), port, {}, {}};
    if (bytes[0] == 0xF0) {
        result.message = PackedMidiMessage::pack(0xF0, 0, 0);
        result.sysEx.assign(bytes.begin() + 1, bytes.end() - 1); // without F0 and F7
    } else {
        result.message = PackedMidiMessage::pack(bytes[0], bytes.size() > 1 ? bytes[1] : 0,
                                                 bytes.size() > 2 ? bytes[2] : 0);
    }
    return result;
}

} // namespace

SmfSong SongFromSmf(std::span<const std::uint8_t> bytes, const TrackPorts& ports)
{
    if (bytes.size() > kLargestFile)
        return failure("the file is larger than 64 MiB");
    const CheckedSmf checked = CheckSmf(bytes);
    if (!checked.error.empty())
        return failure(checked.error);
    const SmfPointer smf(
        smf_load_from_memory(checked.tracks.data(), static_cast<int>(checked.tracks.size())));
    if (!smf)
        return failure("the file could not be read");
    if (smf_get_length_seconds(smf.get()) * 1000.0 > kLongestSongMs)
        return failure("the song plays longer than 24 hours");

    if (!ports.empty() && ports.rbegin()->first > smf->number_of_tracks)
        return failure("--track-port names track " + std::to_string(ports.rbegin()->first) +
                       ", but the song has " + std::to_string(smf->number_of_tracks) +
                       (smf->number_of_tracks == 1 ? " track" : " tracks"));
    std::vector<std::uint16_t> trackPorts(static_cast<std::size_t>(smf->number_of_tracks) + 1, 1);
    for (int t = 1; t <= smf->number_of_tracks; ++t) {
        const auto chosen = ports.find(t);
        const smf_track_t* track = smf_get_track_by_number(smf.get(), t);
        trackPorts[static_cast<std::size_t>(t)] =
            chosen != ports.end() ? chosen->second : (track != nullptr ? portOf(track) : 1);
    }

    Song song;
    smf_rewind(smf.get());
    while (const smf_event_t* event = smf_get_next_event(smf.get())) {
        if (event->midi_buffer_length < 1 || smf_event_is_metadata(event) != 0)
            continue;
        const int track = event->track != nullptr ? event->track->track_number : 1;
        song.events.push_back(eventOf(event, trackPorts[static_cast<std::size_t>(track)]));
    }
    std::stable_sort(song.events.begin(), song.events.end(),
                     [](const SongEvent& a, const SongEvent& b) { return a.timeMs < b.timeMs; });
    const int lengthPulses = smf_get_length_pulses(smf.get());
    song.barStartsMs = barStarts(smf.get(), lengthPulses);
    song.tempoMap = tempoMapOf(smf.get());
    song.lengthMs = toMs(smf_get_length_seconds(smf.get()));
    if (!song.events.empty())
        song.lengthMs = std::max(song.lengthMs, song.events.back().timeMs);
    return {std::move(song), {}};
}

SmfSong LoadSmfSong(const std::string& path, const TrackPorts& ports)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return failure(path + ": cannot be opened");
    std::vector<std::uint8_t> bytes;
    char chunk[65536];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + file.gcount());
        if (bytes.size() > kLargestFile)
            break;
    }
    if (file.bad())
        return failure(path + ": cannot be read");
    SmfSong result = SongFromSmf(bytes, ports);
    if (!result.song)
        result.error = path + ": " + result.error;
    return result;
}

} // namespace velmar::host

#include "host/SmfSong.h"

#include "host/DemoSong.h"
#include "host/SmfTake.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <utility>
#include <vector>

namespace velmar::host {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bigEndian(std::uint32_t value, int width)
{
    Bytes bytes;
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    return bytes;
}

// A file of the given tracks; each track is its events' bytes, end-of-track added.
Bytes smfFile(int format, int division, const std::vector<Bytes>& tracks)
{
    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    for (const int value : {format, static_cast<int>(tracks.size()), division})
        for (const std::uint8_t b : bigEndian(static_cast<std::uint32_t>(value), 2))
            file.push_back(b);
    for (Bytes track : tracks) {
        track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        for (const std::uint8_t b : bigEndian(static_cast<std::uint32_t>(track.size()), 4))
            file.push_back(b);
        file.insert(file.end(), track.begin(), track.end());
    }
    return file;
}

// 96 pulses a quarter: a quarter note at 120 beats per minute, then at 240 from pulse 192.
const Bytes kTempoTrack = {
    0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,       // 500000 µs a quarter
    0x81, 0x40, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, // at 192: 250000 µs
};
const Bytes kNotes = {
    0x00, 0x90, 0x3C, 0x64,             // 0: note on
    0x60, 0x3C, 0x00,                   // 96 (running status): note off
    0x60, 0xC0, 0x05,                   // 192: program change
    0x60, 0xF0, 0x03, 0x43, 0x10, 0xF7, // 288: SysEx
    0x83, 0x00, 0x99, 0x24, 0x64,       // 672: drum
};

TEST(SmfSong, PlaysATempoChangeMidSongAtTheRightTimes)
{
    for (const int format : {0, 1}) {
        SCOPED_TRACE(format);
        // Type 0: the notes in the same track, after the tempo events (their deltas from 192).
        const Bytes file =
            format == 1
                ? smfFile(1, 96, {kTempoTrack, kNotes})
                : smfFile(0, 96,
                          {{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0x90, 0x3C, 0x64, 0x60,
                            0x3C, 0x00, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x00, 0xC0, 0x05,
                            0x60, 0xF0, 0x03, 0x43, 0x10, 0xF7, 0x83, 0x00, 0x99, 0x24, 0x64}});
        const SmfSong loaded = SongFromSmf(file, {});
        ASSERT_TRUE(loaded.song) << loaded.error;
        const auto& events = loaded.song->events;
        ASSERT_EQ(events.size(), 5U);
        // The drum at pulse 672: 480 pulses after the change, at 240 beats per minute.
        const std::vector<std::uint32_t> times = {0, 500, 1000, 1250, 2250};
        for (std::size_t i = 0; i < times.size(); ++i)
            EXPECT_EQ(events[i].timeMs, times[i]) << "event " << i;
        EXPECT_EQ(events[1].message.value(), PackedMidiMessage::pack(0x90, 0x3C, 0).value());
        EXPECT_EQ(events[2].message.value(), PackedMidiMessage::pack(0xC0, 0x05, 0).value());
        ASSERT_TRUE(events[3].isSysEx());
        EXPECT_EQ(events[3].sysEx, (std::vector<std::uint8_t>{0x43, 0x10}));
        // Bars of four quarters: the second starts at pulse 384, 1000 ms + 192 pulses at 240.
        ASSERT_GE(loaded.song->barStartsMs.size(), 2U);
        EXPECT_EQ(loaded.song->barStartsMs[0], 0U);
        EXPECT_EQ(loaded.song->barStartsMs[1], 1500U);
        EXPECT_EQ(loaded.song->lengthMs, 2250U);
        EXPECT_EQ(loaded.song->tempoMap,
                  (std::vector<TempoChange>{{0, 500'000, 4, 4}, {1000, 250'000, 4, 4}}));
    }
}

TEST(SmfSong, SendsEachTrackToItsPort)
{
    const Bytes onPort3 = {0x00, 0xFF, 0x21, 0x01, 0x02, 0x00, 0x91, 0x40, 0x40};
    const Bytes plain = {0x00, 0x92, 0x41, 0x40};
    const Bytes file = smfFile(1, 96, {plain, onPort3, plain});

    const SmfSong byFile = SongFromSmf(file, {});
    ASSERT_TRUE(byFile.song) << byFile.error;
    std::map<std::uint8_t, std::uint16_t> portByStatus;
    for (const SongEvent& event : byFile.song->events)
        portByStatus[event.message.status()] = event.port;
    EXPECT_EQ(portByStatus[0x91], 3);
    EXPECT_EQ(portByStatus[0x92], 1);

    const SmfSong overridden = SongFromSmf(file, {{2, 7}, {3, 16}});
    ASSERT_TRUE(overridden.song);
    std::vector<std::uint16_t> ports;
    for (const SongEvent& event : overridden.song->events)
        ports.push_back(event.port);
    std::sort(ports.begin(), ports.end());
    EXPECT_EQ(ports, (std::vector<std::uint16_t>{1, 7, 16}));

    const SmfSong noSuchTrack = SongFromSmf(file, {{2, 7}, {4, 5}});
    EXPECT_FALSE(noSuchTrack.song);
    EXPECT_EQ(noSuchTrack.error, "--track-port names track 4, but the song has 3 tracks");
}

TEST(SmfSong, SkipsChunksOfOtherKindsAndHeaderBytesItDoesNotKnow)
{
    Bytes file = smfFile(1, 96, {kNotes});
    const Bytes foreign = {'X', 'F', 'I', 'H', 0, 0, 0, 2, 0x90, 0x90};
    file.insert(file.begin() + 14, foreign.begin(), foreign.end());
    file[7] = 8; // a longer header, as a later version of the format may write
    file.insert(file.begin() + 14, {0x00, 0x00});
    const SmfSong loaded = SongFromSmf(file, {});
    ASSERT_TRUE(loaded.song) << loaded.error;
    EXPECT_EQ(loaded.song->events.size(), 5U);
}

TEST(SmfSong, RefusesABadFileSayingWhatIsWrong)
{
    const Bytes good = smfFile(0, 96, {kNotes});
    struct Case {
        const char* name;
        Bytes bytes;
        const char* says;
    };
    auto withHeader = [&](std::size_t at, std::uint8_t value) {
        Bytes bytes = good;
        bytes[at] = value;
        return bytes;
    };
    const std::vector<Case> cases = {
        {"empty", {}, "not a Standard MIDI File"},
        {"text",
         {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'},
         "not a Standard MIDI File"},
        {"type 2", withHeader(9, 2), "Type 2"},
        {"type 0 of two tracks", smfFile(0, 96, {kNotes, kNotes}), "2 tracks"},
        {"SMPTE", withHeader(12, 0xE7), "SMPTE"},
        {"no end of track", withHeader(good.size() - 2, 0x01), "end-of-track"},
        {"no status", smfFile(0, 96, {{0x00, 0x3C, 0x40}}), "no status byte"},
        {"SysEx without F7", smfFile(0, 96, {{0x00, 0xF0, 0x02, 0x43, 0x10}}), "F7"},
        {"realtime in a file", smfFile(0, 96, {{0x00, 0xF8}}), "may not hold"},
        {"tempo of zero", smfFile(0, 96, {{0x00, 0xFF, 0x51, 0x03, 0, 0, 0}}), "tempo"},
        {"short tempo", smfFile(0, 96, {{0x00, 0xFF, 0x51, 0x02, 1, 0}}), "wrong length"},
        {"five-byte time", smfFile(0, 96, {{0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 1, 1}}),
         "event time"},
    };
    for (const Case& c : cases) {
        const SmfSong loaded = SongFromSmf(c.bytes, {});
        EXPECT_FALSE(loaded.song) << c.name;
        EXPECT_NE(loaded.error.find(c.says), std::string::npos) << c.name << ": " << loaded.error;
    }

    const SmfSong missing = LoadSmfSong("/nonexistent/song.mid", {});
    EXPECT_FALSE(missing.song);
    EXPECT_EQ(missing.error.rfind("/nonexistent/song.mid: ", 0), 0U) << missing.error;
}

TEST(SmfSong, SurvivesEveryTruncationAndCorruptionOfAFile)
{
    const Bytes good = smfFile(1, 96, {kTempoTrack, kNotes});
    ASSERT_TRUE(SongFromSmf(good, {}).song);
    for (std::size_t length = 0; length < good.size(); ++length) {
        const SmfSong loaded = SongFromSmf(std::span(good.data(), length), {});
        EXPECT_FALSE(loaded.song) << "cut to " << length;
        EXPECT_FALSE(loaded.error.empty());
    }
    // Each byte in turn set to values that mean something different to a reader.
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const int value : {0x00, 0x7F, 0x80, 0xF0, 0xF7, 0xFF}) {
            Bytes bad = good;
            bad[at] = static_cast<std::uint8_t>(value);
            const SmfSong loaded = SongFromSmf(bad, {});
            EXPECT_NE(loaded.song.has_value(), !loaded.error.empty()) << at << "=" << value;
        }
    }
}

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(SmfTake, ATakeReadBackEqualsWhatWasPlayedIn)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const std::string path = directory.filePath(QStringLiteral("take.mid")).toStdString();
    const std::vector<RecordedEvent> take = {
        {0, PackedMidiMessage::pack(0x99, 36, 100), {}},
        {250, PackedMidiMessage::pack(0x89, 36, 64), {}},
        {1234, PackedMidiMessage::pack(0xC9, 3, 0), {}},
        {1234, PackedMidiMessage::pack(0xE0, 0, 64), {}},
    };
    ASSERT_EQ(SaveTake(path, Song{}, take), "");
    const SmfSong alone = LoadSmfSong(path, {});
    ASSERT_TRUE(alone.song) << alone.error;
    ASSERT_EQ(alone.song->events.size(), take.size());
    for (std::size_t i = 0; i < take.size(); ++i) {
        EXPECT_EQ(alone.song->events[i].timeMs, take[i].timeMs) << i;
        EXPECT_EQ(alone.song->events[i].message.value(), take[i].message.value()) << i;
    }

    // Beside a song: the song's channel messages and SysEx keep their times and ports.
    const Song demo = DemoSong(10);
    ASSERT_EQ(SaveTake(path, demo, take), "");
    const SmfSong both = LoadSmfSong(path, {});
    ASSERT_TRUE(both.song) << both.error;
    std::size_t kept = 0;
    for (const SongEvent& event : demo.events)
        kept += event.isSysEx() || event.message.status() < 0xF0 ? 1 : 0;
    EXPECT_EQ(both.song->events.size(), kept + take.size());
    std::size_t drums = 0;
    for (const SongEvent& event : both.song->events)
        drums += (event.message.status() & 0x0F) == 9 && event.port == 10 ? 1 : 0;
    EXPECT_GT(drums, 0U);
    EXPECT_FALSE(readFile(path).empty());

    EXPECT_NE(SaveTake("/nonexistent/take.mid", Song{}, take), "");
}

TEST(SmfTake, KeepsTheSongsTempoMapAndRecordedSysEx)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const std::string path = directory.filePath(QStringLiteral("take.mid")).toStdString();
    const SmfSong song = SongFromSmf(smfFile(1, 96, {kTempoTrack, kNotes}), {});
    ASSERT_TRUE(song.song) << song.error;
    Song withMetre = *song.song;
    withMetre.tempoMap.push_back({2500, 600'000, 3, 8}); // slower, in 3/8, from bar 3
    withMetre.lengthMs = 4001;

    // Times on both sides of each change, and ones no pulse of 96 a quarter could hold.
    const std::vector<RecordedEvent> take = {
        {1, PackedMidiMessage::pack(0x90, 60, 1), {}},
        {999, PackedMidiMessage::pack(0xF0, 0, 0), {0x7E, 0x7F, 0x09, 0x01}},
        {1001, PackedMidiMessage::pack(0x80, 60, 0), {}},
        {2499, PackedMidiMessage::pack(0xB0, 7, 99), {}},
        {3999, PackedMidiMessage::pack(0xF0, 0, 0), {0x43}},
        {4000, PackedMidiMessage::pack(0xF8, 0, 0), {}}, // clock: not a file event
    };
    ASSERT_EQ(SaveTake(path, withMetre, take), "");
    const SmfSong back = LoadSmfSong(path, {});
    ASSERT_TRUE(back.song) << back.error;
    EXPECT_EQ(back.song->tempoMap, withMetre.tempoMap);
    // Bars of 4/4 at 0, 1500 and 2500 ms, then of three eighths at 600000 µs a quarter.
    EXPECT_EQ(back.song->barStartsMs, (std::vector<std::uint32_t>{0, 1500, 2500, 3400}));

    // The song's own events and the take's file events, each at its time, nothing else.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> expected;
    for (const SongEvent& event : withMetre.events)
        expected.emplace_back(event.timeMs, event.message.value());
    for (const RecordedEvent& event : take)
        if (event.message.status() <= 0xF0)
            expected.emplace_back(event.timeMs, event.message.value());
    std::vector<std::pair<std::uint32_t, std::uint32_t>> read;
    std::vector<std::vector<std::uint8_t>> sysEx;
    for (const SongEvent& event : back.song->events) {
        read.emplace_back(event.timeMs, event.message.value());
        if (event.isSysEx())
            sysEx.push_back(event.sysEx);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(read.begin(), read.end());
    EXPECT_EQ(read, expected);
    EXPECT_EQ(sysEx, (std::vector<std::vector<std::uint8_t>>{
                         {0x7E, 0x7F, 0x09, 0x01}, {0x43, 0x10}, {0x43}}));
}

} // namespace
} // namespace velmar::host

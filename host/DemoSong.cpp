#include "host/DemoSong.h"

#include "runtime/GeneralMidiPercussion.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace velmar::host {

namespace {

constexpr std::uint32_t kBeatMs = 500; // 120 beats per minute
constexpr std::uint32_t kBarMs = 4 * kBeatMs;
constexpr std::uint32_t kSixteenthMs = kBeatMs / 4;
constexpr int kBars = 16;
constexpr std::uint16_t kMelodyPort = 1;

constexpr std::uint8_t kPiano = 0;
constexpr std::uint8_t kBass = 1;
constexpr std::uint8_t kStrings = 2;
constexpr std::uint8_t kLead = 3;
constexpr std::uint8_t kDrums = 9; // channel 10

using namespace gm;

std::uint32_t barStart(int bar)
{
    return static_cast<std::uint32_t>(bar - 1) * kBarMs;
}

std::uint32_t step(int bar, int sixteenth)
{
    return barStart(bar) + static_cast<std::uint32_t>(sixteenth) * kSixteenthMs;
}

class SongBuilder {
public:
    explicit SongBuilder(std::uint16_t drumPort)
        : m_drumPort(drumPort)
    {}

    void message(std::uint32_t timeMs, std::uint16_t port, std::uint8_t status,
                 std::uint8_t data1 = 0, std::uint8_t data2 = 0)
    {
        m_song.events.push_back({timeMs, port, PackedMidiMessage::pack(status, data1, data2), {}});
    }

    void channel(std::uint32_t timeMs, std::uint8_t kind, std::uint8_t ch, std::uint8_t data1,
                 std::uint8_t data2 = 0)
    {
        message(timeMs, ch == kDrums ? m_drumPort : kMelodyPort,
                static_cast<std::uint8_t>(kind | ch), data1, data2);
    }

    void note(std::uint32_t timeMs, std::uint8_t ch, std::uint8_t key, std::uint8_t velocity,
              std::uint32_t lengthMs)
    {
        channel(timeMs, 0x90, ch, key, velocity);
        channel(timeMs + lengthMs, 0x80, ch, key, 64);
    }

    void drum(std::uint32_t timeMs, PercussionSound sound, std::uint8_t velocity = 100)
    {
        note(timeMs, kDrums, keyOf(sound), velocity, 60);
    }

    void control(std::uint32_t timeMs, std::uint8_t ch, std::uint8_t controller, std::uint8_t value)
    {
        channel(timeMs, 0xB0, ch, controller, value);
    }

    void sysEx(std::uint32_t timeMs, std::vector<std::uint8_t> data)
    {
        m_song.events.push_back(
            {timeMs, kMelodyPort, PackedMidiMessage::pack(0xF0, 0, 0), std::move(data)});
    }

    Song finish()
    {
        // Stable: events written for the same moment keep the order they were written in.
        std::stable_sort(
            m_song.events.begin(), m_song.events.end(),
            [](const SongEvent& a, const SongEvent& b) { return a.timeMs < b.timeMs; });
        for (int bar = 1; bar <= kBars; ++bar)
            m_song.barStartsMs.push_back(barStart(bar));
        m_song.lengthMs = barStart(kBars + 1);
        return std::move(m_song);
    }

private:
    std::uint16_t m_drumPort;
    Song m_song;
};

void setUp(SongBuilder& song)
{
    song.sysEx(0, {0x7E, 0x7F, 0x09, 0x01});  // General MIDI System On
    song.message(0, kMelodyPort, 0xF3, 0);    // song select
    song.message(0, kMelodyPort, 0xF2, 0, 0); // song position: the start
    song.message(0, kMelodyPort, 0xF6);       // tune request
    const std::array<std::uint8_t, 4> programs{0, 33, 48, 80};
    const std::array<std::uint8_t, 4> pans{64, 40, 88, 64};
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const auto ch = static_cast<std::uint8_t>(i);
        song.channel(10, 0xC0, ch, programs[i]);
        song.control(10, ch, 7, 100);
        song.control(10, ch, 10, pans[i]);
    }
    song.control(10, kDrums, 7, 110);
    // Pitch bend range of the lead: 12 semitones, then the parameter is closed again.
    for (const auto& [controller, value] : {std::pair<std::uint8_t, std::uint8_t>{101, 0},
                                            {100, 0},
                                            {6, 12},
                                            {38, 0},
                                            {101, 127},
                                            {100, 127}})
        song.control(20, kLead, controller, value);
}

// A full MTC time code at the start of each bar, as eight quarter frames.
void timeCode(SongBuilder& song, int bar)
{
    const std::uint32_t seconds = barStart(bar) / 1000;
    const std::array<std::uint8_t, 8> pieces{0,
                                             0,
                                             static_cast<std::uint8_t>(seconds & 0x0F),
                                             static_cast<std::uint8_t>(seconds >> 4),
                                             0,
                                             0,
                                             0,
                                             0x3 << 1 /* 30 frames per second */};
    for (std::size_t piece = 0; piece < pieces.size(); ++piece)
        song.message(barStart(bar) + static_cast<std::uint32_t>(piece) * 8U, kMelodyPort, 0xF1,
                     static_cast<std::uint8_t>(piece << 4U | pieces[piece]));
}

void harmony(SongBuilder& song, int bar)
{
    // C, A minor, F, G.
    static constexpr std::array<std::array<std::uint8_t, 3>, 4> kChords{
        {{60, 64, 67}, {57, 60, 64}, {53, 57, 60}, {55, 59, 62}}};
    const auto& chord = kChords[static_cast<std::size_t>((bar - 1) % 4)];
    for (const int beat : {0, 2})
        for (const std::uint8_t key : chord)
            song.note(barStart(bar) + static_cast<std::uint32_t>(beat) * kBeatMs, kPiano, key,
                      static_cast<std::uint8_t>(beat == 0 ? 80 : 64), 450);
    for (int eighth = 0; eighth < 8; ++eighth)
        song.note(step(bar, eighth * 2), kBass, static_cast<std::uint8_t>(chord[0] - 24),
                  static_cast<std::uint8_t>(eighth % 2 == 0 ? 96 : 72), 220);
    song.control(barStart(bar), kStrings, 64, 127); // sustain down
    song.note(barStart(bar), kStrings, static_cast<std::uint8_t>(chord[2] + 12), 60, 1900);
    song.control(barStart(bar) + 1950, kStrings, 64, 0);
    song.control(barStart(bar) + kBarMs / 2, kStrings, 1, static_cast<std::uint8_t>(bar * 7));
}

void melody(SongBuilder& song, int bar)
{
    static constexpr std::array<std::uint8_t, 8> kLine{72, 74, 76, 79, 76, 74, 72, 67};
    for (int i = 0; i < 8; ++i) {
        const std::uint8_t key = kLine[static_cast<std::size_t>((i + bar) % 8)];
        const std::uint32_t at = step(bar, i * 2);
        song.note(at, kLead, key, 90, 230);
        song.channel(at + 60, 0xA0, kLead, key, static_cast<std::uint8_t>(40 + i * 8));
    }
    // A bend up and back on the last beat, with channel pressure swelling under it.
    for (int i = 0; i <= 4; ++i) {
        const auto bend = static_cast<std::uint16_t>(8192 + i * 1024);
        const std::uint32_t at = step(bar, 12) + static_cast<std::uint32_t>(i) * 40;
        song.channel(at, 0xE0, kLead, static_cast<std::uint8_t>(bend & 0x7F),
                     static_cast<std::uint8_t>(bend >> 7));
        song.channel(at + 20, 0xD0, kLead, static_cast<std::uint8_t>(60 + i * 12));
    }
    song.channel(step(bar, 15), 0xE0, kLead, 0, 64); // bend back to the centre
}

void groove(SongBuilder& song, int bar, PercussionSound hat)
{
    for (int sixteenth = 0; sixteenth < 16; sixteenth += 2)
        song.drum(step(bar, sixteenth), hat,
                  static_cast<std::uint8_t>(sixteenth % 4 == 0 ? 100 : 70));
    song.drum(step(bar, 0), BassDrum1, 120);
    song.drum(step(bar, 8), BassDrum1, 110);
    song.drum(step(bar, 4), AcousticSnare, 110);
    song.drum(step(bar, 12), AcousticSnare, 115);
}

void hits(SongBuilder& song, int bar,
          std::initializer_list<std::pair<int, PercussionSound>> sixteenthAndSound)
{
    for (const auto& [sixteenth, sound] : sixteenthAndSound)
        song.drum(step(bar, sixteenth), sound, 96);
}

void drums(SongBuilder& song, int bar)
{
    switch (bar) {
    case 1: // count-in
        hits(song, bar,
             {{0, MetronomeBell},
              {4, MetronomeClick},
              {8, MetronomeClick},
              {12, MetronomeClick},
              {14, Sticks}});
        return;
    case 2:
        groove(song, bar, ClosedHiHat);
        return;
    case 3:
        groove(song, bar, PedalHiHat);
        hits(song, bar, {{14, OpenHiHat}});
        return;
    case 4:
        groove(song, bar, ClosedHiHat);
        hits(song, bar, {{6, SideStick}, {10, HandClap}, {14, OpenHiHat}});
        return;
    case 5:
        groove(song, bar, ClosedHiHat);
        hits(song, bar, {{0, CrashCymbal1}, {2, AcousticBassDrum}, {13, ElectricSnare}});
        return;
    case 6: // tom fill
        hits(song, bar,
             {{0, BassDrum1},
              {0, CrashCymbal2},
              {4, AcousticSnare},
              {8, HighTom},
              {9, HiMidTom},
              {10, LowMidTom},
              {11, LowTom},
              {12, HighFloorTom},
              {13, HighFloorTom},
              {14, LowFloorTom},
              {15, LowFloorTom}});
        return;
    case 7:
        hits(song, bar,
             {{0, LowConga},
              {3, MuteHighConga},
              {4, OpenHighConga},
              {6, HighBongo},
              {7, LowBongo},
              {8, HighTimbale},
              {10, LowTimbale},
              {12, Cowbell},
              {14, Claves}});
        return;
    case 8:
        hits(song, bar,
             {{0, HighAgogo},
              {2, LowAgogo},
              {4, HighWoodBlock},
              {6, LowWoodBlock},
              {8, Claves},
              {10, HighWoodBlock},
              {12, Cowbell},
              {14, LowConga}});
        return;
    case 9:
        groove(song, bar, RideCymbal1);
        hits(song, bar, {{0, SplashCymbal}, {4, RideBell}, {12, RideBell}});
        for (int sixteenth = 1; sixteenth < 16; sixteenth += 2)
            song.drum(step(bar, sixteenth), Shaker, 60);
        return;
    case 10:
        groove(song, bar, RideCymbal2);
        hits(song, bar,
             {{0, ChineseCymbal},
              {2, Tambourine},
              {6, Tambourine},
              {10, Maracas},
              {11, Maracas},
              {14, Cabasa}});
        return;
    case 11:
        hits(song, bar,
             {{0, OpenTriangle},
              {4, MuteTriangle},
              {6, MuteTriangle},
              {8, OpenTriangle},
              {10, ShortGuiro},
              {12, LongGuiro}});
        return;
    case 12:
        hits(song, bar,
             {{0, ShortWhistle},
              {4, LongWhistle},
              {8, Vibraslap},
              {10, MuteCuica},
              {12, OpenCuica},
              {14, MuteCuica}});
        return;
    case 13:
        groove(song, bar, ClosedHiHat);
        hits(song, bar, {{2, JingleBell}, {6, BellTree}, {10, Castanets}, {11, Castanets}});
        return;
    case 14:
        hits(song, bar,
             {{0, MuteSurdo},
              {4, OpenSurdo},
              {6, HighQ},
              {8, Slap},
              {10, ScratchPush},
              {11, ScratchPull},
              {12, SquareClick},
              {14, MuteSurdo}});
        return;
    case 15:
        groove(song, bar, OpenHiHat);
        hits(song, bar, {{0, CrashCymbal1}, {8, Tambourine}});
        return;
    default:
        groove(song, bar, ClosedHiHat);
        hits(song, bar, {{0, CrashCymbal2}, {15, CrashCymbal1}});
    }
}

// A longer dump in the block reserved for non-commercial use, so the monitor has a
// SysEx of several rows to show.
std::vector<std::uint8_t> dump()
{
    std::vector<std::uint8_t> bytes{0x7D, 0x01};
    for (std::uint8_t i = 0; bytes.size() < 130; ++i)
        bytes.push_back(static_cast<std::uint8_t>((i * 37U) & 0x7FU));
    return bytes;
}

} // namespace

Song DemoSong(std::uint16_t drumPort)
{
    SongBuilder song(drumPort);
    setUp(song);
    for (int bar = 1; bar <= kBars; ++bar) {
        timeCode(song, bar);
        drums(song, bar);
        if (bar >= 2)
            harmony(song, bar);
        if (bar >= 5 && bar <= 12)
            melody(song, bar);
    }
    song.sysEx(barStart(8) + kBeatMs, dump());
    song.message(barStart(9), kMelodyPort, 0xF2, 0x00,
                 0x01); // song position: bar 9 (128 sixteenths)
    for (std::uint8_t ch : {kPiano, kBass, kStrings, kLead})
        song.control(barStart(kBars) + kBarMs - 10, ch, 123, 0); // all notes off
    return song.finish();
}

} // namespace velmar::host

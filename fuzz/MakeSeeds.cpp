// Writes the seed corpus of every fuzz target from the programs' own code: settings files
// from their save code, ring scripts for the host's ring writer, SMF files from korvo's
// take writer, frames from the message layer's encoder. Run by hand when a format or a
// target's input layout changes:  fuzz_seeds fuzz/corpus
#include "drums/core/KettraSettingsFile.h"
#include "fuzz/RingScript.h"
#include "fuzz/SettingsSubject.h"
#include "host/DemoSong.h"
#include "host/SmfTake.h"
#include "monitor/core/OstraSettingsFile.h"
#include "runtime/HostMessages.h"
#include "runtime/link/LinkIni.h"
#include "runtime/platform/posix/MessageFrame.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmar::fuzz {

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

void writeSeed(const fs::path& directory, const std::string& name, const Bytes& bytes)
{
    fs::create_directories(directory);
    std::ofstream file(directory / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes readWhole(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// An input built step by step, numbers little-endian.
class Script {
public:
    Script& u8(std::uint8_t value)
    {
        m_bytes.push_back(value);
        return *this;
    }
    Script& u16(std::uint16_t value)
    {
        return u8(static_cast<std::uint8_t>(value & 0xFFU))
            .u8(static_cast<std::uint8_t>(value >> 8U));
    }
    Script& u32(std::uint32_t value)
    {
        return u16(static_cast<std::uint16_t>(value & 0xFFFFU))
            .u16(static_cast<std::uint16_t>(value >> 16U));
    }
    Script& op(RingOp op) { return u8(static_cast<std::uint8_t>(op)); }
    Script& bytes(const Bytes& bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    [[nodiscard]] const Bytes& done() const { return m_bytes; }

private:
    Bytes m_bytes;
};

void ringSeeds(const fs::path& corpus)
{
    const fs::path directory = corpus / "fuzz_ring";
    const auto notes = [](Script& script, std::uint8_t count, std::uint16_t source) -> Script& {
        return script.op(RingOp::HostWrite).u8(count).u16(source).u32(0x00643C99);
    };
    const auto monitorPass = [](Script& script) -> Script& {
        return script.op(RingOp::MonitorPass).u16(1).u8(20);
    };
    const auto drumTick = [](Script& script) -> Script& {
        return script.op(RingOp::DrumTick).u8(10);
    };

    Script steady;
    steady.u8(0);
    monitorPass(notes(steady, 200, 0));
    drumTick(notes(steady, 50, 1));
    writeSeed(directory, "notes-monitor-and-drums", steady.done());

    // A full ring: 999 events waiting, then the monitor on a small grid that stops.
    Script full;
    full.u8(kRingConfigSmallGrid | 0);
    for (int i = 0; i < 4; ++i)
        notes(full, 250, 2);
    monitorPass(full);
    writeSeed(directory, "full-ring-small-grid-stops", full.done());

    Script sysEx;
    sysEx.u8(kRingConfigDecimal | 1);
    sysEx.op(RingOp::HostWriteSysEx).u16(0).u16(40).bytes(Bytes(40, 0x42));
    monitorPass(sysEx);
    sysEx.op(RingOp::HostWriteSysEx).u16(3).u16(5).bytes({0x7E, 0x7F, 0x09, 0x01, 0x00});
    drumTick(monitorPass(sysEx));
    writeSeed(directory, "sysex-dumps", sysEx.done());

    // Indices another process left: out of range, a fresh block, the last slot.
    Script indices;
    indices.u8(kRingConfigDrumDelay | 2);
    indices.op(RingOp::SetIndex).u8(1).u16(65535);
    monitorPass(notes(indices, 3, 0));
    indices.op(RingOp::SetIndex).u8(0).u16(1001);
    drumTick(indices);
    indices.op(RingOp::SetIndex).u8(0).u16(0).op(RingOp::SetIndex).u8(1).u16(1000);
    monitorPass(indices);
    indices.op(RingOp::ClockAdvance).u16(20000);
    drumTick(notes(indices, 10, 1));
    writeSeed(directory, "indices-out-of-range", indices.done());

    Script poked;
    poked.u8(0);
    poked.op(RingOp::PokeSysEx).u16(63990).u8(20).bytes(Bytes(20, 0x11));
    poked.op(RingOp::PokeSlot).u16(1).bytes({0, 0, 0xF0, 0xF9, 0xF6, 0});
    poked.op(RingOp::PokeSlot).u16(2).bytes({0, 0, 0xF7, 0x00, 0x04, 0});
    poked.op(RingOp::SetIndex).u8(1).u16(1).op(RingOp::SetIndex).u8(0).u16(3);
    monitorPass(poked);
    writeSeed(directory, "sysex-wrapping-past-the-area-end", poked.done());
}

void sysExSeeds(const fs::path& corpus)
{
    const fs::path directory = corpus / "fuzz_sysex";
    const auto seed = [&](const std::string& name, std::uint8_t config, std::uint16_t start,
                          std::uint16_t end, std::uint8_t rows, const Bytes& fill) {
        Script script;
        script.u8(config).u16(start).u16(end).u8(rows).bytes(fill);
        writeSeed(directory, name, script.done());
    };
    seed("short-dump", 0, 100, 140, 0xFF, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00});
    seed("wraps-past-64000", 1, 63990, 30, 0xFF, {0x01, 0x02, 0x03});
    seed("whole-area", 0, 500, 500, 0xFF, {0x7F});
    seed("cut-by-a-full-display", 0, 0, 200, 3, {0x55, 0xAA});
    seed("position-out-of-range", 1, 64001, 10, 0xFF, {});
}

void settingsSeeds(const fs::path& corpus, const fs::path& scratch)
{
    const fs::path directory = corpus / "fuzz_settings";
    const auto withSubject = [](SettingsSubject subject, Bytes bytes) {
        bytes.insert(bytes.begin(), static_cast<std::uint8_t>(subject));
        return bytes;
    };

    const fs::path ostraPath = scratch / "$OSTRA.cfg";
    monitor::OstraSettings ostra;
    (void)monitor::OstraSettingsFile(ostraPath.string()).SaveSettings(ostra);
    writeSeed(directory, "ostra-defaults",
              withSubject(SettingsSubject::OstraSettings, readWhole(ostraPath)));
    ostra.DisplayEventCount = 32000;
    ostra.DisplayFullMode = monitor::kDisplayFullStop;
    ostra.FilterMode = monitor::kFilterAllExcept;
    ostra.ColumnWidths = {40, 60, 35, 80, 120, 40, 200, 200};
    (void)monitor::OstraSettingsFile(ostraPath.string()).SaveSettings(ostra);
    writeSeed(directory, "ostra-changed",
              withSubject(SettingsSubject::OstraSettings, readWhole(ostraPath)));

    const fs::path kettraPath = scratch / "$Kettra.cfg";
    drums::KettraSettings kettra;
    (void)drums::KettraSettingsFile(kettraPath.string()).Write(kettra);
    writeSeed(directory, "kettra-defaults",
              withSubject(SettingsSubject::KettraSettings, readWhole(kettraPath)));
    kettra.RandomizeVelocity = 1;
    kettra.RandomRange = 100;
    kettra.LoVelocity = 1;
    drums::DeriveRandomSpans(kettra);
    (void)drums::KettraSettingsFile(kettraPath.string()).Write(kettra);
    writeSeed(directory, "kettra-widest-random-range",
              withSubject(SettingsSubject::KettraSettings, readWhole(kettraPath)));

    const auto text = [](const char* content) {
        const std::string value(content);
        return Bytes(value.begin(), value.end());
    };
    writeSeed(directory, "language-japanese",
              withSubject(SettingsSubject::LanguageIni, text("language=  japanese\r\n")));
    writeSeed(directory, "language-portugues-windows-1252",
              withSubject(SettingsSubject::LanguageIni,
                          text("[x]\nLANGUAGE=French\nLANGUAGE=Portugu\xEAs\r\nLANGUAGE=none\n")));
    writeSeed(directory, "fontname",
              withSubject(SettingsSubject::FontNameIni,
                          text("[FONTNAME]\r\nFontName=\"MS Gothic\"\r\nFontSize=12pt\r\n")));

    const fs::path linkPath = scratch / "VELMARLINK.INI";
    WriteLinkIni(linkPath.string(), QStringLiteral("/opt/korvo/KORVO.EXE"));
    writeSeed(directory, "link-record", withSubject(SettingsSubject::LinkIni, readWhole(linkPath)));
}

void smfSeeds(const fs::path& corpus, const fs::path& scratch)
{
    const fs::path directory = corpus / "fuzz_smf";
    // Type 0 by hand: one track, a tempo, a note on and off, running status, the end.
    writeSeed(directory, "type0-one-note",
              {'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    0,    0,    1,    0,    96,
               'M',  'T',  'r',  'k',  0,    0,    0,    19,   0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1,
               0x20, 0x00, 0x90, 0x3C, 0x64, 0x60, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00});

    host::Song song;
    song.events.push_back({0, 1, PackedMidiMessage::pack(0xC9, 0, 0), {}});
    song.events.push_back({0, 2, PackedMidiMessage::pack(0x99, 36, 100), {}});
    song.events.push_back({250, 2, PackedMidiMessage::pack(0x89, 36, 64), {}});
    song.events.push_back({300, 1, PackedMidiMessage::pack(0xF0, 0, 0), {0x7E, 0x7F, 0x09, 0x01}});
    song.lengthMs = 500;
    const std::vector<host::RecordedEvent> take = {{100, PackedMidiMessage::pack(0x99, 38, 90), {}},
                                                   {200, PackedMidiMessage::pack(0x89, 38, 0), {}}};
    const fs::path takePath = scratch / "take.mid";
    if (host::SaveTake(takePath.string(), song, take).empty())
        writeSeed(directory, "type1-take-from-korvo", readWhole(takePath));
}

void frameSeeds(const fs::path& corpus)
{
    const fs::path directory = corpus / "fuzz_frames";
    const auto framed = [](std::initializer_list<platform::Frame> frames, Bytes tail = {}) {
        Bytes bytes;
        for (const platform::Frame& frame : frames) {
            const auto encoded = platform::encodeFrame(frame);
            bytes.push_back(static_cast<std::uint8_t>(encoded.size()));
            for (const std::byte byte : encoded)
                bytes.push_back(std::to_integer<std::uint8_t>(byte));
        }
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };
    using platform::FrameKind;
    writeSeed(directory, "sign-in-and-mark",
              framed({{FrameKind::Send, HostQueryIdentify, 0, 0},
                      {FrameKind::Send, HostCmdSignIn, 0, 7},
                      {FrameKind::Send, HostMsgSetMark, -2, 0}}));
    writeSeed(directory, "posted-transport",
              framed({{FrameKind::Post, HostCmdStop, 0, 0},
                      {FrameKind::Post, HostCmdRewind, 0, 0},
                      {FrameKind::Send, HostQueryRunning, 0, 0},
                      {FrameKind::Post, HostCmdRecordEvent, 0, 0x00642499}}));
    // A reply where none is awaited ends the connection; so does a short packet.
    writeSeed(directory, "reply-then-more",
              framed({{FrameKind::Send, HostQueryRecording, 0, 0},
                      {FrameKind::Reply, HostQueryRecording, 1, 0},
                      {FrameKind::Send, HostQueryRunning, 0, 0}}));
    writeSeed(directory, "short-packet",
              framed({{FrameKind::Post, HostCmdPlay, 0, 0}}, {23, 1, 0, 0, 0, 0xD6, 0x04}));
}

} // namespace

} // namespace velmar::fuzz

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    const fs::path corpus(argv[1]);
    const fs::path scratch = fs::temp_directory_path() / "velmar-fuzz-seeds";
    fs::create_directories(scratch);
    velmar::fuzz::ringSeeds(corpus);
    velmar::fuzz::sysExSeeds(corpus);
    velmar::fuzz::settingsSeeds(corpus, scratch);
    velmar::fuzz::smfSeeds(corpus, scratch);
    velmar::fuzz::frameSeeds(corpus);
    fs::remove_all(scratch);
    return 0;
}

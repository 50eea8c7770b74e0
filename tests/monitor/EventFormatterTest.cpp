#include "tests/monitor/MonitorRig.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace velmar::monitor::test {
namespace {

// The five display options, as the record's defaults have them.
struct Options {
    bool decimalEventTypes = false;
    bool decimalChannels = true;
    bool oneBasedChannels = true;
    bool decimalData = true;
    bool oneBasedPrograms = false;

    [[nodiscard]] OstraSettings settings() const
    {
        OstraSettings record;
        record.DecimalEventTypes = decimalEventTypes ? 1 : 0;
        record.DecimalChannels = decimalChannels ? 1 : 0;
        record.OneBasedChannels = oneBasedChannels ? 1 : 0;
        record.DecimalData = decimalData ? 1 : 0;
        record.OneBasedPrograms = oneBasedPrograms ? 1 : 0;
        record.EventTypeFilter = AllTicked<kEventTypeCount>();
        return record;
    }
};

constexpr Options kDefaults{};
constexpr Options kHexData{.decimalData = false};
constexpr Options kDecimalTypes{.decimalEventTypes = true};

struct FormatCase {
    const char* name;
    Options options;
    std::uint8_t status, data1, data2;
    std::array<const char*, 5> cells; // Raw, Status, Chan, Data 1, Data 2
};

std::vector<QString> expected(const std::array<const char*, 5>& cells)
{
    std::vector<QString> texts;
    texts.reserve(cells.size());
    for (const char* cell : cells)
        texts.push_back(QString::fromUtf8(cell));
    return texts;
}

void expectRows(const std::vector<FormatCase>& cases)
{
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        MonitorRig rig(c.options.settings());
        rig.Send(c.status, c.data1, c.data2);
        (void)rig.Pass();
        EXPECT_EQ(rig.Shown(1), expected(c.cells));
    }
}

TEST(EventFormatter, ChannelMessagesInEveryNumberForm)
{
    const Options hexChannels{.decimalChannels = false};
    const Options zeroBasedHex{.decimalChannels = false, .oneBasedChannels = false};
    const Options zeroBasedDecimal{.oneBasedChannels = false};
    const Options oneBasedPrograms{.oneBasedPrograms = true};
    const Options oneBasedHexPrograms{.decimalData = false, .oneBasedPrograms = true};
    expectRows({
        {"note on",
         kDefaults,
         0x90,
         60,
         100,
         {"90 3C 64 ", "Note On ($9x)", "  1 ", "Pitch = C  5  60 ", "Velocity = 100 "}},
        {"note on, decimal event types",
         kDecimalTypes,
         0x90,
         60,
         100,
         {"144  60 100 ", "Note On (#144)", "  1 ", "Pitch = C  5  60 ", "Velocity = 100 "}},
        {"note on, hex data",
         kHexData,
         0x90,
         60,
         100,
         {"90 3C 64 ", "Note On ($9x)", "  1 ", "Pitch = C  5  $3C ", "Velocity =  $64 "}},
        {"note off, zero-based hex channel",
         zeroBasedHex,
         0x8F,
         0,
         0,
         {"8F 00 00 ", "Note Off ($8x)", "$0F ", "Pitch = C  0   0 ", "Velocity =   0 "}},
        {"channel 9, one-based hex",
         hexChannels,
         0x99,
         36,
         100,
         {"99 24 64 ", "Note On ($9x)", "$0A ", "Pitch = C  3  36 ", "Velocity = 100 "}},
        {"channel 9, zero-based decimal",
         zeroBasedDecimal,
         0x99,
         127,
         1,
         {"99 7F 01 ", "Note On ($9x)", "  9 ", "Pitch = G 10 127 ", "Velocity =   1 "}},
        {"poly pressure",
         kDefaults,
         0xA2,
         61,
         30,
         {"A2 3D 1E ", "Poly Pressure ($Ax)", "  3 ", "Pitch = Db  5  61 ", "PolyPressure =  30 "}},
        {"control change",
         kDefaults,
         0xB0,
         7,
         100,
         {"B0 07 64 ", "Control Change ($Bx)", "  1 ", "CC Type = #7 Main Volume MSB",
          "CC Value =100 "}},
        {"control change, hex data",
         kHexData,
         0xB0,
         7,
         100,
         {"B0 07 64 ", "Control Change ($Bx)", "  1 ", "CC Type = $07 Main Volume MSB",
          "CC Value = $64 "}},
        {"unassigned controller",
         kDefaults,
         0xBF,
         3,
         0,
         {"BF 03 00 ", "Control Change ($Bx)", " 16 ", "CC Type = #3 Undefined", "CC Value =  0 "}},
        {"program 0, one-based",
         oneBasedPrograms,
         0xC0,
         0,
         0,
         {"C0 00 ", "Program Change ($Cx)", "  1 ", "Program =   1 ", ""}},
        {"program 127, one-based",
         oneBasedPrograms,
         0xC0,
         127,
         0,
         {"C0 7F ", "Program Change ($Cx)", "  1 ", "Program = 128 ", ""}},
        {"program 127, one-based hex",
         oneBasedHexPrograms,
         0xC0,
         127,
         0,
         {"C0 7F ", "Program Change ($Cx)", "  1 ", "Program =  $80 ", ""}},
        {"program 127, zero-based hex",
         kHexData,
         0xC0,
         127,
         0,
         {"C0 7F ", "Program Change ($Cx)", "  1 ", "Program =  $7F ", ""}},
        {"program change, decimal event types",
         kDecimalTypes,
         0xC5,
         10,
         0,
         {"197  10 ", "Program Change (#192)", "  6 ", "Program =  10 ", ""}},
        {"channel pressure",
         kDefaults,
         0xD3,
         5,
         0,
         {"D3 05 ", "Channel Pressure ($Dx)", "  4 ", "Pressure =   5 ", ""}},
        {"pitch bend centre",
         kDefaults,
         0xE0,
         0,
         64,
         {"E0 00 40 ", "Pitch Bend ($Ex)", "  1 ", "Bend = 0", ""}},
        {"pitch bend centre, hex data",
         kHexData,
         0xE0,
         0,
         64,
         {"E0 00 40 ", "Pitch Bend ($Ex)", "  1 ", "Bend =  $00 40 ", ""}},
        {"pitch bend lowest",
         kDefaults,
         0xE0,
         0,
         0,
         {"E0 00 00 ", "Pitch Bend ($Ex)", "  1 ", "Bend = -8192", ""}},
        {"pitch bend highest",
         kDefaults,
         0xE0,
         127,
         127,
         {"E0 7F 7F ", "Pitch Bend ($Ex)", "  1 ", "Bend = 8191", ""}},
    });
}

// Bytes the host should never send still give a row, from what they hold.
TEST(EventFormatter, BytesThatAreNoMidiShowAsTheyAre)
{
    const Options oneBasedPrograms{.oneBasedPrograms = true};
    const Options oneBasedHexPrograms{.decimalData = false, .oneBasedPrograms = true};
    expectRows({
        {"data byte as status",
         kDefaults,
         0x3C,
         0x64,
         0x00,
         {"3C 64 00 ", "Undefined", "", "", ""}},
        {"zero status", kDecimalTypes, 0x00, 0x00, 0x00, {"  0   0   0 ", "Undefined", "", "", ""}},
        {"data bytes above 127",
         kDefaults,
         0x90,
         200,
         255,
         {"90 C8 FF ", "Note On ($9x)", "  1 ", "Pitch = Ab 16 200 ", "Velocity = 255 "}},
        {"program 255, one-based",
         oneBasedPrograms,
         0xC0,
         255,
         0,
         {"C0 FF ", "Program Change ($Cx)", "  1 ", "Program = 256 ", ""}},
        {"program 255, one-based hex",
         oneBasedHexPrograms,
         0xC0,
         255,
         0,
         {"C0 FF ", "Program Change ($Cx)", "  1 ", "Program =  $100 ", ""}},
        {"controller above 127",
         kDefaults,
         0xB0,
         200,
         1,
         {"B0 C8 01 ", "Control Change ($Bx)", "  1 ", "CC Type = Undefined", "CC Value =  1 "}},
    });
}

TEST(EventFormatter, EverySystemMessage)
{
    expectRows({
        {"MTC quarter frame",
         kDefaults,
         0xF1,
         0x35,
         0,
         {"F1 35 ", "MTC Quarter Frame ($F1)", "", "MTC Msg # =   3 ", "MTC Msg Value =   5 "}},
        {"MTC quarter frame, hex data",
         kHexData,
         0xF1,
         0x35,
         0,
         {"F1 35 ", "MTC Quarter Frame ($F1)", "", "MTC Msg # =  $03 ", "MTC Msg Value =  $05 "}},
        {"song position 1",
         kDefaults,
         0xF2,
         1,
         0,
         {"F2 01 00 ", "Song Position Ptr ($F2)", "", "Clocks (24 PPQN) =6", ""}},
        {"song position, highest",
         kDefaults,
         0xF2,
         127,
         127,
         {"F2 7F 7F ", "Song Position Ptr ($F2)", "", "Clocks (24 PPQN) =98298", ""}},
        {"song position, hex data",
         kHexData,
         0xF2,
         1,
         0,
         {"F2 01 00 ", "Song Position Ptr ($F2)", "", "Clocks (24 PPQN) = $01 00 ", ""}},
        {"song select",
         kDefaults,
         0xF3,
         5,
         0,
         {"F3 05 ", "Song Select ($F3)", "", "Song # =   5 ", ""}},
        {"F4", kDefaults, 0xF4, 1, 2, {"F4 01 02 ", "Undefined ($F4)", "", "", ""}},
        {"F5", kDefaults, 0xF5, 1, 2, {"F5 01 02 ", "Undefined {$F5)", "", "", ""}},
        {"tune request", kDefaults, 0xF6, 1, 2, {"F6 ", "Tune Request ($F6)", "", "", ""}},
        {"timing clock", kDefaults, 0xF8, 1, 2, {"F8 ", "MIDI Timing Clock ($F8)", "", "", ""}},
        {"F9", kDefaults, 0xF9, 0, 0, {"F9 ", "Undefined ($F9)", "", "", ""}},
        {"song start", kDefaults, 0xFA, 0, 0, {"FA ", "Song Start ($FA)", "", "", ""}},
        {"song continue", kDefaults, 0xFB, 0, 0, {"FB ", "Song Continue ($FB)", "", "", ""}},
        {"song stop", kDefaults, 0xFC, 0, 0, {"FC ", "Song Stop ($FC)", "", "", ""}},
        {"FD", kDefaults, 0xFD, 0, 0, {"FD ", "Undefined ($FD)", "", "", ""}},
        {"active sensing", kDefaults, 0xFE, 0, 0, {"FE ", "Active Sensing ($FE)", "", "", ""}},
        {"system reset", kDefaults, 0xFF, 0, 0, {"FF ", "System Reset ($FF)", "", "", ""}},
        {"names stay in hex beside decimal bytes",
         kDecimalTypes,
         0xFA,
         0,
         0,
         {"250 ", "Song Start ($FA)", "", "", ""}},
    });
}

TEST(EventFormatter, NoteMessagesLightTheNoteOnRowAndOthersTheOtherRow)
{
    MonitorRig rig;
    rig.Send(0x92, 60, 100);
    rig.Send(0x82, 60, 0);
    rig.Send(0xB5, 7, 100);
    rig.Send(0xFA);
    (void)rig.Pass();
    ActivityLights& lights = rig.intake.lights();
    EXPECT_EQ(lights.TakeNewlyLit(),
              ActivityLights::bit(kNoteOnLights, 2) | ActivityLights::bit(kOtherLights, 5));
    rig.Send(0x92, 61, 100);
    rig.Send(0xE2, 0, 64);
    (void)rig.Pass();
    EXPECT_EQ(lights.TakeNewlyLit(), ActivityLights::bit(kOtherLights, 2))
        << "a lit light is not reported again";
    EXPECT_TRUE(lights.Lit(kNoteOnLights, 2));
    EXPECT_FALSE(lights.Lit(kNoteOnLights, 5));

    lights.ClearActivity();
    EXPECT_FALSE(lights.Lit(kNoteOnLights, 2));
    EXPECT_FALSE(lights.Lit(kOtherLights, 5));
}

// --- SysEx dumps ---

constexpr std::array<std::uint8_t, 17> kDump = {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E,
                                                0x00, 0x41, 0x11, 0x12, 0x13, 0x14,
                                                0x15, 0x16, 0x17, 0x18, 0x19};
const char* const kFirstEight = "$43 10 4C 00 00 7E 00 41 ";
const char* const kSecondEight = "$11 12 13 14 15 16 17 18 ";

struct DumpRow {
    const char* data1;
    const char* data2;
};

TEST(EventFormatter, SysExDumpsShowSixteenBytesARowAndAnEndMarker)
{
    struct Case {
        std::size_t length;
        std::vector<DumpRow> rows; // before the end marker
    };
    const std::vector<Case> cases = {
        {1, {{"$43 ", ""}}},
        {8, {{kFirstEight, ""}}},
        {9, {{kFirstEight, "$11 "}}},
        {16, {{kFirstEight, kSecondEight}, {"", ""}}},
        {17, {{kFirstEight, kSecondEight}, {"$19 ", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        MonitorRig rig;
        rig.SendSysEx(std::span(kDump).first(c.length));
        rig.Send(0xFA);
        (void)rig.Pass();

        const auto endRow = static_cast<std::int32_t>(c.rows.size() + 1);
        for (std::int32_t row = 1; row <= endRow; ++row) {
            EXPECT_EQ(rig.Cell(row, kNumberColumn), QString::number(row));
            EXPECT_EQ(rig.Cell(row, kSourceColumn), QStringLiteral("Ext"));
        }
        const auto status = [&](std::size_t row) {
            return row == 0 ? "Sysex Start ($F0)" : "";
        };
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(rig.Shown(static_cast<std::int32_t>(i + 1)),
                      expected({"", status(i), "", c.rows[i].data1, c.rows[i].data2}));
        EXPECT_EQ(rig.Shown(endRow), expected({"", "Sysex EOX ($F7)", "", "$F7", ""}));
        EXPECT_EQ(rig.Cell(endRow + 1, kStatusColumn), QStringLiteral("Song Start ($FA)"))
            << "the next message has a row of its own";
    }
}

TEST(EventFormatter, SysExDumpInDecimalFromAnOutputPort)
{
    MonitorRig rig(kDecimalTypes.settings());
    rig.SendSysEx(kDump, 3);
    (void)rig.Pass();
    EXPECT_EQ(rig.Cell(1, kSourceColumn), QStringLiteral("3"));
    EXPECT_EQ(rig.Cell(1, kData1Column), QStringLiteral("# 67  16  76   0   0 126   0  65 "));
    EXPECT_EQ(rig.Cell(2, kSourceColumn), QStringLiteral("Int"))
        << "rows that continue a dump name the host's output by word";
    EXPECT_EQ(rig.Cell(2, kData1Column), QStringLiteral("# 25 "));
    EXPECT_EQ(rig.Shown(3), expected({"", "Sysex EOX ($F7)", "", "#247", ""}));
    EXPECT_EQ(rig.Cell(3, kSourceColumn), QStringLiteral("Int"));
}

TEST(EventFormatter, SysExDumpWrapsPastTheEndOfTheArea)
{
    MonitorRig rig;
    rig.SendSysExAt(63996, std::span(kDump).first(8));
    (void)rig.Pass();
    EXPECT_EQ(rig.Cell(1, kData1Column), QString::fromUtf8(kFirstEight));
    EXPECT_EQ(rig.intake.SysExReadPos(), 3) << "63996 + 8 positions, 64000 followed by 0";
}

TEST(EventFormatter, EqualPositionsDumpTheWholeAreaOnce)
{
    OstraSettings settings;
    settings.DisplayEventCount = 5000;
    MonitorRig rig(settings);
    rig.block[HostLinkBlock::kSysExOffset + HostLinkBlock::kLastSysExPosition] = std::byte{0x7E};
    rig.block[HostLinkBlock::kSysExOffset] = std::byte{0x33};
    rig.Send(0xF0, 0x00, 0x01);
    rig.Send(0xF7, 0x00, 0x01);
    (void)rig.Pass();
    // 64001 bytes from position 1: 4000 full rows ending with position 64000, one row with
    // the byte at position 0, one with the end marker.
    EXPECT_EQ(rig.intake.EventCount(), 4002);
    EXPECT_EQ(rig.Cell(4000, kData2Column), QStringLiteral("$00 00 00 00 00 00 00 7E "));
    EXPECT_EQ(rig.Cell(4001, kData1Column), QStringLiteral("$33 "));
    EXPECT_EQ(rig.Cell(4002, kData1Column), QStringLiteral("$F7"));
    EXPECT_EQ(rig.intake.SysExReadPos(), 1);
}

TEST(EventFormatter, SysExPositionsOutsideTheAreaShowNoBytes)
{
    MonitorRig rig;
    rig.Send(0xF0, 0xFF, 0xFF);
    rig.Send(0xF7, 0x00, 0x05);
    rig.Send(0xF0, 0x00, 0x05);
    rig.Send(0xF7, 0xFA, 0x02); // 64002
    (void)rig.Pass();
    for (const std::int32_t start : {1, 3}) {
        EXPECT_EQ(rig.Shown(start), expected({"", "Sysex Start ($F0)", "", "", ""}));
        EXPECT_EQ(rig.Cell(start + 1, kStatusColumn), QStringLiteral("Sysex EOX ($F7)"));
    }
    EXPECT_EQ(rig.intake.EventCount(), 4);
}

TEST(EventFormatter, AnF7WithoutAShownF0DumpsFromWhereTheLastDumpEnded)
{
    MonitorRig rig;
    rig.SendSysExAt(100, std::span(kDump).first(4));
    rig.block[HostLinkBlock::kSysExOffset + 104] = std::byte{0x55};
    rig.block[HostLinkBlock::kSysExOffset + 105] = std::byte{0x66};
    (void)rig.Pass();
    rig.settings.EventTypeFilter[EventTypeIndex(0xF0)] = 0;
    rig.Send(0xF0, 0x00, 200);
    rig.Send(0xF7, 0x00, 106);
    (void)rig.Pass();
    EXPECT_EQ(rig.Cell(3, kData1Column), QStringLiteral("$55 66 "));
}

TEST(EventFormatter, WithTheEndHiddenTheNextMessageTakesOverTheStartsRow)
{
    MonitorRig rig;
    rig.settings.EventTypeFilter[EventTypeIndex(0xF7)] = 0;
    rig.SendSysEx(std::span(kDump).first(3));
    rig.Send(0x90, 60, 100);
    rig.Send(0x80, 60, 0);
    (void)rig.Pass();
    EXPECT_EQ(rig.Cell(1, kNumberColumn), QStringLiteral("1"));
    EXPECT_EQ(rig.Cell(1, kStatusColumn), QStringLiteral("Note On ($9x)"));
    EXPECT_EQ(rig.Cell(2, kNumberColumn), QStringLiteral("2"));
    EXPECT_EQ(rig.Cell(2, kStatusColumn), QStringLiteral("Note Off ($8x)"));
    EXPECT_EQ(rig.intake.EventCount(), 2);
}

TEST(EventFormatter, AFullDisplayThatStopsCutsADumpOff)
{
    OstraSettings settings;
    settings.DisplayEventCount = 10;
    settings.DisplayFullMode = kDisplayFullStop;
    MonitorRig rig(settings);
    for (std::uint8_t note = 0; note < 8; ++note)
        rig.Send(0x90, note, 100);
    std::array<std::uint8_t, 40> dump{};
    dump.fill(0x22);
    rig.SendSysEx(dump);
    rig.Send(0x90, 60, 100);

    const IdleResult result = rig.Pass();
    EXPECT_EQ(rig.intake.EventCount(), 10) << "no number beyond the last row";
    EXPECT_EQ(result.CurrentEventLabel, QStringLiteral("10"));
    EXPECT_EQ(rig.Cell(9, kStatusColumn), QStringLiteral("Sysex Start ($F0)"));
    EXPECT_EQ(rig.Cell(10, kNumberColumn), QStringLiteral("10"));
    EXPECT_EQ(rig.Cell(10, kData2Column), QStringLiteral("$22 22 22 22 22 22 22 22 "));
    EXPECT_FALSE(rig.intake.ClockRunning());
    EXPECT_FALSE(HostLinkBlock(rig.block.data()).RingEmpty()) << "the rest waits for a pass";

    (void)rig.Pass();
    EXPECT_TRUE(HostLinkBlock(rig.block.data()).RingEmpty()) << "and is then turned away";
    EXPECT_EQ(rig.intake.EventCount(), 10);
    EXPECT_EQ(rig.Cell(10, kData2Column), QStringLiteral("$22 22 22 22 22 22 22 22 "));
}

} // namespace
} // namespace velmar::monitor::test

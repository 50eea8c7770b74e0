#include "host/KorvoCommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmar::host {
namespace {

KorvoCommandLine parse(const std::vector<const char*>& arguments)
{
    QStringList list{QStringLiteral("korvo")};
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    return ParseKorvoCommandLine(list);
}

TEST(KorvoSongCommandLine, ReadsSongPortAndRecordingOptions)
{
    const KorvoCommandLine defaults = parse({});
    EXPECT_TRUE(defaults.songPath.empty());
    EXPECT_TRUE(defaults.midi.connections.inputs.empty());
    EXPECT_FALSE(defaults.midi.connections.noInputs);
    EXPECT_TRUE(defaults.midi.connections.outputs.empty());
    EXPECT_TRUE(defaults.midi.api.empty());
    EXPECT_TRUE(defaults.options.writeTakes);
    EXPECT_TRUE(defaults.options.recordTo.empty());
    EXPECT_FALSE(defaults.listPorts);

    const KorvoCommandLine line =
        parse({"--song", "a.mid", "--track-port", "2=5", "--track-port=3=16", "--record-to",
               "take.mid", "--midi-in", "Piano", "--midi-in", "pads", "--midi-out", "1=USB MIDI",
               "--midi-out", "10=FLUID Synth", "--midi-api", "JACK", "--list-ports"});
    ASSERT_FALSE(line.exitNow) << line.message.toStdString();
    EXPECT_EQ(line.songPath, "a.mid");
    EXPECT_EQ(line.trackPorts, (TrackPorts{{2, 5}, {3, 16}}));
    EXPECT_EQ(line.options.recordTo, "take.mid");
    EXPECT_EQ(line.midi.connections.inputs, (std::vector<std::string>{"Piano", "pads"}));
    EXPECT_EQ(line.midi.connections.outputs,
              (std::map<std::uint16_t, std::string>{{1, "USB MIDI"}, {10, "FLUID Synth"}}));
    EXPECT_EQ(line.midi.api, "jack");
    EXPECT_TRUE(line.listPorts);
    EXPECT_TRUE(parse({"--midi-in", "none"}).midi.connections.noInputs);
}

TEST(KorvoSongCommandLine, RefusesBadPortOptionsNamingTheOption)
{
    const std::vector<std::vector<const char*>> bad = {
        {"--track-port", "0=1"},
        {"--track-port", "1=17"},
        {"--track-port", "1"},
        {"--track-port", "x=1"},
        {"--midi-out", "17=virtual"},
        {"--midi-out", "1="},
        {"--midi-out", "=virtual"},
        {"--midi-api", "oss"},
        {"--midi-in", ""},
        {"--midi-in", "none", "--midi-in", "Piano"},
    };
    for (const auto& arguments : bad) {
        const KorvoCommandLine line = parse(arguments);
        EXPECT_TRUE(line.exitNow) << arguments[0] << " " << arguments[1];
        EXPECT_EQ(line.exitCode, 2);
        EXPECT_TRUE(line.message.contains(QString::fromUtf8(arguments[0])))
            << line.message.toStdString();
    }
}

} // namespace
} // namespace velmar::host

#include "drums/core/HintLine.h"

#include <gtest/gtest.h>

namespace velmar::drums {
namespace {

constexpr int kBassDrum1 = 9;
constexpr int kOpenSurdo = 60;

TEST(HintLine, InstrumentHintAddsWhatTheFlagsAsk)
{
    const struct {
        int flags;
        const char* text;
    } cases[] = {
        {0, "Bass Drum 1"},
        {kHintNoteName, "Bass Drum 1 -- C 3"},
        {kHintNoteNumber, "Bass Drum 1 -- #36"},
        {kHintComputerKey, "Bass Drum 1 -- 'Z'"},
        {kHintNoteName | kHintNoteNumber | kHintComputerKey, "Bass Drum 1 -- C 3 -- #36 -- 'Z'"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InstrumentHint(kBassDrum1, c.flags).toStdString(), c.text) << c.flags;
}

TEST(HintLine, WritesOnlyWhatChanges)
{
    KettraSettings settings;
    HintLine line(settings);
    EXPECT_EQ(line.Elsewhere(), std::nullopt) << "the general hint shows at the start";
    EXPECT_EQ(line.OverInstrument(kBassDrum1), QStringLiteral("Bass Drum 1 -- C 3"));
    EXPECT_EQ(line.OverInstrument(kBassDrum1), std::nullopt);
    EXPECT_EQ(line.OverInstrument(std::nullopt), QStringLiteral("Press F1 for Help"));
    EXPECT_EQ(line.OverInstrument(std::nullopt), std::nullopt);
    EXPECT_EQ(line.OverInstrument(kBassDrum1), QStringLiteral("Bass Drum 1 -- C 3"))
        << "back on the same instrument after leaving it";
    EXPECT_EQ(line.Elsewhere(), QStringLiteral("Press F1 for Help"));

    settings.HintFlags = 0;
    EXPECT_EQ(line.OverInstrument(kBassDrum1), QStringLiteral("Bass Drum 1"));
}

TEST(HintLine, TransportStripsByTheirHints)
{
    KettraSettings settings;
    HintLine line(settings);
    EXPECT_EQ(line.OverTransport(300, 336), QStringLiteral("Stop (Space key)"));
    EXPECT_EQ(line.OverTransport(335, 336), std::nullopt) << "the same strip";
    EXPECT_EQ(line.OverTransport(293, 336), QStringLiteral("Rewind (Return key)"));
}

TEST(HintLine, TheLastInstrumentIsNotTheBarsLeftoverEdge)
{
    KettraSettings settings;
    settings.HintFlags = 0;
    HintLine line(settings);
    EXPECT_EQ(line.OverInstrument(kOpenSurdo), QStringLiteral("Open Surdo"));
    EXPECT_EQ(line.OverTransport(2, 150), QStringLiteral("Press F1 for Help"));
    EXPECT_EQ(line.OverInstrument(kOpenSurdo), QStringLiteral("Open Surdo"));
}

} // namespace
} // namespace velmar::drums

#include "drums/core/KitTable.h"

#include "drums/core/RoundHalfEven.h"
#include "drums/core/ScaledKit.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <set>
#include <vector>

namespace velmar::drums {
namespace {

std::optional<int> noteAt(const ScaledKit& kit, int x, int y)
{
    const std::optional<int> index = kit.InstrumentAt(QPoint(x, y));
    return index ? std::optional<int>(*index + kFirstDrumNote) : std::nullopt;
}

TEST(ScaledKit, PointToInstrument)
{
    struct Case {
        int x;
        int y;
        std::optional<int> note;
    };
    const std::vector<Case> cases = {
        {20, 42, 73},             // guiro bands overlap: the lower note wins
        {10, 110, 80},            // triangle bands overlap
        {254, 203, 27},           // top left corner is inside
        {278, 223, 27},           // last pixel inside
        {279, 210, std::nullopt}, // Right edge is outside
        {278, 224, std::nullopt}, // Bottom edge is outside
        {263, 304, 35},           // bass drum bands
        {263, 305, 36},
        {342, 300, 43},
        {0, 0, 74},
        {599, 399, std::nullopt},
        {-1, 5, std::nullopt},
    };
    const ScaledKit kit;
    for (const Case& c : cases)
        EXPECT_EQ(noteAt(kit, c.x, c.y), c.note) << c.x << ',' << c.y;
}

TEST(ScaledKit, QuarterScaleRoundsHalvesToEven)
{
    ScaledKit kit;
    kit.Rescale(0.25);
    // 263, 305, 342, 355 × 0.25 = 65.75, 76.25, 85.5, 88.75
    EXPECT_EQ(kit.HitRect(9), QRect(QPoint(66, 76), QPoint(85, 88)));
    EXPECT_EQ(noteAt(kit, 66, 76), 36);
    EXPECT_EQ(noteAt(kit, 85, 88), 36);
    EXPECT_EQ(noteAt(kit, 86, 80), 43);

    kit.Rescale(1.0);
    EXPECT_EQ(kit.HitRect(9), QRect(QPoint(263, 305), QPoint(341, 354)));
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour)
{
    const std::vector<std::pair<double, int>> cases = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {85.5, 86},
        {84.5, 84},
        {65.75, 66},
        {76.25, 76},
        {-0.5, 0},
        {-1.5, -2},
        {-2.4, -2},
        {1e300, std::numeric_limits<int>::max()},
        {-1e300, std::numeric_limits<int>::min()},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(KitTable, KeysPlayTheirInstruments)
{
    const std::vector<std::pair<int, std::optional<int>>> cases = {
        {192, 33},          // grave accent and tilde: metronome click
        {8, 34},            // Backspace: metronome bell
        {88, 35},           // 'X'
        {90, 36},           // 'Z'
        {101, 73},          // keypad 5
        {12, 73},           // keypad 5 with Shift and NumLock: Clear
        {46, 58},           // keypad . with Shift: Delete
        {0, std::nullopt},  // the "no navigation key" mark plays nothing
        {16, std::nullopt}, // Shift, Return, Space, Tab belong elsewhere
        {13, std::nullopt},
        {32, std::nullopt},
        {9, std::nullopt},
        {255, std::nullopt},
    };
    for (const auto& [key, note] : cases) {
        const std::optional<int> index = InstrumentForKey(key);
        EXPECT_EQ(index ? std::optional<int>(*index + kFirstDrumNote) : std::nullopt, note) << key;
    }
    EXPECT_EQ(KeyHintText(6), QStringLiteral("'~' (tilde key)"));
    EXPECT_EQ(KeyHintText(7), QStringLiteral("Del (left arrow key)"));
}

TEST(KitTable, EveryKeyPlaysOneInstrumentAndNavigationKeysAreTheShiftedKeypad)
{
    std::multiset<int> keys;
    std::set<int> navigation;
    for (const DrumInstrument& row : KitTable) {
        keys.insert(row.Key);
        if (row.NavigationKey != 0) {
            keys.insert(row.NavigationKey);
            navigation.insert(row.NavigationKey);
        }
    }
    for (const int key : keys)
        EXPECT_EQ(keys.count(key), 1U) << key;
    // Clear, Page Up, Page Down, End, Home, the four arrows, Insert, Delete.
    EXPECT_EQ(navigation, (std::set<int>{12, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46}));
}

TEST(KitTable, GroupsShareTheirAnchorsRow)
{
    const std::vector<std::pair<int, int>> noteToAnchorNote = {
        {42, 42}, {44, 42}, {46, 42}, {80, 80}, {81, 80}, {73, 73}, {74, 73}, {71, 71}, {72, 71},
        {29, 29}, {30, 29}, {33, 33}, {34, 33}, {32, 36}, {35, 36}, {36, 36}, {38, 38}, {54, 54},
    };
    for (const auto& [note, anchorNote] : noteToAnchorNote) {
        EXPECT_EQ(GroupAnchor(note - kFirstDrumNote) + kFirstDrumNote, anchorNote) << note;
    }
    EXPECT_EQ(InstrumentForNote(26), std::nullopt);
    EXPECT_EQ(InstrumentForNote(88), std::nullopt);
    EXPECT_EQ(InstrumentForNote(87), 60);
}

TEST(KitTable, NamesAndNoteNames)
{
    EXPECT_EQ(NoteName(36), QStringLiteral("C 3"));
    EXPECT_EQ(NoteName(61), QStringLiteral("Db 5"));
    EXPECT_EQ(NoteName(87), QStringLiteral("Eb 7"));
    EXPECT_EQ(NoteName(127), QStringLiteral("G 10"));
    EXPECT_EQ(InstrumentName(9), QStringLiteral("Bass Drum 1"));
    EXPECT_EQ(InstrumentName(60), QStringLiteral("Open Surdo"));
}

} // namespace
} // namespace velmar::drums

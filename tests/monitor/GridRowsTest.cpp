#include "monitor/core/EventText.h"
#include "monitor/core/RowCopy.h"
#include "monitor/core/RowSearch.h"
#include "monitor/core/RowsOnDisplay.h"
#include "tests/monitor/MonitorRig.h"

#include <gtest/gtest.h>

namespace velmar::monitor::test {
namespace {

OstraSettings wrapping(std::int16_t rows)
{
    OstraSettings settings;
    settings.DisplayEventCount = rows;
    settings.DisplayFullMode = kDisplayFullWrap;
    return settings;
}

std::vector<std::int32_t> onDisplay(const MonitorRig& rig)
{
    return RowsOnDisplay(rig.grid.rows(), rig.intake.CurrentRow(), rig.intake.Wrapped());
}

std::optional<std::int32_t> found(const MonitorRig& rig, QStringView text,
                                  std::optional<std::int32_t> fromRow, SearchDirection direction,
                                  bool* wentRound = nullptr)
{
    const std::vector<std::int32_t> order = onDisplay(rig);
    std::optional<std::size_t> from;
    if (fromRow)
        from = static_cast<std::size_t>(std::find(order.begin(), order.end(), *fromRow) -
                                        order.begin());
    const std::optional<SearchHit> hit = FindRow(rig.grid.rows(), order, text, from, direction);
    if (!hit)
        return std::nullopt;
    if (wentRound != nullptr)
        *wentRound = hit->WentRound;
    return order[hit->Position];
}

TEST(RowsOnDisplay, OldestFirstSkippingTheSeparatorOnceWrapped)
{
    MonitorRig rig(wrapping(6));
    EXPECT_TRUE(onDisplay(rig).empty());
    for (std::uint8_t note = 0; note < 8; ++note)
        rig.Send(0x90, note, 1);
    (void)rig.Pass();
    // Events 1 to 8 in rows 1 to 6: 7 and 8 went to rows 1 and 2, row 3 is the separator.
    EXPECT_EQ(onDisplay(rig), (std::vector<std::int32_t>{4, 5, 6, 1, 2}));
}

TEST(RowSearch, FindsInAnyCellIgnoringCaseAndGoesRoundBothWays)
{
    MonitorRig rig(wrapping(10));
    rig.Send(0x90, 60, 100); // row 1: "Note On", "Pitch = C  5 ..."
    rig.Send(0xB0, 7, 90);   // row 2: "CC Type = $07 Main Volume MSB"
    rig.Send(0x90, 62, 100); // row 3
    rig.Send(0xFA);          // row 4: "Song Start ($FA)"
    (void)rig.Pass();

    EXPECT_EQ(found(rig, u"note on", std::nullopt, SearchDirection::Forward), 1);
    EXPECT_EQ(found(rig, u"note on", std::nullopt, SearchDirection::Backward), 3);
    EXPECT_EQ(found(rig, u"NOTE ON", 1, SearchDirection::Forward), 3);
    EXPECT_EQ(found(rig, u"main volume", 3, SearchDirection::Backward), 2);

    bool wentRound = false;
    EXPECT_EQ(found(rig, u"Note On", 3, SearchDirection::Forward, &wentRound), 1);
    EXPECT_TRUE(wentRound) << "past the newest row to the oldest";
    EXPECT_EQ(found(rig, u"Note On", 1, SearchDirection::Backward, &wentRound), 3);
    EXPECT_TRUE(wentRound);
    EXPECT_EQ(found(rig, u"$FA", 4, SearchDirection::Forward, &wentRound), 4)
        << "the only match is the row the search started from";
    EXPECT_TRUE(wentRound);
    EXPECT_EQ(found(rig, u"Note On", 1, SearchDirection::Forward, &wentRound), 3);
    EXPECT_FALSE(wentRound);
}

TEST(RowSearch, NothingMatchesAnUnknownTextAnEmptyTextOrAnEmptyGrid)
{
    MonitorRig rig(wrapping(10));
    EXPECT_EQ(found(rig, u"Note", std::nullopt, SearchDirection::Forward), std::nullopt);
    rig.Send(0x90, 60, 100);
    (void)rig.Pass();
    EXPECT_EQ(found(rig, u"Pitch Bend", 1, SearchDirection::Forward), std::nullopt);
    EXPECT_EQ(found(rig, u"", 1, SearchDirection::Forward), std::nullopt);
}

TEST(RowSearch, SeesOnlyRowsOnDisplayAfterTheGridWrapped)
{
    MonitorRig rig(wrapping(4));
    rig.Send(0xB0, 7, 1); // event 1, overwritten by event 5 in row 1
    for (int i = 0; i < 4; ++i)
        rig.Send(0x90, 60, 1);
    (void)rig.Pass();
    EXPECT_EQ(found(rig, u"Main Volume", std::nullopt, SearchDirection::Forward), std::nullopt);
}

TEST(RowCopy, LinesAreTheTextExportsLinesWithTheHeaderFirst)
{
    MonitorRig rig(wrapping(6));
    rig.Send(0x90, 60, 100);
    rig.Send(0xC3, 5);
    const std::vector<std::uint8_t> dump{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0x41};
    rig.SendSysEx(dump);
    rig.Send(0xE0, 0, 64);
    (void)rig.Pass();

    const std::vector<std::int32_t> rows = onDisplay(rig);
    const std::optional<std::string> file =
        BufferFileText(rig.grid, rig.intake.CurrentRow(), rig.intake.Wrapped());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(RowsText(rig.grid, rows, u"\r\n").toStdString(), *file)
        << "every row copied is the file's text";

    const QStringList fileLines = QString::fromStdString(*file).split(QStringLiteral("\r\n"));
    const QStringList copied =
        RowsText(rig.grid, std::vector<std::int32_t>{2, 4}, u"\n").split(u'\n');
    EXPECT_EQ(copied, (QStringList{fileLines[0], fileLines[2], fileLines[4], QString()}));
    EXPECT_EQ(copied[0].count(u'\t'), 7);
}

} // namespace
} // namespace velmar::monitor::test

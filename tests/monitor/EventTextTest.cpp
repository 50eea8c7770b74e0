#include "monitor/core/EventText.h"

#include "monitor/core/TextFileSave.h"
#include "tests/monitor/MonitorRig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace velmar::monitor::test {
namespace {

const std::string kHeader = "Evt #\tTime (mS)\tSource\tRaw\tStatus\tChan\tData 1\tData 2\r\n";
const std::string kSeparator = "\t\t\t\t\t\t\t\r\n";

OstraSettings ring(std::int16_t rows, std::int16_t mode)
{
    OstraSettings settings;
    settings.DisplayEventCount = rows;
    settings.DisplayFullMode = mode;
    return settings;
}

// Note-ons whose event numbers and pitches differ, all in one pass.
void sendNotes(MonitorRig& rig, int count)
{
    for (int i = 0; i < count; ++i)
        rig.Send(0x90, static_cast<std::uint8_t>(i % 128), 100);
    (void)rig.Pass();
}

// The line of grid row `row` as the file holds it, from the grid's cells one by one.
std::string line(const MonitorRig& rig, std::int32_t row)
{
    std::string text;
    for (std::size_t column = 0; column < kGridColumnCount; ++column)
        text += rig.Cell(row, column).toStdString() + (column < 7 ? "\t" : "\r\n");
    return text;
}

std::string lines(const MonitorRig& rig, std::initializer_list<std::int32_t> rows)
{
    std::string text = kHeader;
    for (const std::int32_t row : rows)
        text += line(rig, row);
    return text;
}

std::string block(const MonitorRig& rig, std::size_t limit = kTextAreaLimit)
{
    return BuildTextBlock(rig.grid, rig.intake.CurrentRow(), limit).Text().toStdString();
}

std::optional<std::string> file(const MonitorRig& rig)
{
    return BufferFileText(rig.grid, rig.intake.CurrentRow(), rig.intake.Wrapped());
}

TEST(EventText, AnEmptyGridGivesTheHeaderOnlyAndNoFile)
{
    MonitorRig rig;
    EXPECT_EQ(block(rig), kHeader);
    EXPECT_EQ(file(rig), std::nullopt);

    sendNotes(rig, 3);
    rig.intake.ClearMIDIGrid();
    EXPECT_EQ(block(rig), kHeader) << "just cleared";
    EXPECT_EQ(file(rig), std::nullopt);
}

TEST(EventText, OneEventIsOneLineUnderTheHeader)
{
    MonitorRig rig;
    rig.Send(0x91, 60, 100);
    (void)rig.Pass();
    const std::string expected =
        kHeader +
        "1\t0\tExt\t91 3C 64 \tNote On ($9x)\t  2 \tPitch = C  5  60 \tVelocity = 100 \r\n";
    EXPECT_EQ(block(rig), expected);
    EXPECT_EQ(file(rig), expected);
}

// The file holds every event the grid shows, oldest first, also where the event number
// restarts at each wrap; the window stops at the empty separator row.
TEST(EventText, TheRingIsReadOldestFirstInEveryFullMode)
{
    struct Case {
        const char* name;
        std::int16_t mode;
        int events;
        int filteredAfter; // MIDI clocks, which the default filter keeps out
        std::initializer_list<std::int32_t> window;
        std::initializer_list<std::int32_t> file;
    };
    const std::initializer_list<std::int32_t> firstSeven = {1, 2, 3, 4, 5, 6, 7};
    const std::initializer_list<std::int32_t> allTen = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::initializer_list<std::int32_t> firstNine = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::initializer_list<std::int32_t> lastNine = {10, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    // 25 events in 10 rows: row 6 is the empty separator.
    const std::initializer_list<std::int32_t> wrappedWindow = {7, 8, 9, 10, 1, 2, 3, 4, 5};
    const std::initializer_list<std::int32_t> wrappedFile = {6, 7, 8, 9, 10, 1, 2, 3, 4, 5};
    const Case cases[] = {
        {"Stop, not full", kDisplayFullStop, 7, 0, firstSeven, firstSeven},
        {"Stop, full", kDisplayFullStop, 10, 0, allTen, allTen},
        {"Stop, events turned away", kDisplayFullStop, 25, 0, allTen, allTen},
        {"Wrap, not wrapped", kDisplayFullWrap, 7, 0, firstSeven, firstSeven},
        {"Wrap, full", kDisplayFullWrap, 10, 0, allTen, allTen},
        {"Wrap, wrapped", kDisplayFullWrap, 25, 0, wrappedWindow, wrappedFile},
        {"Wrap, separator in the last row", kDisplayFullWrap, 19, 0, firstNine, lastNine},
        {"Clear count, not wrapped", kDisplayFullWrapClearCount, 7, 0, firstSeven, firstSeven},
        {"Clear count, full", kDisplayFullWrapClearCount, 10, 0, allTen, allTen},
        {"Clear count, wrapped", kDisplayFullWrapClearCount, 25, 0, wrappedWindow, wrappedFile},
        {"Clear count, separator in the last row", kDisplayFullWrapClearCount, 19, 0, firstNine,
         lastNine},
        {"Clear count, restarted by an event not shown", kDisplayFullWrapClearCount, 10, 1, allTen,
         allTen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MonitorRig rig(ring(10, c.mode));
        sendNotes(rig, c.events);
        for (int i = 0; i < c.filteredAfter; ++i)
            rig.Send(0xF8);
        (void)rig.Pass();
        EXPECT_EQ(block(rig), lines(rig, c.window));
        const std::optional<std::string> written = file(rig);
        ASSERT_TRUE(written);
        EXPECT_EQ(*written, lines(rig, c.file));
    }

    for (const std::int16_t mode : {kDisplayFullWrap, kDisplayFullWrapClearCount}) {
        MonitorRig wrapped(ring(10, mode));
        sendNotes(wrapped, 25);
        EXPECT_EQ(line(wrapped, 6), kSeparator);
        const bool restarts = mode == kDisplayFullWrapClearCount;
        EXPECT_EQ(wrapped.Cell(7, kNumberColumn),
                  restarts ? QStringLiteral("7") : QStringLiteral("17"));
        EXPECT_EQ(wrapped.Cell(5, kNumberColumn),
                  restarts ? QStringLiteral("5") : QStringLiteral("25"));
    }
}

// Clearing or resizing the grid starts the ring afresh: nothing is read from before.
TEST(EventText, AClearedGridStartsTheRingAfresh)
{
    MonitorRig rig(ring(10, kDisplayFullWrapClearCount));
    sendNotes(rig, 25);
    rig.intake.ClearMIDIGrid();
    sendNotes(rig, 3);
    EXPECT_EQ(file(rig), lines(rig, {1, 2, 3}));

    sendNotes(rig, 20);
    rig.settings.DisplayEventCount = 20;
    ASSERT_TRUE(rig.intake.ApplyDisplayEventCount());
    EXPECT_EQ(file(rig), std::nullopt);
    sendNotes(rig, 4);
    EXPECT_EQ(file(rig), lines(rig, {1, 2, 3, 4}));
}

TEST(EventText, AFullTextAreaKeepsTheNewestEventsAsWholeLines)
{
    MonitorRig rig(ring(100, kDisplayFullWrap));
    sendNotes(rig, 40);
    const std::size_t lineLength = line(rig, 40).size();
    // Room for the header and three and a half lines.
    const std::size_t limit = kHeader.size() + 3 * lineLength + lineLength / 2;
    EXPECT_EQ(block(rig, limit), lines(rig, {38, 39, 40}));
    EXPECT_EQ(block(rig, kHeader.size() - 1), "") << "not even the header fits";
}

TEST(EventText, InsertLineTakesOnlyLinesThatExist)
{
    TextBlock text(100);
    EXPECT_FALSE(text.InsertLine(-1, QStringLiteral("a")));
    EXPECT_FALSE(text.InsertLine(1, QStringLiteral("a"))) << "no line 1 in an empty text";
    EXPECT_TRUE(text.InsertLine(0, QStringLiteral("head")));
    EXPECT_TRUE(text.InsertLine(1, QStringLiteral("old")));
    EXPECT_TRUE(text.InsertLine(1, QStringLiteral("new")));
    EXPECT_TRUE(text.InsertLine(3, QStringLiteral("end")));
    EXPECT_FALSE(text.InsertLine(5, QStringLiteral("a")));
    EXPECT_EQ(text.Text(), QStringLiteral("head\r\nnew\r\nold\r\nend\r\n"));
}

TEST(EventText, TheWindowsTextIsSavedWithCrLf)
{
    EXPECT_EQ(TextFileBytes(QStringLiteral("a\tb\n\u00e9\n")), "a\tb\r\n\xc3\xa9\r\n");
}

TEST(TextFileSave, ReplacesAnExistingFileWholeOrNotAtAll)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("events.txt"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and longer text that must not survive\r\n");
    old.close();

    EXPECT_EQ(SaveTextFile(path, "new\r\n"), std::nullopt);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("new\r\n"));
    old.close();

    const QString missing = directory.filePath(QStringLiteral("no/such/dir/events.txt"));
    const std::optional<QString> failure = SaveTextFile(missing, "x");
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(missing));
    EXPECT_TRUE(failure->contains(QStringLiteral("No such file or directory")))
        << failure->toStdString();
}

TEST(TextFileSave, AFailedSaveKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into any directory";
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("events.txt"));
    ASSERT_EQ(SaveTextFile(path, "new\r\n"), std::nullopt);
    QFile old(path);

    ASSERT_TRUE(QFile::setPermissions(directory.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_TRUE(SaveTextFile(path, "newer\r\n"));
    ASSERT_TRUE(QFile::setPermissions(directory.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("new\r\n"));
}

} // namespace
} // namespace velmar::monitor::test

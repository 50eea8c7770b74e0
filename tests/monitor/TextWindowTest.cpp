#include "monitor/core/EventText.h"
#include "monitor/dialogs/EventTextWindow.h"
#include "monitor/dialogs/WorkingWindow.h"
#include "tests/monitor/DialogTestSupport.h"
#include "tests/monitor/MonitorRig.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace velmar::monitor::test {
namespace {

struct TextRig {
    explicit TextRig(std::int16_t rows = 1000)
        : monitor(settingsWith(rows))
        , textWindow(monitor.grid, monitor.intake, monitor.settings, working, mainWindow, QString())
    {}

    static OstraSettings settingsWith(std::int16_t rows)
    {
        OstraSettings settings;
        settings.DisplayEventCount = rows;
        return settings;
    }

    void sendNotes(int count)
    {
        for (int i = 0; i < count; ++i)
            monitor.Send(0x90, static_cast<std::uint8_t>(i), 100);
        (void)monitor.Pass();
    }

    [[nodiscard]] std::string memoBytes() const
    {
        return TextFileBytes(textWindow.TextArea->toPlainText());
    }

    [[nodiscard]] std::string expectedBlock() const
    {
        return BuildTextBlock(monitor.grid, monitor.intake.CurrentRow()).Text().toStdString();
    }

    QWidget mainWindow;
    MonitorRig monitor;
    WorkingWindow working{monitor.settings, mainWindow};
    EventTextWindow textWindow;
};

std::string readAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

void writeFile(const QString& path, const char* text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Answers the next Save dialog with `path`.
void chooseFile(const QString& path)
{
    whenModal<QFileDialog>([path](QFileDialog* dialog) {
        // Typed as a user types it: selecting an existing file reaches the name field later.
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // the file dialog's own accept is protected
        return true;
    });
}

TEST(EventTextWindow, BuildsTheRecentEventsSelectedWithTheWorkingWindowGone)
{
    TextRig rig(10);
    rig.monitor.settings.DisplayFullMode = kDisplayFullWrap;
    rig.sendNotes(25);
    rig.textWindow.BuildTextBlock();
    const std::string text = rig.memoBytes();
    EXPECT_EQ(text, rig.expectedBlock());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10) << "header and events 17 to 25";
    EXPECT_EQ(rig.textWindow.TextArea->textCursor().selectedText().size(),
              rig.textWindow.TextArea->toPlainText().size());
    EXPECT_FALSE(rig.working.isVisible());

    TextRig empty;
    empty.textWindow.BuildTextBlock();
    EXPECT_EQ(empty.memoBytes(), "Evt #\tTime (mS)\tSource\tRaw\tStatus\tChan\tData 1\tData 2\r\n");
}

// Each column starts at one place on every line, no further left than in the grid, however
// long the texts of the columns before it.
TEST(EventTextWindow, ColumnsLineUpAsInTheGrid)
{
    QWidget mainWindow;
    MonitorRig monitor;
    WorkingWindow working{monitor.settings, mainWindow};
    const std::array<int, kGridColumnCount> grid = {37, 55, 39, 50, 90, 30, 120, 120};
    EventTextWindow window(monitor.grid, monitor.intake, monitor.settings, working, mainWindow,
                           QString(), [&grid] { return grid; });
    monitor.Send(0x90, 60, 100);
    monitor.Send(0xF1, 0x35);        // a long status name
    monitor.Send(0xB3, 64, 127, 12); // a long controller name, another source
    monitor.Send(0xF6);              // a system message with no data
    (void)monitor.Pass();
    window.BuildTextBlock();
    window.show();

    QPlainTextEdit& text = *window.TextArea;
    std::vector<std::vector<int>> starts; // the x of each column's first letter, by line
    for (QTextBlock line = text.document()->begin(); line.isValid(); line = line.next()) {
        if (line.text().isEmpty())
            continue; // after the last line's end
        std::vector<int> xs;
        QTextCursor cursor(line);
        xs.push_back(text.cursorRect(cursor).x());
        for (int at = 0; at < line.length() - 1; ++at) {
            if (line.text()[at] != QLatin1Char('\t'))
                continue;
            cursor.setPosition(line.position() + at + 1);
            xs.push_back(text.cursorRect(cursor).x());
        }
        starts.push_back(xs);
    }
    ASSERT_EQ(starts.size(), 5U) << "the header and four events";
    int gridStart = starts[0][0];
    for (std::size_t column = 0; column < kGridColumnCount; ++column) {
        for (const std::vector<int>& line : starts) {
            ASSERT_EQ(line.size(), kGridColumnCount);
            EXPECT_EQ(line[column], starts[0][column]) << "column " << column;
        }
        EXPECT_GE(starts[0][column], gridStart) << "column " << column;
        gridStart += grid[column];
    }
}

TEST(EventTextWindow, SelectAllClearAndCopyWorkOnTheSelection)
{
    TextRig rig;
    rig.sendNotes(3);
    rig.textWindow.BuildTextBlock();
    rig.textWindow.show();
    QTextCursor cursor = rig.textWindow.TextArea->textCursor();
    cursor.setPosition(0);
    rig.textWindow.TextArea->setTextCursor(cursor);
    const QString before = rig.textWindow.TextArea->toPlainText();
    rig.textWindow.ClearButton->click();
    EXPECT_EQ(rig.textWindow.TextArea->toPlainText(), before)
        << "nothing selected, nothing deleted";

    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    rig.textWindow.TextArea->setTextCursor(cursor);
    rig.textWindow.CopyButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Evt #"));

    rig.textWindow.SelectAllButton->click();
    rig.textWindow.ClearButton->click();
    EXPECT_EQ(rig.textWindow.TextArea->toPlainText(), QString());

    rig.textWindow.OKButton->click();
    EXPECT_FALSE(rig.textWindow.isVisible());
}

TEST(EventTextWindow, ClosingThrowsTheTextAway)
{
    TextRig rig;
    rig.sendNotes(2);
    rig.textWindow.BuildTextBlock();
    rig.textWindow.show();
    rig.textWindow.close();
    EXPECT_EQ(rig.textWindow.TextArea->toPlainText(), QString());
}

TEST(EventTextWindow, SaveButtonReplacesAnExistingFile)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("recent.txt"));
    writeFile(path, "an older, longer file that must be gone entirely\r\n");
    TextRig rig;
    rig.sendNotes(4);
    rig.textWindow.BuildTextBlock();
    rig.textWindow.show();
    chooseFile(path);
    rig.textWindow.SaveButton->click();
    EXPECT_EQ(readAll(path), rig.expectedBlock());
    EXPECT_TRUE(rig.textWindow.isVisible());
}

TEST(EventTextWindow, SaveBufferToFileWritesTheWholeRing)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("buffer.txt"));
    writeFile(path, "an older, longer file that must be gone entirely\r\n");
    TextRig rig(10);
    rig.monitor.settings.DisplayFullMode = kDisplayFullWrap;
    rig.sendNotes(25);
    chooseFile(path);
    rig.textWindow.SaveBufferToFile();
    const std::optional<std::string> expected = BufferFileText(
        rig.monitor.grid, rig.monitor.intake.CurrentRow(), rig.monitor.intake.Wrapped());
    ASSERT_TRUE(expected);
    EXPECT_EQ(readAll(path), *expected);
    EXPECT_FALSE(rig.textWindow.isVisible());
}

TEST(EventTextWindow, SaveBufferToFileDoesNothingWithoutEvents)
{
    TextRig rig;
    bool asked = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &watch, [&asked] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            asked = true;
            dialog->reject();
        }
    });
    watch.start(10);
    rig.textWindow.SaveBufferToFile();
    EXPECT_FALSE(asked);
}

TEST(EventTextWindow, ResizingKeepsTheButtonsOnTheBottomEdge)
{
    TextRig rig;
    rig.textWindow.show();
    for (const QSize size : {QSize(586, 368), QSize(300, 120), QSize(900, 700)}) {
        rig.textWindow.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(rig.textWindow.TextArea->geometry(),
                  QRect(0, 0, size.width(), size.height() - 25));
        for (const QPushButton* button :
             rig.textWindow.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
            EXPECT_EQ(button->y(), size.height() - 21);
            EXPECT_EQ(button->height(), 21);
        }
        EXPECT_EQ(rig.textWindow.SaveButton->x(), 412);
    }
}

TEST(EventTextWindow, HasTheDesignedLayout)
{
    TextRig rig;
    rig.sendNotes(12);
    rig.textWindow.BuildTextBlock();
    EXPECT_EQ(rig.textWindow.windowTitle(), QStringLiteral("Save Text"));
    EXPECT_EQ(rig.textWindow.SaveDialog->windowTitle(), QStringLiteral("Save Event Text"));
    EXPECT_EQ(rig.textWindow.SaveDialog->defaultSuffix(), QStringLiteral("txt"));
    ExpectDesignedLayout(rig.textWindow, QStringLiteral("EventTextWindow"));
    EXPECT_EQ(rig.working.size(), QSize(279, 62));
    EXPECT_EQ(rig.working.windowTitle(), QStringLiteral("Working..."));
    ExpectDesignedLayout(rig.working, QStringLiteral("WorkingWindow"));
}

} // namespace
} // namespace velmar::monitor::test

#include "monitor/core/EventText.h"
#include "monitor/dialogs/TForm4.h"
#include "monitor/dialogs/TForm5.h"
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
#include <QTextCursor>

#include <algorithm>
#include <string>

namespace velmar::monitor::test {
namespace {

struct TextRig {
    explicit TextRig(std::int16_t rows = 1000)
        : monitor(settingsWith(rows))
        , form5(monitor.grid, monitor.intake, monitor.settings, form4, mainWindow, QString())
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
        return TextFileBytes(form5.Memo1->toPlainText());
    }

    [[nodiscard]] std::string expectedBlock() const
    {
        return BuildTextBlock(monitor.grid, monitor.intake.CurrentRow()).Text().toStdString();
    }

    QWidget mainWindow;
    MonitorRig monitor;
    TForm4 form4{monitor.settings, mainWindow};
    TForm5 form5;
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

TEST(TForm5, BuildsTheRecentEventsSelectedWithTheWorkingWindowGone)
{
    TextRig rig(10);
    rig.monitor.settings.DisplayFullMode = kDisplayFullWrap;
    rig.sendNotes(25);
    rig.form5.BuildTextBlock();
    const std::string text = rig.memoBytes();
    EXPECT_EQ(text, rig.expectedBlock());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10) << "header and events 17 to 25";
    EXPECT_EQ(rig.form5.Memo1->textCursor().selectedText().size(),
              rig.form5.Memo1->toPlainText().size());
    EXPECT_FALSE(rig.form4.isVisible());

    TextRig empty;
    empty.form5.BuildTextBlock();
    EXPECT_EQ(empty.memoBytes(), "Evt #\tTime (mS)\tSource\tRaw\tStatus\tChan\tData 1\tData 2\r\n");
}

TEST(TForm5, SelectAllClearAndCopyWorkOnTheSelection)
{
    TextRig rig;
    rig.sendNotes(3);
    rig.form5.BuildTextBlock();
    rig.form5.show();
    QTextCursor cursor = rig.form5.Memo1->textCursor();
    cursor.setPosition(0);
    rig.form5.Memo1->setTextCursor(cursor);
    const QString before = rig.form5.Memo1->toPlainText();
    rig.form5.ClearButton->click();
    EXPECT_EQ(rig.form5.Memo1->toPlainText(), before) << "nothing selected, nothing deleted";

    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    rig.form5.Memo1->setTextCursor(cursor);
    rig.form5.CopyButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Evt #"));

    rig.form5.SelectAllButton->click();
    rig.form5.ClearButton->click();
    EXPECT_EQ(rig.form5.Memo1->toPlainText(), QString());

    rig.form5.OKButton->click();
    EXPECT_FALSE(rig.form5.isVisible());
}

TEST(TForm5, ClosingThrowsTheTextAway)
{
    TextRig rig;
    rig.sendNotes(2);
    rig.form5.BuildTextBlock();
    rig.form5.show();
    rig.form5.close();
    EXPECT_EQ(rig.form5.Memo1->toPlainText(), QString());
}

TEST(TForm5, SaveButtonReplacesAnExistingFile)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("recent.txt"));
    writeFile(path, "an older, longer file that must be gone entirely\r\n");
    TextRig rig;
    rig.sendNotes(4);
    rig.form5.BuildTextBlock();
    rig.form5.show();
    chooseFile(path);
    rig.form5.SaveButton->click();
    EXPECT_EQ(readAll(path), rig.expectedBlock());
    EXPECT_TRUE(rig.form5.isVisible());
}

TEST(TForm5, SaveBufferToFileWritesTheWholeRing)
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("buffer.txt"));
    writeFile(path, "an older, longer file that must be gone entirely\r\n");
    TextRig rig(10);
    rig.monitor.settings.DisplayFullMode = kDisplayFullWrap;
    rig.sendNotes(25);
    chooseFile(path);
    rig.form5.SaveBufferToFile();
    const std::optional<std::string> expected =
        BufferFileText(rig.monitor.grid, rig.monitor.intake.CurrentRow(), 25);
    ASSERT_TRUE(expected);
    EXPECT_EQ(readAll(path), *expected);
    EXPECT_FALSE(rig.form5.isVisible());
}

TEST(TForm5, SaveBufferToFileDoesNothingWithoutEvents)
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
    rig.form5.SaveBufferToFile();
    EXPECT_FALSE(asked);
}

TEST(TForm5, ResizingKeepsTheButtonsOnTheBottomEdge)
{
    TextRig rig;
    rig.form5.show();
    for (const QSize size : {QSize(586, 368), QSize(300, 120), QSize(900, 700)}) {
        rig.form5.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(rig.form5.Memo1->geometry(), QRect(0, 0, size.width(), size.height() - 25));
        for (const QPushButton* button :
             rig.form5.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
            EXPECT_EQ(button->y(), size.height() - 21);
            EXPECT_EQ(button->height(), 21);
        }
        EXPECT_EQ(rig.form5.SaveButton->x(), 412);
    }
}

TEST(TForm5, HasTheDesignedLayout)
{
    TextRig rig;
    rig.sendNotes(12);
    rig.form5.BuildTextBlock();
    EXPECT_EQ(rig.form5.windowTitle(), QStringLiteral("Save Text"));
    EXPECT_EQ(rig.form5.SaveDialog1->windowTitle(), QStringLiteral("Save Event Text"));
    EXPECT_EQ(rig.form5.SaveDialog1->defaultSuffix(), QStringLiteral("txt"));
    ExpectDesignedLayout(rig.form5, QStringLiteral("TForm5"));
    EXPECT_EQ(rig.form4.size(), QSize(279, 62));
    EXPECT_EQ(rig.form4.windowTitle(), QStringLiteral("Working..."));
    ExpectDesignedLayout(rig.form4, QStringLiteral("TForm4"));
}

} // namespace
} // namespace velmar::monitor::test

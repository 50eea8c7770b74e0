#include "monitor/ui/GridContextMenu.h"

#include "monitor/core/RowCopy.h"
#include "monitor/ui/FindBar.h"
#include "tests/monitor/FormRig.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace velmar::monitor::test {
namespace {

QString cell(const MonitorWindow& form, std::int32_t row, std::size_t column)
{
    return form.Grid().rows().Text(row, column).toString();
}

// Selects one row as a click does; QTableView::selectRow would go by the modifier keys a
// key click of the test may have left.
void chooseRow(MonitorWindow& form, int modelRow)
{
    const QModelIndex index = form.Grid().index(modelRow, 0);
    form.MIDIGrid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
}

// The demo song's first events, then the host stopped.
MonitorWindow& withSong(FormRig& rig)
{
    MonitorWindow& form = rig.Create();
    form.show();
    form.PlayButton->click();
    EXPECT_TRUE(FormRig::WaitFor([&] { return form.Intake().EventCount() >= 30; }));
    form.StopButton->click();
    return form;
}

TEST(GridContextMenu, RightClickAndTheMenuKeysOpenItWithNumberedItems)
{
    FormRig rig;
    MonitorWindow& form = withSong(rig);
    GridContextMenu& menu = form.GridMenu();
    ASSERT_EQ(menu.Menu->actions().size(), 4);
    EXPECT_EQ(menu.FindAction->text(), QStringLiteral("&Find..."));
    EXPECT_EQ(menu.CopyAction->text(), QStringLiteral("&Copy"));
    EXPECT_EQ(menu.SaveSysExAction->text(), QStringLiteral("Save &SysEx..."));
    EXPECT_EQ(menu.ExportAction->text(), QStringLiteral("&Export as MIDI File..."));

    const QRect row2 = form.MIDIGrid->visualRect(form.Grid().index(1, 4));
    QContextMenuEvent click(QContextMenuEvent::Mouse, row2.center(),
                            form.MIDIGrid->viewport()->mapToGlobal(row2.center()));
    QCoreApplication::sendEvent(form.MIDIGrid->viewport(), &click);
    EXPECT_TRUE(menu.Menu->isVisible());
    EXPECT_FALSE(menu.CopyAction->isEnabled()) << "nothing selected yet";
    EXPECT_FALSE(menu.SaveSysExAction->isEnabled());
    EXPECT_TRUE(menu.ExportAction->isEnabled()) << "every event on display, whatever is selected";
    menu.Menu->hide();
    EXPECT_TRUE(menu.CopyAction->isEnabled()) << "the shortcut checks for itself";

    chooseRow(form, 1);
    form.MIDIGrid->setFocus();
    QTest::keyClick(form.MIDIGrid, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu.Menu->isVisible());
    EXPECT_TRUE(menu.CopyAction->isEnabled());
    EXPECT_TRUE(menu.SaveSysExAction->isEnabled()) << "the song's first event is a dump";
    menu.Menu->hide();

    chooseRow(form, 2); // Song Select
    menu.UpdateActions();
    EXPECT_FALSE(menu.SaveSysExAction->isEnabled());
}

std::string contentsOf(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(GridContextMenu, SaveSysExWritesTheDumpsBytesOrNamesTheFileThatFailed)
{
    FormRig rig;
    MonitorWindow& form = withSong(rig);
    GridContextMenu& menu = form.GridMenu();
    chooseRow(form, 0);
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("dump.syx"));
    menu.SaveSysExTo(path);
    const std::string saved = contentsOf(path);
    const std::span<const std::uint8_t> kept = form.Grid().rows().Event(1).Bytes();
    ASSERT_GE(saved.size(), kept.size() + 2);
    EXPECT_EQ(saved.front(), '\xF0');
    EXPECT_EQ(saved.back(), '\xF7');
    EXPECT_EQ(saved.substr(1, kept.size()), std::string(kept.begin(), kept.end()));

    MessageBoxAnswerer answerer;
    const QString nowhere = directory.filePath(QStringLiteral("gone/dump.syx"));
    menu.SaveSysExTo(nowhere);
    ASSERT_EQ(answerer.texts.size(), 1U);
    EXPECT_TRUE(answerer.texts[0].startsWith(nowhere + QStringLiteral(" could not be saved: ")))
        << answerer.texts[0].toStdString();
}

TEST(GridContextMenu, FindSelectsTheNextMatchAndSaysWhenNothingMatches)
{
    FormRig rig;
    MonitorWindow& form = withSong(rig);
    GridContextMenu& menu = form.GridMenu();
    menu.FindAction->trigger();
    ASSERT_TRUE(menu.Finder->isVisible());
    QTest::keyClicks(menu.Finder->TextEdit, QStringLiteral("song select"));
    QTest::keyClick(menu.Finder->TextEdit, Qt::Key_Return);
    EXPECT_EQ(form.MIDIGrid->currentIndex().row(), 2) << "grid row 3";
    EXPECT_TRUE(form.MIDIGrid->selectionModel()->isRowSelected(2, {}));
    EXPECT_TRUE(menu.Finder->StatusLabel->text().isEmpty());

    menu.FindNextAction->trigger(); // F3: the only match, found again from the other end
    EXPECT_EQ(form.MIDIGrid->currentIndex().row(), 2);
    EXPECT_EQ(menu.Finder->StatusLabel->text(),
              QStringLiteral("Went on from the other end of the list."));

    menu.Finder->TextEdit->setText(QStringLiteral("no such text"));
    menu.FindPreviousAction->trigger();
    EXPECT_EQ(menu.Finder->StatusLabel->text(), QStringLiteral("Not found."));
    EXPECT_EQ(form.MIDIGrid->currentIndex().row(), 2) << "the selection stays";
}

TEST(GridContextMenu, CopyPutsTheSelectedRowsOnTheClipboardAsTheExportWritesThem)
{
    FormRig rig;
    MonitorWindow& form = withSong(rig);
    GridContextMenu& menu = form.GridMenu();
    QItemSelectionModel& selection = *form.MIDIGrid->selectionModel();
    for (const int row : {4, 2})
        selection.select(form.Grid().index(row, 0),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(menu.SelectedRows(), (std::vector<std::int32_t>{3, 5})) << "oldest first";
    menu.CopyAction->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, RowsText(form.Grid(), std::vector<std::int32_t>{3, 5}, u"\n"));
    EXPECT_TRUE(copied.section(u'\n', 1, 1).startsWith(cell(form, 3, kNumberColumn) + u'\t'));
}

TEST(GridContextMenu, ExportWritesAMidiFileAndCountsWhatItLeftOut)
{
    FormRig rig;
    MonitorWindow& form = withSong(rig);
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("log.mid"));
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    MessageBoxAnswerer answerer;
    form.GridMenu().ExportMidiFileTo(path);
    EXPECT_EQ(contentsOf(path).substr(0, 4), "MThd");
    ASSERT_EQ(answerer.texts.size(), 1U) << "the song selects a song, which no file holds";
    EXPECT_TRUE(answerer.texts[0].endsWith(
        QStringLiteral(" messages that a MIDI file cannot hold were left out.")));
}

} // namespace
} // namespace velmar::monitor::test

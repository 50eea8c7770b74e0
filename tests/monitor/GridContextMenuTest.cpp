#include "monitor/ui/GridContextMenu.h"

#include "monitor/core/RowCopy.h"
#include "monitor/ui/FindBar.h"
#include "tests/monitor/FormRig.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmar::monitor::test {
namespace {

QString cell(const MonitorWindow& form, std::int32_t row, std::size_t column)
{
    return form.Grid().rows().Text(row, column).toString();
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
    ASSERT_EQ(menu.Menu->actions().size(), 2);
    EXPECT_EQ(menu.FindAction->text(), QStringLiteral("&Find..."));
    EXPECT_EQ(menu.CopyAction->text(), QStringLiteral("&Copy"));

    const QRect row2 = form.MIDIGrid->visualRect(form.Grid().index(1, 4));
    QContextMenuEvent click(QContextMenuEvent::Mouse, row2.center(),
                            form.MIDIGrid->viewport()->mapToGlobal(row2.center()));
    QCoreApplication::sendEvent(form.MIDIGrid->viewport(), &click);
    EXPECT_TRUE(menu.Menu->isVisible());
    EXPECT_FALSE(menu.CopyAction->isEnabled()) << "nothing selected yet";
    menu.Menu->hide();
    EXPECT_TRUE(menu.CopyAction->isEnabled()) << "the shortcut checks for itself";

    form.MIDIGrid->selectRow(1);
    form.MIDIGrid->setFocus();
    QTest::keyClick(form.MIDIGrid, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu.Menu->isVisible());
    EXPECT_TRUE(menu.CopyAction->isEnabled());
    menu.Menu->hide();
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

} // namespace
} // namespace velmar::monitor::test

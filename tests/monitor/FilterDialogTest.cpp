#include "monitor/dialogs/FilterDialog.h"

#include "monitor/dialogs/FlagGrid.h"
#include "runtime/language/Language.h"
#include "tests/monitor/DialogTestSupport.h"
#include "tests/monitor/MonitorRig.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

namespace velmar::monitor::test {
namespace {

// A shown filter dialog over a settings record, with a main window behind it.
struct FilterRig {
    explicit FilterRig(OstraSettings& record)
        : dialog(record, mainWindow, QStringLiteral("/nonexistent/help.html"))
    {
        dialog.show();
        QCoreApplication::processEvents();
    }

    // Presses OK; returns the message it showed (empty for none), answering it.
    QString pressOK()
    {
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        poll.start(10);
        dialog.OKButton->click();
        return shown;
    }

    QWidget mainWindow;
    FilterDialog dialog;
};

void clickName(FlagGrid& grid, int row)
{
    grid.scrollToItem(grid.item(row, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualItemRect(grid.item(row, 1)).center());
}

void clickMark(FlagGrid& grid, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualItemRect(grid.item(row, 0)).center());
}

std::vector<int> markedRows(const FlagGrid& grid)
{
    std::vector<int> rows;
    for (int row = 0; row < grid.rowCount(); ++row)
        if (grid.mark(row) == QStringLiteral(" X"))
            rows.push_back(row);
        else
            EXPECT_EQ(grid.mark(row), QString());
    return rows;
}

std::vector<int> allBut(int count, int missing)
{
    std::vector<int> rows;
    for (int row = 0; row < count; ++row)
        if (row != missing)
            rows.push_back(row);
    return rows;
}

TEST(FilterDialog, OpensOnTheDefaultsAndAcceptsThem)
{
    OstraSettings record;
    FilterRig rig(record);
    EXPECT_TRUE(rig.dialog.OnlyRadio->isChecked());
    EXPECT_EQ(markedRows(*rig.dialog.EventGrid), allBut(23, 15));
    EXPECT_EQ(markedRows(*rig.dialog.ChannelsGrid).size(), 16U);
    EXPECT_EQ(markedRows(*rig.dialog.ControllerGrid).size(), 128U);
    EXPECT_EQ(rig.dialog.EventGrid->name(0), QStringLiteral("Note Off ($8x)"));
    EXPECT_EQ(rig.dialog.ControllerGrid->name(7), QStringLiteral("#7 Main Volume MSB"));
    EXPECT_EQ(rig.pressOK(), QString());
    EXPECT_EQ(rig.dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(rig.dialog.isVisible());
    EXPECT_EQ(record, OstraSettings{});
}

TEST(FilterDialog, OKChecksTheCombinationInOrder)
{
    struct Case {
        const char* name;
        std::function<void(FilterDialog&)> change;
        std::uint16_t message; // 0: none
        bool closes;
    };
    const Case cases[] = {
        {"All Except with both sources", [](FilterDialog& d) { d.AllExceptRadio->click(); }, 4058,
         false},
        {"Only without sources",
         [](FilterDialog& d) {
             d.ExtCheckbox->click();
             d.HostCheckbox->click();
         },
         4058, false},
        {"Only without channels", [](FilterDialog& d) { d.ChannelClear->click(); }, 4059, true},
        {"All Except every event kind",
         [](FilterDialog& d) {
             d.AllExceptRadio->click();
             d.HostCheckbox->click();
             d.ChannelClear->click();
             d.EvtSet->click();
         },
         4060, false},
        {"Only without channels or event kinds",
         [](FilterDialog& d) {
             d.ChannelClear->click();
             d.EvtClear->click();
         },
         4059, true},
        {"no controllers is not checked", [](FilterDialog& d) { d.ControllerClear->click(); }, 0,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OstraSettings record;
        FilterRig rig(record);
        c.change(rig.dialog);
        const OstraSettings changed = record;
        EXPECT_EQ(rig.pressOK(), c.message == 0 ? QString() : LoadNumStr(c.message));
        EXPECT_EQ(rig.dialog.isVisible(), !c.closes);
        EXPECT_EQ(record, changed) << "a refusal keeps every change in force";
    }
}

TEST(FilterDialog, SystemOnlyLetsTheTickedSystemKindsThrough)
{
    MonitorRig monitor;
    FilterRig rig(monitor.settings);
    rig.dialog.ChannelClear->click();
    EXPECT_EQ(rig.pressOK(), LoadNumStr(4059));
    monitor.Send(0x90, 60, 100);
    monitor.Send(0xF8); // timing clock: not ticked
    monitor.Send(0xFA); // start
    (void)monitor.Pass();
    EXPECT_EQ(monitor.intake.EventCount(), 1);
    EXPECT_EQ(monitor.Cell(1, kRawColumn), QStringLiteral("FA "));
}

TEST(FilterDialog, SysExStartAndEndMoveTogether)
{
    OstraSettings record;
    FilterRig rig(record);
    clickName(*rig.dialog.EventGrid, 14);
    EXPECT_EQ(record.EventTypeFilter[7], 0);
    EXPECT_EQ(record.EventTypeFilter[14], 0);
    EXPECT_EQ(rig.dialog.EventGrid->mark(7), QString());
    clickName(*rig.dialog.EventGrid, 7);
    EXPECT_EQ(record.EventTypeFilter[7], 1);
    EXPECT_EQ(record.EventTypeFilter[14], 1);
    EXPECT_EQ(rig.dialog.EventGrid->mark(14), QStringLiteral(" X"));
    clickName(*rig.dialog.EventGrid, 8);
    EXPECT_EQ(record.EventTypeFilter[8], 0);
    EXPECT_EQ(record.EventTypeFilter[7], 1) << "no other row is coupled";
}

TEST(FilterDialog, SelectingANameTogglesItsRow)
{
    OstraSettings record;
    FilterRig rig(record);
    FlagGrid& grid = *rig.dialog.ControllerGrid;
    grid.setFocus();
    for (int row = 1; row <= 3; ++row) {
        QTest::keyClick(&grid, Qt::Key_Down);
        EXPECT_EQ(record.ControllerFilter[static_cast<std::size_t>(row)], 0) << row;
        EXPECT_EQ(grid.mark(row), QString());
    }
    EXPECT_EQ(record.ControllerFilter[0], 1) << "the row the selection left is unchanged";

    clickMark(grid, 10);
    EXPECT_EQ(record.ControllerFilter[10], 1) << "the mark column takes no selection";
    clickName(grid, 10);
    EXPECT_EQ(record.ControllerFilter[10], 0);
    clickName(grid, 10);
    EXPECT_EQ(record.ControllerFilter[10], 1) << "the name already selected toggles again";
    EXPECT_EQ(grid.mark(10), QStringLiteral(" X"));
}

// Keyboard users leave a grid by Tab and Shift+Tab; neither moves its selection.
TEST(FilterDialog, TabMovesBetweenControlsAndTogglesNothing)
{
    OstraSettings record;
    FilterRig rig(record);
    rig.dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.dialog));
    FilterDialog& d = rig.dialog;
    struct Step {
        QWidget* from;
        bool backwards;
        QWidget* to;
    };
    const Step steps[] = {
        {d.EventGrid, false, d.ControllerGrid}, {d.ControllerGrid, false, d.OKButton},
        {d.ControllerGrid, true, d.EventGrid},  {d.ChannelsGrid, false, d.EvtClear},
        {d.ChannelsGrid, true, d.HelpButton},   {d.HostCheckbox, false, d.EventGrid},
        {d.EventGrid, true, d.HostCheckbox},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.from->objectName().toStdString() +
                     (step.backwards ? " Shift+Tab" : " Tab"));
        step.from->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), step.from);
        QTest::keyClick(step.from, step.backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        step.backwards ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(), step.to);
    }
    for (FlagGrid* grid : {d.EventGrid, d.ChannelsGrid, d.ControllerGrid})
        EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(record, OstraSettings{});

    d.ControllerGrid->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(d.ControllerGrid, QStringLiteral("m"));
    EXPECT_EQ(record, OstraSettings{}) << "typing a letter selects no name";
    QTest::keyClick(d.ControllerGrid, Qt::Key_Down);
    EXPECT_EQ(record.ControllerFilter[1], 0) << "the arrow keys still toggle";
}

// Esc takes back everything written while the dialog was open, as Cancel does; the close
// box keeps it.
TEST(FilterDialog, EscapeIsCancel)
{
    for (const bool fromGrid : {false, true}) {
        SCOPED_TRACE(fromGrid ? "from a grid" : "from a button");
        OstraSettings record;
        FilterRig rig(record);
        rig.dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.dialog));
        clickName(*rig.dialog.EventGrid, 1);
        rig.dialog.DecDispEventCB->click();
        rig.dialog.HostCheckbox->click();
        ASSERT_NE(record, OstraSettings{});
        QWidget* focus = fromGrid ? static_cast<QWidget*>(rig.dialog.EventGrid)
                                  : static_cast<QWidget*>(rig.dialog.HelpButton);
        focus->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(rig.dialog.isVisible());
        EXPECT_EQ(rig.dialog.result(), QDialog::Rejected);
        EXPECT_EQ(record, OstraSettings{});
    }
}

TEST(FilterDialog, DisplayFormatsWriteThroughAndCancelPutsThemBack)
{
    OstraSettings record;
    FilterRig rig(record);
    rig.dialog.DecDispEventCB->click();
    EXPECT_EQ(record.DecimalEventTypes, 1);
    EXPECT_EQ(rig.dialog.EventGrid->name(0), QStringLiteral("Note Off (#128)"));
    rig.dialog.DecDispDataCB->click();
    EXPECT_EQ(rig.dialog.ControllerGrid->name(7), QStringLiteral("$07 Main Volume MSB"));
    clickName(*rig.dialog.ChannelsGrid, 3);
    rig.dialog.CancelButton->click();
    EXPECT_FALSE(rig.dialog.isVisible());
    EXPECT_EQ(record, OstraSettings{}) << "the whole record as it was at opening";

    rig.dialog.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(rig.dialog.DecDispEventCB->isChecked());
    EXPECT_EQ(rig.dialog.EventGrid->name(0), QStringLiteral("Note Off ($8x)"));
    EXPECT_EQ(rig.dialog.ChannelsGrid->mark(3), QStringLiteral(" X"));
}

TEST(FilterDialog, ChannelLabelsFollowTheirTwoBoxes)
{
    struct Case {
        bool decimal;
        bool oneBased;
        const char* first;
        const char* last;
    };
    const Case cases[] = {{false, false, "$00 ", "$0F "},
                          {false, true, "$01 ", "$10 "},
                          {true, false, "  0 ", " 15 "},
                          {true, true, "  1 ", " 16 "}};
    for (const Case& c : cases) {
        OstraSettings record; // decimal and one-based
        FilterRig rig(record);
        if (!c.decimal)
            rig.dialog.DecDispChansCB->click();
        if (!c.oneBased)
            rig.dialog.OneBasedNumChanCB->click();
        EXPECT_EQ(rig.dialog.ChannelsGrid->name(0), QString::fromLatin1(c.first));
        EXPECT_EQ(rig.dialog.ChannelsGrid->name(15), QString::fromLatin1(c.last));
    }
}

TEST(FilterDialog, OneBasedProgramsIsStoredOnlyByOK)
{
    struct Case {
        const char* name;
        std::function<void(FilterRig&)> close;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {"Cancel", [](FilterRig& r) { r.dialog.CancelButton->click(); }, 0},
        {"close box", [](FilterRig& r) { r.dialog.close(); }, 0},
        {"OK", [](FilterRig& r) { EXPECT_EQ(r.pressOK(), QString()); }, 1},
        {"OK after the channel warning",
         [](FilterRig& r) {
             r.dialog.ChannelClear->click();
             EXPECT_EQ(r.pressOK(), LoadNumStr(4059));
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OstraSettings record;
        FilterRig rig(record);
        rig.dialog.OneBasedNumPrgCB->click();
        EXPECT_EQ(record.OneBasedPrograms, 0) << "no write-through";
        c.close(rig);
        EXPECT_FALSE(rig.dialog.isVisible());
        EXPECT_EQ(record.OneBasedPrograms, c.stored);
    }

    OstraSettings record;
    FilterRig rig(record);
    rig.dialog.HostCheckbox->click();
    rig.dialog.close();
    EXPECT_EQ(record.ShowHostOutput, 0) << "the close box keeps the changes written";
}

TEST(FilterDialog, TheGridFollowsEachChangeWhileTheDialogIsOpen)
{
    MonitorRig monitor;
    FilterRig rig(monitor.settings);
    const auto shows = [&monitor](std::uint8_t status, std::uint8_t data1 = 60) {
        const std::int64_t before = monitor.intake.EventCount();
        monitor.Send(status, data1, 100);
        (void)monitor.Pass();
        return monitor.intake.EventCount() > before;
    };
    EXPECT_TRUE(shows(0x90));
    clickName(*rig.dialog.ChannelsGrid, 0);
    EXPECT_FALSE(shows(0x90));
    EXPECT_TRUE(shows(0x91));
    clickName(*rig.dialog.ControllerGrid, 7);
    EXPECT_FALSE(shows(0xB1, 7));
    EXPECT_TRUE(shows(0xB1, 10));
    rig.dialog.AllExceptRadio->click();
    EXPECT_FALSE(shows(0x90)) << "both ticked sources keep everything out under All Except";
    rig.dialog.DecDispEventCB->click();
    rig.dialog.OnlyRadio->click();
    EXPECT_TRUE(shows(0x92));
    EXPECT_EQ(monitor.Cell(monitor.intake.CurrentRow(), kStatusColumn),
              QStringLiteral("Note On (#144)"));
    rig.dialog.ExtCheckbox->click();
    EXPECT_FALSE(shows(0x92));

    rig.dialog.CancelButton->click();
    EXPECT_TRUE(shows(0x90)) << "the earlier filter is back";
    EXPECT_EQ(monitor.Cell(monitor.intake.CurrentRow(), kStatusColumn),
              QStringLiteral("Note On ($9x)"));
}

TEST(FilterDialog, HasTheDesignedLayout)
{
    OstraSettings record;
    QWidget mainWindow;
    FilterDialog dialog(record, mainWindow, QString());
    EXPECT_EQ(dialog.size(), QSize(485, 451));
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(dialog.windowType(), Qt::Tool);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Display Filter"));
    ExpectDesignedLayout(dialog, QStringLiteral("FilterDialog"));
}

} // namespace
} // namespace velmar::monitor::test

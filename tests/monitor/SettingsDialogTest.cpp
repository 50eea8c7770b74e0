#include "monitor/dialogs/MonitorSettingsDialog.h"
#include "tests/monitor/DialogTestSupport.h"
#include "tests/monitor/MonitorRig.h"
#include "tests/support/DialogLayout.h"
#include "tests/support/ScopedLanguage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <functional>

namespace velmar::monitor::test {
namespace {

void typeInto(QSpinBox& spin, const QString& text)
{
    spin.findChild<QLineEdit*>()->setText(text);
}

struct SettingsRig {
    explicit SettingsRig(OstraSettings& record)
        : dialog(record, mainWindow, QString())
    {
        dialog.show();
        QCoreApplication::processEvents();
    }

    QWidget mainWindow;
    MonitorSettingsDialog dialog;
};

TEST(MonitorSettingsDialog, OKClampsWhatItStores)
{
    struct Case {
        const char* name;
        std::function<void(OstraSettings&)> stored; // before opening
        std::function<void(MonitorSettingsDialog&)> typed;
        std::int16_t events;
        std::int32_t stopMs;
        int eventsShownAfter;
        int secondsShownAfter;
    };
    const Case cases[] = {
        {"500 seconds",
         {},
         [](MonitorSettingsDialog& d) { d.StopTimerSpin->setValue(500); },
         1000,
         60000,
         1000,
         60},
        {"no seconds",
         {},
         [](MonitorSettingsDialog& d) { typeInto(*d.StopTimerSpin, QString()); },
         1000,
         1000,
         1000,
         1},
        {"5 events",
         {},
         [](MonitorSettingsDialog& d) { typeInto(*d.NumEvtsSpin, QStringLiteral("5")); },
         10,
         10000,
         10,
         10},
        {"stored 500 ms",
         [](OstraSettings& s) { s.InactivityStopMs = 500; },
         {},
         1000,
         1000,
         1000,
         1},
        {"stored 5 events",
         [](OstraSettings& s) { s.DisplayEventCount = 5; },
         {},
         10,
         10000,
         10,
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OstraSettings record;
        if (c.stored)
            c.stored(record);
        SettingsRig rig(record);
        if (c.typed)
            c.typed(rig.dialog);
        rig.dialog.OKButton->click();
        EXPECT_FALSE(rig.dialog.isVisible());
        EXPECT_EQ(record.DisplayEventCount, c.events);
        EXPECT_EQ(record.InactivityStopMs, c.stopMs);
        rig.dialog.show();
        EXPECT_EQ(rig.dialog.NumEvtsSpin->value(), c.eventsShownAfter);
        EXPECT_EQ(rig.dialog.StopTimerSpin->value(), c.secondsShownAfter);
    }
}

TEST(MonitorSettingsDialog, OKStoresEveryControl)
{
    OstraSettings record;
    SettingsRig rig(record);
    EXPECT_TRUE(rig.dialog.WrapRadio->isChecked());
    EXPECT_TRUE(rig.dialog.OnTopCheckbox->isChecked());
    EXPECT_TRUE(rig.dialog.SaveToWindow->isChecked());
    rig.dialog.StopWhenFullRadio->click();
    rig.dialog.OnTopCheckbox->click();
    rig.dialog.SaveTxtFileRadio->click();
    rig.dialog.StopTimerSpin->setValue(30);
    rig.dialog.OKButton->click();
    EXPECT_EQ(record.DisplayFullMode, kDisplayFullStop);
    EXPECT_EQ(record.AlwaysOnTop, 0);
    EXPECT_EQ(record.SaveTextToFile, 1);
    EXPECT_EQ(record.InactivityStopMs, 30000);
}

TEST(MonitorSettingsDialog, CancelStoresNothingAndTheNextOpeningShowsTheRecord)
{
    OstraSettings record;
    SettingsRig rig(record);
    rig.dialog.ClearWrapRadio->click();
    rig.dialog.OnTopCheckbox->click();
    rig.dialog.SaveTxtFileRadio->click();
    rig.dialog.NumEvtsSpin->setValue(20);
    rig.dialog.StopTimerSpin->setValue(20);
    rig.dialog.CancelButton->click();
    EXPECT_EQ(record, OstraSettings{});

    rig.dialog.show();
    EXPECT_TRUE(rig.dialog.WrapRadio->isChecked());
    EXPECT_TRUE(rig.dialog.OnTopCheckbox->isChecked());
    EXPECT_TRUE(rig.dialog.SaveToWindow->isChecked());
    EXPECT_EQ(rig.dialog.NumEvtsSpin->value(), 1000);
    EXPECT_EQ(rig.dialog.StopTimerSpin->value(), 10);
}

TEST(MonitorSettingsDialog, TheGridIsResizedAndClearedOnlyWhenItsRowCountChanged)
{
    struct Case {
        const char* name;
        std::int16_t stored;
        int typed; // 0: unchanged
        bool resized;
        std::int32_t rows;
    };
    const Case cases[] = {
        {"unchanged", 1000, 0, false, 1000},
        {"1000 to 500", 1000, 500, true, 500},
        {"stored 5", 5, 0, true, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OstraSettings initial;
        initial.DisplayEventCount = c.stored;
        MonitorRig monitor(initial);
        monitor.Send(0x90, 60, 100);
        (void)monitor.Pass();
        SettingsRig rig(monitor.settings);
        if (c.typed != 0)
            rig.dialog.NumEvtsSpin->setValue(c.typed);
        rig.dialog.OKButton->click();
        EXPECT_EQ(monitor.intake.ApplyDisplayEventCount(), c.resized);
        EXPECT_EQ(monitor.grid.rowCount(), c.rows);
        EXPECT_EQ(monitor.RowEmpty(1), c.resized);
    }
}

TEST(MonitorSettingsDialog, HasTheDesignedLayout)
{
    OstraSettings record;
    QWidget mainWindow;
    MonitorSettingsDialog dialog(record, mainWindow, QString());
    // The design's size, made larger where the system's face needs it.
    EXPECT_GE(dialog.width(), 231);
    EXPECT_GE(dialog.height(), 268);
    EXPECT_EQ(dialog.OnTopCheckbox->pos(), QPoint(16, 8));
    EXPECT_EQ(dialog.WhenFullGroup->pos(), QPoint(8, 32));
    EXPECT_EQ(dialog.OKButton->pos(), QPoint(8, dialog.SaveTextGroup->geometry().bottom() + 8));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("MIDI Monitor Settings"));
    EXPECT_EQ(dialog.StopTimerSpin->maximum(), 1000);
    EXPECT_EQ(dialog.NumEvtsSpin->minimum(), 10);
    ExpectDesignedLayout(dialog, QStringLiteral("MonitorSettingsDialog"));
}

TEST(MonitorSettingsDialog, NothingOverlapsOrTouchesAnEdgeInAnyLanguage)
{
    for (const char* language : velmar::test::kShippedLanguages) {
        SCOPED_TRACE(language);
        const velmar::test::ScopedLanguage chosen(language);
        OstraSettings record;
        QWidget mainWindow;
        MonitorSettingsDialog dialog(record, mainWindow, QString());
        dialog.show();
        QCoreApplication::processEvents();
        velmar::test::ExpectControlsClearOfEdges(dialog);
        ExpectDesignedLayout(dialog, QStringLiteral("MonitorSettingsDialog-") +
                                         QString::fromLatin1(language));
    }
}

} // namespace
} // namespace velmar::monitor::test

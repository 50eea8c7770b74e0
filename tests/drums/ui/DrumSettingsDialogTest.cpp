#include "drums/ui/DrumSettingsDialog.h"

#include "tests/drums/VariedSettings.h"
#include "tests/drums/ui/FormRig.h"
#include "tests/support/DialogLayout.h"
#include "tests/support/ScopedLanguage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace velmar::drums::test {
namespace {

class SettingsDialog : public ::testing::Test {
protected:
    // Shows the dialog modally and lets `act` work it; true when it was accepted.
    bool run(const std::function<void(DrumSettingsDialog&)>& act)
    {
        WhenModal<DrumSettingsDialog>([&](DrumSettingsDialog* shown) {
            act(*shown);
            return true;
        });
        return dialog.exec() == QDialog::Accepted;
    }

    KettraSettings settings = VariedSettings();
    int colorCount = 30000;
    DrumSettingsDialog dialog{settings, [this] { return colorCount; }, QStringLiteral("help.html"),
                              nullptr};
};

TEST_F(SettingsDialog, HasTheDesignedLayoutWithNoTextCutOff)
{
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.size(), QSize(505, 343));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Drum Kit Settings"));
    const struct {
        QWidget* widget;
        QRect geometry;
    } placed[] = {
        {dialog.OnTopCheckbox, {16, 8, 197, 17}},
        {dialog.MidiGroup, {8, 32, 241, 113}},
        {dialog.VelGroup, {8, 156, 241, 117}},
        {dialog.NumColorsLabel, {8, 280, 241, 57}},
        {dialog.HintGroup, {256, 32, 241, 97}},
        {dialog.ShowGroup, {256, 136, 241, 57}},
        {dialog.TransportKeysGroup, {256, 200, 241, 73}},
        {dialog.OKButton, {260, 300, 73, 21}},
        {dialog.CancelButton, {344, 300, 73, 21}},
        {dialog.HelpButton, {428, 300, 73, 21}},
    };
    for (const auto& p : placed)
        EXPECT_EQ(p.widget->geometry(), p.geometry) << p.widget->metaObject()->className();

    const struct {
        QSpinBox* spin;
        int min;
        int max;
    } spins[] = {
        {dialog.DrumMIDIPortSpin, 1, 16},
        {dialog.DrumMIDIChanSpin, 1, 16},
        {dialog.DrumDurationBoostSpin, 0, 10},
        {dialog.HiVelSpin, 1, 127},
        {dialog.LoVelSpin, 1, 127},
        {dialog.RandRange, 0, 100},
    };
    for (const auto& s : spins) {
        EXPECT_EQ(s.spin->minimum(), s.min);
        EXPECT_EQ(s.spin->maximum(), s.max);
        EXPECT_EQ(s.spin->x(), 184);
        EXPECT_EQ(s.spin->width(), 49);
    }

    const QList<QAbstractButton*> items = dialog.TransportKeysItems().buttons();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(dialog.TransportKeysItems().button(0)->text(), QStringLiteral("On"));
    EXPECT_EQ(dialog.TransportKeysItems().button(1)->text(), QStringLiteral("Ctrl Key"));
    EXPECT_EQ(dialog.TransportKeysItems().button(2)->text(), QStringLiteral("Off"));
    EXPECT_EQ(dialog.HighVelocityLabel->text(),
              QStringLiteral("High Velocity (Shift key pressed)"));
    EXPECT_EQ(dialog.DisplayDrumKeys->text(), QStringLiteral("Display QUERTY Chars On Drums"));

    // Every caption fits its control.
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
    }
    for (const QAbstractButton* box : dialog.findChildren<QCheckBox*>())
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    for (const QAbstractButton* radio : dialog.findChildren<QRadioButton*>())
        EXPECT_LE(radio->sizeHint().width(), radio->width()) << radio->text().toStdString();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
            << button->text().toStdString();
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        const int titleWidth = group->fontMetrics().horizontalAdvance(group->title());
        EXPECT_LT(titleWidth, group->width() - 16) << group->title().toStdString();
    }
    SaveGrab(dialog, QStringLiteral("kettra-settings"));
}

TEST(DrumSettingsDialogLayout, NothingOverlapsOrTouchesAnEdgeInAnyLanguage)
{
    for (const char* language : velmar::test::kShippedLanguages) {
        SCOPED_TRACE(language);
        const velmar::test::ScopedLanguage chosen(language);
        KettraSettings settings = VariedSettings();
        DrumSettingsDialog dialog(
            settings, [] { return 256; }, QString(), nullptr);
        dialog.show();
        QCoreApplication::processEvents();
        velmar::test::ExpectControlsClearOfEdges(dialog);
        SaveGrab(dialog, QStringLiteral("kettra-settings-") + QString::fromLatin1(language));
    }
}

TEST_F(SettingsDialog, ShowLoadsTheRecordAndOkStoresTheControls)
{
    const bool accepted = run([](DrumSettingsDialog& shown) {
        EXPECT_EQ(shown.HiVelSpin->value(), 110);
        EXPECT_EQ(shown.LoVelSpin->value(), 40);
        EXPECT_TRUE(shown.RandCheck->isChecked());
        EXPECT_EQ(shown.RandRange->value(), 35);
        EXPECT_FALSE(shown.NoteNameCheckbox->isChecked());
        EXPECT_TRUE(shown.NoteNumCheckbox->isChecked());
        EXPECT_TRUE(shown.CompKeyCheckbox->isChecked());
        EXPECT_TRUE(shown.ShowUsedRadio->isChecked());
        EXPECT_FALSE(shown.OnTopCheckbox->isChecked());
        EXPECT_EQ(shown.TransportKeysItems().checkedId(), 2);
        EXPECT_EQ(shown.DrumDurationBoostSpin->value(), 7);
        EXPECT_EQ(shown.DrumMIDIPortSpin->value(), 4);
        EXPECT_EQ(shown.DrumMIDIChanSpin->value(), 2);
        EXPECT_EQ(QApplication::focusWidget(), shown.OKButton);

        shown.HiVelSpin->setValue(127);
        shown.RandRange->setValue(100);
        shown.NoteNameCheckbox->setChecked(true);
        // On the box or the circle: a click beyond the caption hits nothing.
        QTest::mouseClick(shown.TransportKeysItems().button(0), Qt::LeftButton, {}, {6, 8});
        QTest::mouseClick(shown.OnTopCheckbox, Qt::LeftButton, {}, {6, 8});
        shown.DrumMIDIChanSpin->setValue(16);
        QTest::mouseClick(shown.OKButton, Qt::LeftButton);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(settings.HiVelocity, 127);
    EXPECT_EQ(settings.RandomRange, 100);
    EXPECT_EQ(settings.HiRandomSpan, 126) << "range 100 %: base 0 becomes 1";
    EXPECT_EQ(settings.HiRandomBase, 1);
    EXPECT_EQ(settings.HintFlags, kHintNoteName | kHintNoteNumber | kHintComputerKey);
    EXPECT_EQ(settings.TransportKeys, kTransportKeysOn);
    EXPECT_EQ(settings.AlwaysOnTop, 1);
    EXPECT_EQ(settings.DrumChannel, 16);
    EXPECT_EQ(settings.ShowAllInstruments, 0);
}

TEST_F(SettingsDialog, QwertyCharsAlsoShowAllInstruments)
{
    run([](DrumSettingsDialog& shown) {
        shown.DisplayDrumKeys->setChecked(true);
        shown.OKButton->click();
    });
    EXPECT_EQ(settings.QwertyOnDrums, 1);
    EXPECT_EQ(settings.ShowAllInstruments, 1);
}

TEST_F(SettingsDialog, CancelAfterChangingEverythingKeepsTheRecord)
{
    const KettraSettings before = settings;
    const bool accepted = run([](DrumSettingsDialog& shown) {
        for (QSpinBox* spin : shown.findChildren<QSpinBox*>())
            spin->setValue(spin->minimum() == 0 ? 3 : 9);
        for (QAbstractButton* box : shown.findChildren<QAbstractButton*>())
            if (box->isCheckable())
                box->setChecked(!box->isChecked());
        QTest::mouseClick(shown.CancelButton, Qt::LeftButton);
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(settings, before);

    // Shown again, it shows the record, not what was left in it.
    run([](DrumSettingsDialog& shown) {
        EXPECT_EQ(shown.HiVelSpin->value(), 110);
        EXPECT_TRUE(shown.ShowUsedRadio->isChecked());
        shown.reject();
    });
}

TEST_F(SettingsDialog, HelpOpensTheHelpFile)
{
    QString shown;
    run([&](DrumSettingsDialog& dialogShown) {
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            shown = box->text();
            box->accept();
            return true;
        });
        dialogShown.HelpButton->click();
        dialogShown.reject();
    });
    EXPECT_TRUE(shown.contains(QStringLiteral("help.html"))) << "no page here: the box names it";
}

TEST_F(SettingsDialog, ColourAdviceAsksTheDisplayEachTimeItShows)
{
    for (const int colours : {16, 30000}) {
        colorCount = colours;
        run([&](DrumSettingsDialog& shown) {
            EXPECT_EQ(shown.NumColorsLabel->text(), NumColorsText(colours));
            shown.reject();
        });
    }
}

} // namespace
} // namespace velmar::drums::test

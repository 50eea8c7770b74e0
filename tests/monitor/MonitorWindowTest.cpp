#include "host/HostRingWriter.h"
#include "monitor/core/ActivityLights.h"
#include "monitor/core/EventGridModel.h"
#include "monitor/core/EventText.h"
#include "monitor/ui/DrawingArea.h"
#include "monitor/ui/MainFormRules.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"
#include "runtime/ui/FormRules.h"
#include "tests/monitor/FormRig.h"
#include "tests/monitor/Repaints.h"
#include "tests/support/ScopedLanguage.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace velmar::monitor::test {
namespace {

QString cell(const MonitorWindow& form, std::int32_t row, std::size_t column)
{
    return form.Grid().rows().Text(row, column).toString();
}

bool topmost(const QWidget& window)
{
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

std::uint32_t hostMark()
{
    const auto map =
        SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
    std::uint32_t mark = 0;
    std::memcpy(&mark, map->Data() + HostLinkBlock::kHostMarkOffset, sizeof mark);
    return mark;
}

OstraSettings settingsWith(const std::function<void(OstraSettings&)>& change)
{
    OstraSettings settings;
    change(settings);
    return settings;
}

TEST(MonitorWindow, LaysOutTheDesignWithNumberedCaptions)
{
    FormRig rig;
    const MonitorWindow& form = rig.Create();
    EXPECT_FALSE(form.TerminateRequested());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("MIDI Monitor"));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(topmost(form));

    struct Control {
        const QWidget* widget;
        const QWidget* parent;
        QRect place;
        const char* caption;
    };
    const auto text = [](const QWidget* widget) {
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            return box->title();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            return label->text();
        if (const auto* button = qobject_cast<const QPushButton*>(widget))
            return button->text();
        return QString();
    };
    const Control controls[] = {
        {form.DisplayGroupBox, &form, {0, 0, 133, 81}, "MIDI Display"},
        {form.EventCaptionLabel, form.DisplayGroupBox, {8, 18, 57, 13}, "Event"},
        {form.CurrentEventLabel, form.DisplayGroupBox, {68, 18, 59, 13}, "0"},
        {form.ClearGridButton, form.DisplayGroupBox, {4, 34, 59, 21}, "Clear"},
        {form.SaveTextButton, form.DisplayGroupBox, {68, 34, 59, 21}, "Save Text"},
        {form.DisplaySettingsButton, form.DisplayGroupBox, {4, 56, 59, 21}, "Settings"},
        {form.FilterButton, form.DisplayGroupBox, {68, 56, 59, 21}, "Filter"},
        {form.SequencerGroupBox, &form, {134, 0, 145, 41}, "Sequencer Control"},
        {form.PlayButton, form.SequencerGroupBox, {4, 14, 45, 21}, "Play"},
        {form.RewindButton, form.SequencerGroupBox, {50, 14, 45, 21}, "Rewind"},
        {form.StopButton, form.SequencerGroupBox, {96, 14, 45, 21}, "Stop"},
        {form.TimerGroupBox, &form, {282, 0, 164, 41}, "Timer"},
        {form.CurTimeLabel, form.TimerGroupBox, {108, 18, 49, 13}, "0"},
        {form.ActivityStrip, &form, {134, 44, 312, 37}, ""},
        {form.HelpButton, &form, {452, 6, 59, 21}, "Help"},
        {form.MinimizeButton, &form, {452, 30, 59, 21}, "Minimize"},
        {form.ExitButton, &form, {452, 54, 59, 21}, "Exit"},
    };
    for (const Control& control : controls) {
        SCOPED_TRACE(control.caption);
        EXPECT_EQ(control.widget->parentWidget(), control.parent);
        EXPECT_EQ(control.widget->geometry(), control.place);
        EXPECT_EQ(text(control.widget), QString::fromUtf8(control.caption));
    }
    // The label is as wide as its text, and stays clear of the time beside it.
    EXPECT_EQ(form.TimeCaptionLabel->pos(), QPoint(4, 18));
    EXPECT_EQ(form.TimeCaptionLabel->text(), QStringLiteral("Current Time (mS)"));
    EXPECT_LE(form.TimeCaptionLabel->geometry().right(), form.CurTimeLabel->x());
    EXPECT_EQ(form.CurTimeLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST(MonitorWindow, GridHasTheSettingsRowsUnderEightTitles)
{
    FormRig rig;
    rig.WriteSettings(settingsWith([](OstraSettings& s) { s.DisplayEventCount = 50; }));
    const MonitorWindow& form = rig.Create();
    const QTableView& grid = *form.MIDIGrid;
    ASSERT_EQ(grid.model(), &form.Grid());
    EXPECT_EQ(grid.model()->rowCount(), 50);
    EXPECT_EQ(grid.model()->columnCount(), 8);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Time (mS)"));
    EXPECT_FALSE(grid.horizontalHeader()->isHidden());
    EXPECT_TRUE(grid.verticalHeader()->isHidden()) << "no fixed column";
    EXPECT_EQ(grid.rowHeight(0), 16);
    EXPECT_EQ(grid.horizontalHeader()->height(), 16);
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::ExtendedSelection) << "rows, to copy";
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(grid.geometry(), QRect(0, 84, 598, 453 - 85));
}

TEST(MonitorWindow, TakesItsPlaceAndColumnsFromTheSettingsAndSavesThemWhenItGoes)
{
    FormRig rig;
    rig.WriteSettings(settingsWith([](OstraSettings& s) {
        s.WindowLeft = 30;
        s.WindowTop = 40;
        s.WindowWidth = 700;
        s.WindowHeight = 500;
        s.ColumnWidths[0] = 60;
        s.DisplayFullMode = kDisplayFullStop;
    }));
    MonitorWindow& form = rig.Create();
    EXPECT_EQ(form.pos(), QPoint(30, 40));
    EXPECT_EQ(form.size(), QSize(700, 500));
    EXPECT_EQ(form.MIDIGrid->columnWidth(0), 60);
    EXPECT_EQ(form.MIDIGrid->columnWidth(1), 55);
    // 700 less the first six (60 + 55 + 39 + 50 + 122 + 32), shared.
    EXPECT_EQ(form.MIDIGrid->columnWidth(6), 171);
    EXPECT_EQ(form.MIDIGrid->columnWidth(7), 171);

    form.show();
    form.resize(650, 480);
    EXPECT_EQ(form.MIDIGrid->columnWidth(6), 146);
    EXPECT_EQ(form.MIDIGrid->height(), 480 - 85);
    form.move(35, 45);
    form.MIDIGrid->setColumnWidth(2, 44); // dragged by the user
    rig.form.reset();

    const std::optional<OstraSettings> saved = rig.SavedSettings();
    ASSERT_TRUE(saved) << "a 228-byte file";
    EXPECT_EQ(saved->WindowLeft, 35);
    EXPECT_EQ(saved->WindowTop, 45);
    EXPECT_EQ(saved->WindowWidth, 650);
    EXPECT_EQ(saved->WindowHeight, 480);
    EXPECT_EQ(saved->ColumnWidths,
              (std::array<std::int32_t, 8>{60, 55, 44, 50, 122, 32, 146, 146}));
    EXPECT_EQ(saved->DisplayFullMode, kDisplayFullStop) << "the rest comes back as it was read";
}

struct ModeCase {
    const char* name;
    const char* windowMode;
    std::uint8_t alwaysOnTop;
    bool borderIcons;
    bool stepsAside;
};

void PrintTo(const ModeCase& c, std::ostream* out)
{
    *out << c.name;
}

class WindowMode : public ::testing::TestWithParam<ModeCase> {};

TEST_P(WindowMode, DecidesTheBorderIconsAndWhetherTheWindowStepsAside)
{
    const ModeCase& c = GetParam();
    FormRig rig({"--quiet", "--window-mode", c.windowMode});
    rig.WriteSettings(settingsWith([&](OstraSettings& s) { s.AlwaysOnTop = c.alwaysOnTop; }));
    MonitorWindow& form = rig.Create();
    form.show();
    EXPECT_EQ(form.windowFlags().testFlag(Qt::WindowSystemMenuHint), c.borderIcons);
    EXPECT_EQ(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint), c.borderIcons);
    EXPECT_EQ(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint), c.borderIcons);
    form.AppDeactivate();
    EXPECT_EQ(form.isMinimized(), c.stepsAside);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowMode,
                         ::testing::Values(ModeCase{"Normal", "1", 0, true, false},
                                           ModeCase{"NoAnswerIsNormal", "0", 0, true, false},
                                           ModeCase{"Bare", "2", 0, false, true},
                                           ModeCase{"BareOnTop", "2", 1, false, false}),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST(MonitorWindow, AWindowSavedOffTheScreenComesBackWithinASecond)
{
    FormRig rig;
    rig.WriteSettings(settingsWith([](OstraSettings& s) {
        s.WindowLeft = -2000;
        s.WindowTop = -100;
    }));
    MonitorWindow& form = rig.Create();
    form.show();
    const auto reachable = [&] {
        const QRect frame = form.frameGeometry();
        return frame.x() + frame.width() >= 20 && frame.y() >= 1;
    };
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(FormRig::WaitFor(reachable));
    EXPECT_LT(clock.elapsed(), 1100);
    EXPECT_LT(form.frameGeometry().x() + form.frameGeometry().width(), 30) << "no further";
}

TEST(MonitorWindow, TransportButtonsDriveTheHostWhoseSongFillsTheGrid)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    form.PlayButton->click();
    EXPECT_NE(rig.AskHost(HostQueryRunning), 0);
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().EventCount() >= 30; }));
    EXPECT_EQ(cell(form, 1, kStatusColumn), QStringLiteral("Sysex Start ($F0)"));
    EXPECT_EQ(cell(form, 3, kStatusColumn), QStringLiteral("Song Select ($F3)"));
    // The label follows the count a frame at a time while the song plays.
    EXPECT_TRUE(FormRig::WaitFor([&] { return form.CurrentEventLabel->text().toInt() >= 30; }));
    EXPECT_LE(form.CurrentEventLabel->text().toInt(), form.Intake().EventCount());

    // The song starts with drums on channel 10; channel 16 plays nothing.
    EXPECT_TRUE(form.Intake().lights().Lit(kNoteOnLights, 9));
    EXPECT_FALSE(form.Intake().lights().Lit(kNoteOnLights, 15));
    // Compared in the screen's device pixels, with the pictures made for them.
    const qreal ratio = form.ActivityStrip->devicePixelRatioF();
    const auto picture = [ratio](QStringView name) {
        const auto set = LoadSetPicture(name, ratio, kMonitorPictures);
        return set ? ScreenPicture(*set, set->DesignSize, ratio) : QImage();
    };
    const QImage on = picture(u"MonPos8");
    const QImage off = picture(u"MonNeg8");
    ASSERT_FALSE(on.isNull() || off.isNull());
    const QImage shown = form.ActivityStrip->grab().toImage();
    const QPoint lit = DeviceRect(ActivityRects[kNoteOnLights][9], ratio).center();
    const QPoint dark = DeviceRect(ActivityRects[kNoteOnLights][15], ratio).center();
    EXPECT_EQ(shown.pixel(lit), on.pixel(lit));
    EXPECT_EQ(shown.pixel(dark), off.pixel(dark));
    EXPECT_NE(on.pixel(dark), off.pixel(dark));

    form.StopButton->click();
    EXPECT_EQ(rig.AskHost(HostQueryRunning), 0);
    form.RewindButton->click();
    form.PlayButton->click();
    const auto songSelects = [&] {
        int count = 0;
        for (std::int32_t row = 1; row <= form.Intake().CurrentRow(); ++row)
            count += cell(form, row, kStatusColumn) == QStringLiteral("Song Select ($F3)") ? 1 : 0;
        return count;
    };
    EXPECT_TRUE(FormRig::WaitFor([&] { return songSelects() == 2; })) << "the song starts again";
}

TEST(MonitorWindow, ClearEmptiesTheGridTheClockAndTheLights)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    form.PlayButton->click();
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().EventCount() >= 30; }));
    form.StopButton->click();
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().ClockRunning(); }));

    QTest::mouseClick(form.TimeCaptionLabel, Qt::LeftButton);
    EXPECT_FALSE(form.Intake().ClockRunning());
    EXPECT_EQ(form.Intake().ElapsedMs(), 0);
    EXPECT_TRUE(FormRig::WaitFor([&] { return form.CurTimeLabel->text() == QStringLiteral("0"); }));
    EXPECT_GT(form.Intake().EventCount(), 0) << "only the clock";

    form.ClearGridButton->click();
    EXPECT_EQ(form.Intake().EventCount(), 0);
    EXPECT_TRUE(cell(form, 1, kNumberColumn).isEmpty());
    EXPECT_EQ(form.MIDIGrid->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(form.Intake().lights().Lit(kNoteOnLights, 9));
    EXPECT_TRUE(
        FormRig::WaitFor([&] { return form.CurrentEventLabel->text() == QStringLiteral("0"); }));
}

TEST(MonitorWindow, ClickingTheActivityBoxPutsTheLightsOut)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    form.PlayButton->click();
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().lights().Lit(kNoteOnLights, 9); }));
    form.StopButton->click();
    const std::int64_t shown = form.Intake().EventCount();
    QTest::mouseClick(form.ActivityStrip, Qt::LeftButton);
    EXPECT_FALSE(form.Intake().lights().Lit(kNoteOnLights, 9));
    EXPECT_GE(form.Intake().EventCount(), shown) << "the grid stays";
}

struct BracketCase {
    const char* name;
    std::uint8_t alwaysOnTop;
    std::uint8_t saveTextToFile;
};

void PrintTo(const BracketCase& c, std::ostream* out)
{
    *out << c.name;
}

class DialogBracket : public ::testing::TestWithParam<BracketCase> {};

TEST_P(DialogBracket, DialogsOpenOutsideTheTopmostBandOfAWindowThatStaysOnTop)
{
    const BracketCase& c = GetParam();
    FormRig rig;
    rig.WriteSettings(settingsWith([&](OstraSettings& s) {
        s.AlwaysOnTop = c.alwaysOnTop;
        s.SaveTextToFile = c.saveTextToFile;
    }));
    MonitorWindow& form = rig.Create();
    form.show();
    std::vector<std::string> opened;
    const auto dialog = [&](const char* name) {
        return [&, name] {
            opened.push_back(name);
            EXPECT_EQ(topmost(form), c.alwaysOnTop == 0) << name;
        };
    };
    form.Dialogs = {dialog("settings"), dialog("filter"), dialog("file"), dialog("text window")};
    form.DisplaySettingsButton->click();
    EXPECT_TRUE(topmost(form));
    form.FilterButton->click();
    EXPECT_TRUE(topmost(form));
    form.SaveTextButton->click();
    EXPECT_TRUE(topmost(form));
    EXPECT_EQ(opened, (std::vector<std::string>{"settings", "filter",
                                                c.saveTextToFile != 0 ? "file" : "text window"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogBracket,
                         ::testing::Values(BracketCase{"OnTopToWindow", 1, 0},
                                           BracketCase{"OnTopToFile", 1, 1},
                                           BracketCase{"NotOnTop", 0, 0}),
                         [](const auto& tested) { return std::string(tested.param.name); });

// Under an X server the window manager answers a while after it is asked. A waiting event
// loop, as a modal dialog runs, is what sends the requests on.
void letTheWindowManagerAnswer()
{
    QEventLoop loop;
    QTimer::singleShot(QGuiApplication::platformName() == QStringLiteral("xcb") ? 300 : 10, &loop,
                       &QEventLoop::quit);
    loop.exec();
}

// Whether the window manager keeps the window above the others, when there is one to ask.
std::optional<bool> managerKeepsAbove(const QWidget& window)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        return std::nullopt;
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                          QStringLiteral("_NET_WM_STATE")});
    if (!xprop.waitForFinished(5000) || xprop.exitCode() != 0)
        return std::nullopt;
    return xprop.readAllStandardOutput().contains("_NET_WM_STATE_ABOVE");
}

// The window is topmost when shown and after every dialog, whatever the choice says; the
// choice only takes it out of the band while a dialog is up. Entering and leaving the band
// neither moves the window nor replaces it.
TEST(MonitorWindow, IsTopmostWhenShownAndAfterEveryDialogAndStaysWhereItIs)
{
    FormRig rig;
    rig.WriteSettings(settingsWith([](OstraSettings& s) {
        s.AlwaysOnTop = 0;
        s.WindowLeft = 12;
        s.WindowTop = 40;
    }));
    MonitorWindow& form = rig.Create();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    letTheWindowManagerAnswer();
    EXPECT_TRUE(topmost(form));
    EXPECT_NE(managerKeepsAbove(form), std::optional<bool>(false));
    const WId native = form.winId();
    const QPoint place = form.pos();

    struct Step {
        QPushButton* button;
        std::uint8_t onTopBefore;
        std::uint8_t onTopAfter;
    };
    const Step steps[] = {{form.DisplaySettingsButton, 0, 1},
                          {form.FilterButton, 1, 1},
                          {form.DisplaySettingsButton, 1, 0},
                          {form.FilterButton, 0, 0},
                          {form.SaveTextButton, 0, 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button->text().toStdString() + " with always on top " +
                     std::to_string(step.onTopBefore));
        ASSERT_EQ(form.Settings().AlwaysOnTop, step.onTopBefore);
        bool opened = false;
        const auto dialog = [&] {
            opened = true;
            letTheWindowManagerAnswer();
            EXPECT_EQ(topmost(form), step.onTopBefore == 0);
            EXPECT_NE(managerKeepsAbove(form), std::optional<bool>(step.onTopBefore != 0));
            form.Settings().AlwaysOnTop = step.onTopAfter;
        };
        form.Dialogs = {dialog, dialog, dialog, dialog};
        step.button->click();
        letTheWindowManagerAnswer();
        EXPECT_TRUE(opened);
        EXPECT_TRUE(topmost(form));
        EXPECT_NE(managerKeepsAbove(form), std::optional<bool>(false));
        EXPECT_EQ(form.winId(), native) << "the same native window";
        EXPECT_EQ(form.pos(), place);
        EXPECT_TRUE(form.isVisible());
    }

    form.hide();
    MakeNotTopmost(form);
    form.show();
    EXPECT_TRUE(topmost(form)) << "shown again";
}

TEST(MonitorWindow, OnlyAChangedNumberOfEventsEmptiesTheGrid)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    form.PlayButton->click();
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().EventCount() >= 10; }));
    form.StopButton->click();

    form.Dialogs.ShowSettings = [] {
    };
    form.DisplaySettingsButton->click();
    EXPECT_GE(form.Intake().EventCount(), 10);
    EXPECT_FALSE(cell(form, 1, kNumberColumn).isEmpty());

    form.Dialogs.ShowSettings = [&] {
        form.Settings().DisplayEventCount = 500;
    };
    form.DisplaySettingsButton->click();
    EXPECT_EQ(form.MIDIGrid->model()->rowCount(), 500);
    EXPECT_EQ(form.Intake().EventCount(), 0);
    EXPECT_TRUE(cell(form, 1, kNumberColumn).isEmpty());
}

TEST(MonitorWindow, HelpOpensTheTopicOfTheControlWithTheFocus)
{
    FormRig rig;
    rig.WriteFile("Korvo2.html", "<html></html>");
    PageCatcher browser;
    MonitorWindow& form = rig.Create();
    EXPECT_EQ(form.HelpFile(), QString::fromStdString((rig.exeDir / "Korvo2.html").string()));
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    form.HelpButton->click();
    form.MIDIGrid->setFocus();
    QTest::keyClick(form.MIDIGrid, Qt::Key_F1);
    form.PlayButton->setFocus();
    QTest::keyClick(form.PlayButton, Qt::Key_F1);
    ASSERT_EQ(browser.pages.size(), 3U);
    for (const QUrl& page : browser.pages) {
        EXPECT_EQ(page.toLocalFile(), form.HelpFile());
        EXPECT_EQ(page.fragment(), QStringLiteral("context-9"));
    }
}

TEST(MonitorWindow, WithoutHelpPagesTheProgramsOwnNameIsChosen)
{
    FormRig rig;
    const MonitorWindow& form = rig.Create();
    EXPECT_EQ(form.HelpFile(), QString::fromStdString((rig.exeDir / "ostra.html").string()));
}

TEST(MonitorWindow, ExitClosesTheWindowWhichEndsTheProgram)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    QSignalSpy closed(&form, &MonitorWindow::Closed);
    form.ExitButton->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST(MonitorWindow, AnswersTheHostsMarkAndKeepsItInTheBlock)
{
    FormRig rig;
    const MonitorWindow& form = rig.Create();
    EXPECT_EQ(platform::SendMessageA(form.WindowHandle(), HostMsgSetMark, 77, 0), 1);
    EXPECT_EQ(hostMark(), 77U);
    EXPECT_EQ(platform::SendMessageA(form.WindowHandle(), HostCmdPlay, 0, 0), 0)
        << "a host's command means nothing to a plug-in";
}

TEST(MonitorWindow, WithoutAHostItSaysSoEndsAndStillSavesItsSettings)
{
    FormRig rig(FormRig::NoHost{});
    MessageBoxAnswerer boxes;
    const MonitorWindow& form = rig.Create();
    EXPECT_TRUE(form.TerminateRequested());
    EXPECT_EQ(form.HostWindow(), 0U);
    EXPECT_EQ(rig.prompts.asked, std::vector<QString>{QStringLiteral("KORVO.EXE")});
    EXPECT_EQ(boxes.texts, std::vector<QString>{
                               QStringLiteral("Could not communicate with EXE, exiting program.")});
    rig.form.reset();
    EXPECT_TRUE(rig.SavedSettings());
}

TEST(MonitorWindow, JapanesePlacesTheGridUnderTheScaledControls)
{
    FormRig rig;
    rig.WriteFile("Language.Ini", "LANGUAGE=Japanese\r\n");
    const MonitorWindow& form = rig.Create();
    const double scale = form.DisplayScale();
    ASSERT_NE(scale, 1.0) << "the Japanese font is larger than the design's";
    EXPECT_EQ(form.MIDIGrid->y(), nearest(scale * 84));
    EXPECT_EQ(form.MIDIGrid->height(), form.height() - nearest(scale * 85));
    EXPECT_EQ(form.MIDIGrid->rowHeight(0), nearest(scale * 16));
    EXPECT_EQ(form.MIDIGrid->columnWidth(0), nearest(scale * 37));
    EXPECT_EQ(form.ExitButton->y(), nearest(scale * 54));
}

TEST(MonitorWindow, TheActivityPicturesFillTheirStripInEveryLanguage)
{
    for (const char* language : velmar::test::kShippedLanguages) {
        SCOPED_TRACE(language);
        FormRig rig;
        for (const char* module : {"Korvo2^G.qm", "Korvo2^J.qm"})
            std::filesystem::copy_file(std::filesystem::path(VELMAR_PROGRAM_DIR) / module,
                                       rig.exeDir / module);
        rig.WriteFile("Language.Ini", std::string("LANGUAGE=") + language + "\r\n");
        MonitorWindow& form = rig.Create();
        form.show();
        // The strip drawn over magenta: what the pictures leave uncovered stays magenta.
        const qreal ratio = form.ActivityStrip->devicePixelRatioF();
        QImage strip(DeviceSize(form.ActivityStrip->size(), ratio), QImage::Format_RGB32);
        strip.setDevicePixelRatio(ratio);
        strip.fill(Qt::magenta);
        form.ActivityStrip->render(&strip);
        int bare = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                bare += strip.pixel(x, y) == QColor(Qt::magenta).rgb() ? 1 : 0;
        EXPECT_EQ(bare, 0) << "a strip of " << form.ActivityStrip->width() << " x "
                           << form.ActivityStrip->height();
    }
}

// The grid's repaints, and everything they covered.
class GridPaints : public Repaints {
public:
    explicit GridPaints(QTableView& grid)
        : Repaints(*grid.viewport())
        , m_grid(grid)
    {}

    // Whether a repaint since the last Forget() covered grid row `row`, at the view's
    // present scroll position.
    [[nodiscard]] bool Covered(std::int32_t row) const
    {
        return region().intersects(m_grid.visualRect(m_grid.model()->index(row - 1, 0)));
    }

private:
    QTableView& m_grid;
};

// The host's side of the ring, written from the test.
struct TestHost {
    std::unique_ptr<SharedMemory> block =
        SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
    host::HostRingWriter writer{block->Data()};

    [[nodiscard]] bool RingEmpty() const { return HostLinkBlock(block->Data()).RingEmpty(); }
    static PackedMidiMessage Event(int index)
    {
        return PackedMidiMessage::pack(static_cast<std::uint8_t>(0x90 | (index % 16)),
                                       static_cast<std::uint8_t>(index % 128),
                                       static_cast<std::uint8_t>(1 + index / 128 % 127));
    }
};

// A long frame makes the rule plain: an event after a quiet frame of the grid is painted
// at once, one that follows within the frame waits for the frame's end.
TEST(MonitorWindow, AnEventAfterAQuietFrameIsPaintedAtOnceAndTheNextAtTheFramesEnd)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TestHost host;
    form.EventRepaints().SetFrame(std::chrono::milliseconds(800));
    QTest::qWait(900);

    GridPaints paints(*form.MIDIGrid);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(host.writer.TryWrite(0, TestHost::Event(0)));
    ASSERT_TRUE(FormRig::WaitFor([&] { return paints.Covered(1); }));
    EXPECT_LT(clock.elapsed(), 400) << "at once";

    clock.restart();
    paints.Forget();
    ASSERT_TRUE(host.writer.TryWrite(0, TestHost::Event(1)));
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().EventCount() == 2; }));
    EXPECT_FALSE(paints.Covered(2)) << "taken at once, shown later";
    ASSERT_TRUE(FormRig::WaitFor([&] { return paints.Covered(2); }));
    EXPECT_GT(clock.elapsed(), 500) << "at the frame's end";
    EXPECT_EQ(form.CurrentEventLabel->text(), QStringLiteral("2"));

    // The running clock's label is repainted every 50 ms meanwhile; that does not hold
    // the next event back.
    QTest::qWait(900);
    ASSERT_TRUE(form.Intake().ClockRunning());
    clock.restart();
    paints.Forget();
    ASSERT_TRUE(host.writer.TryWrite(0, TestHost::Event(2)));
    ASSERT_TRUE(FormRig::WaitFor([&] { return paints.Covered(3); }));
    EXPECT_LT(clock.elapsed(), 400) << "at once";
}

// Every event of a stream is taken by a pass of its own, and the grid is painted once a
// frame; every row stays in the grid and in the text export, and the view ends on the
// newest row.
TEST(MonitorWindow, AStreamIsPaintedOnceAFrameWithEveryRowKept)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TestHost host;
    form.EventRepaints().SetFrame(std::chrono::milliseconds(100));

    constexpr int kEvents = 150;
    GridPaints paints(*form.MIDIGrid);
    int written = 0;
    QTimer feed;
    feed.setTimerType(Qt::PreciseTimer);
    QObject::connect(&feed, &QTimer::timeout, [&] {
        // Only once the last one is taken: each pass takes one event.
        if (written < kEvents && host.RingEmpty())
            written += host.writer.TryWrite(0, TestHost::Event(written)) ? 1 : 0;
    });
    feed.start(1);
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().EventCount() == kEvents; }, 20000));
    ASSERT_TRUE(FormRig::WaitFor(
        [&] { return form.CurrentEventLabel->text() == QString::number(kEvents); }));
    QTest::qWait(50);
    EXPECT_TRUE(paints.Covered(kEvents));
    EXPECT_GT(paints.count, 0);
    EXPECT_LT(paints.count, kEvents / 3) << "far fewer repaints than passes";

    const QRect newest = form.MIDIGrid->visualRect(form.Grid().index(kEvents - 1, 0));
    EXPECT_TRUE(form.MIDIGrid->viewport()->rect().contains(newest)) << "scrolled to the newest";
    for (int event = 0; event < kEvents; ++event) {
        const PackedMidiMessage sent = TestHost::Event(event);
        ASSERT_EQ(cell(form, event + 1, kNumberColumn), QString::number(event + 1));
        ASSERT_EQ(cell(form, event + 1, kRawColumn),
                  QString::asprintf("%02X %02X %02X ", sent.status(), sent.data1(), sent.data2()));
    }
    const TextBlock text = BuildTextBlock(form.Grid(), form.Intake().CurrentRow());
    ASSERT_EQ(text.LineCount(), static_cast<std::size_t>(kEvents + 1))
        << "the header and every event";
    const QStringList lines = text.Text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[kEvents], EventLine(form.Grid().rows().Row(kEvents)));
    EXPECT_EQ(lines[1], EventLine(form.Grid().rows().Row(1)));
}

// While the ring stays empty the event loop waits, woken only for the screen clamp, and
// the ring is watched every 2 ms: clicks, repaints and events are taken at once.
TEST(MonitorWindow, AnIdleMonitorLetsTheLoopWaitAndAnswersAtOnce)
{
    FormRig rig;
    MonitorWindow& form = rig.Create();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    TestHost host;
    QTest::qWait(200);
    ASSERT_FALSE(form.Intake().ClockRunning());

    int turns = 0;
    const QMetaObject::Connection counting =
        QObject::connect(QAbstractEventDispatcher::instance(),
                         &QAbstractEventDispatcher::aboutToBlock, [&] { ++turns; });
    QEventLoop idle; // QTest::qWait turns the loop itself every few milliseconds
    QTimer::singleShot(500, &idle, &QEventLoop::quit);
    idle.exec();
    QObject::disconnect(counting);
    // Polling from the loop took a turn every few milliseconds, well over 60 in this time.
    EXPECT_LT(turns, 20);

    QElapsedTimer clock;
    std::vector<qint64> clickMs;
    std::vector<qint64> paintMs;
    QEventLoop loop;
    QObject::connect(form.StopButton, &QPushButton::clicked, &loop, [&] {
        clickMs.push_back(clock.elapsed());
        loop.quit();
    });
    QObject::connect(form.ActivityStrip, &DrawingArea::OnPaint, &loop, [&] {
        paintMs.push_back(clock.elapsed());
        loop.quit();
    });
    for (int i = 0; i < 10; ++i) {
        QTimer::singleShot(20, &loop, [&] {
            clock.start();
            const QPointF centre = QRectF(form.StopButton->rect()).center();
            QCoreApplication::postEvent(
                form.StopButton, new QMouseEvent(QEvent::MouseButtonPress, centre, centre,
                                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(
                form.StopButton, new QMouseEvent(QEvent::MouseButtonRelease, centre, centre,
                                                 Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        });
        loop.exec();
        QTimer::singleShot(20, &loop, [&] {
            clock.start();
            form.ActivityStrip->update();
        });
        loop.exec();
    }
    ASSERT_EQ(clickMs.size(), 10U);
    ASSERT_EQ(paintMs.size(), 10U);
    EXPECT_LT(*std::max_element(clickMs.begin(), clickMs.end()), 30);
    EXPECT_LT(*std::max_element(paintMs.begin(), paintMs.end()), 30);
    std::printf("slowest click %lld ms, slowest repaint %lld ms\n",
                static_cast<long long>(*std::max_element(clickMs.begin(), clickMs.end())),
                static_cast<long long>(*std::max_element(paintMs.begin(), paintMs.end())));

    clock.start();
    ASSERT_TRUE(host.writer.TryWrite(0, TestHost::Event(0)));
    ASSERT_TRUE(FormRig::WaitFor([&] { return form.Intake().EventCount() == 1; }));
    EXPECT_LT(clock.elapsed(), 400) << "an event at once";
    EXPECT_TRUE(host.RingEmpty());
}

} // namespace
} // namespace velmar::monitor::test

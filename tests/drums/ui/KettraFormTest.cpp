#include "drums/core/KettraSettingsFile.h"
#include "drums/core/KitTable.h"
#include "drums/core/WindowGeometry.h"
#include "drums/ui/DrumSettingsDialog.h"
#include "drums/ui/PicturePanel.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/HostMessages.h"
#include "runtime/pictures/BitmapResource.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"
#include "tests/drums/ui/FormRig.h"

#include <QBackingStore>
#include <QCheckBox>
#include <QEventLoop>
#include <QExposeEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>

namespace velmar::drums::test {
namespace {

constexpr QPoint kBassDrum1{300, 330}; // inside note 36's HitRect 263,305,342,355
constexpr QPoint kNothing{590, 390};
constexpr int kBassDrumAnchor = 9;
constexpr int kHandClap = 12;

// Where a strip of the bar, 336 wide at full size, is pressed.
constexpr int kFullStrip = 10;
constexpr int kQuarterStrip = 100;
constexpr int kSettingsStrip = 150;
constexpr int kRecordStrip = 190;
constexpr int kPlayStrip = 230;

platform::LPARAM packed(std::uint8_t status, std::uint8_t note, std::uint8_t velocity)
{
    return static_cast<platform::LPARAM>(PackedMidiMessage::pack(status, note, velocity).value());
}

HostMessage played(std::uint8_t status, std::uint8_t note, std::uint8_t velocity)
{
    return {HostCmdPlayEvent, 1, packed(status, note, velocity)};
}

HostMessage message(platform::UINT number)
{
    return {number, 0, 0};
}

std::vector<HostMessage> transportCommands(const FakeHostWindow& host)
{
    std::vector<HostMessage> commands;
    for (const HostMessage& handled : host.messages)
        if (handled.Message == HostCmdPlay || handled.Message == HostCmdStop ||
            handled.Message == HostCmdRewind || handled.Message == HostCmdRecord)
            commands.push_back(handled);
    return commands;
}

// Posted messages arrive when the event loop handles them.
void deliverPosted()
{
    QTest::qWait(20);
}

QRect scaled(const KitRect& rect, double scale)
{
    ScaledKit kit;
    kit.Rescale(scale);
    return kit.Scaled(rect);
}

// The event loop as the program runs it, blocking when idle.
void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void clickStrip(DrumWindow& form, int x)
{
    QTest::mouseClick(form.Transport, Qt::LeftButton, {}, QPoint(x, 8));
}

class KettraForm : public ::testing::Test {
protected:
    // The tests run the timer themselves, so the poll cannot change the transport state
    // behind their backs.
    void create()
    {
        ASSERT_TRUE(rig.Create());
        form = &rig.Form();
        EXPECT_TRUE(form->TickTimer->isActive());
        form->TickTimer->stop();
    }
    [[nodiscard]] const QPixmap& kit(KitPicture picture) const
    {
        return form->Pictures().Kit(picture);
    }
    [[nodiscard]] QRect litRect(int index) const
    {
        return scaled(KitRow(index).LitRect, form->Scale());
    }

    FormRig rig;
    DrumWindow* form = nullptr;
};

TEST_F(KettraForm, HasTheDesignedLayoutAndSignsIn)
{
    create();
    EXPECT_EQ(form->size(), QSize(600, 432));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Drum Kit"));
    EXPECT_EQ(form->HintLabel->geometry(), QRect(0, 17, 600, 16));
    EXPECT_EQ(form->HintLabel->text(), QStringLiteral("Press F1 for Help"));
    EXPECT_EQ(form->HintLabel->alignment(), Qt::AlignCenter);
    EXPECT_EQ(form->Transport->geometry(), QRect(132, 2, 336, 17));
    EXPECT_EQ(form->DrumSpace->geometry(), QRect(0, 32, 600, 400));
    EXPECT_EQ(form->TickTimer->interval(), 10);
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(form->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form->pos(), QPoint(8, 8));
    EXPECT_NE(form->SettingsDialog, nullptr);

    EXPECT_EQ(rig.host().Only(HostCmdSignIn).size(), 1U);
    EXPECT_EQ(rig.host().Only(HostQueryDrumDelay).size(), 1U);
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::KitImage), QRect(0, 0, 600, 400)));
    EXPECT_EQ(form->ShownLook(), TransportLook::Stop);
    SaveGrab(*form, QStringLiteral("kettra-full"));
}

TEST_F(KettraForm, TransportStripsPostTheirCommands)
{
    create();
    const struct {
        int x;
        std::vector<HostMessage> commands;
        TransportLook shown; // after the release: the held state
    } clicks[] = {
        {kPlayStrip, {message(HostCmdPlay)}, TransportLook::Play},
        {295, {message(HostCmdStop)}, TransportLook::Stop},
        {kRecordStrip,
         {message(HostCmdStop), message(HostCmdRewind), message(HostCmdRecord)},
         TransportLook::Record},
        {kPlayStrip, {}, TransportLook::Record},
        {294, {message(HostCmdStop), message(HostCmdRewind)}, TransportLook::Stop},
    };
    for (const auto& click : clicks) {
        rig.host().messages.clear();
        clickStrip(*form, click.x);
        deliverPosted();
        EXPECT_EQ(transportCommands(rig.host()), click.commands) << "at " << click.x;
        EXPECT_EQ(form->ShownLook(), click.shown) << "at " << click.x;
    }
}

TEST_F(KettraForm, WindowSizeStripsZoomTheKit)
{
    create();
    clickStrip(*form, kQuarterStrip);
    EXPECT_EQ(form->size(), QSize(150, 132));
    EXPECT_DOUBLE_EQ(form->Scale(), 0.25);
    EXPECT_EQ(form->Settings().WindowSize, 3) << "150 is a fixed width";
    EXPECT_EQ(form->DrumSpace->geometry(), QRect(0, 32, 150, 100));
    EXPECT_EQ(form->Transport->geometry(), QRect(0, 2, 150, 17)) << "squeezed to the window";
    EXPECT_EQ(form->HintLabel->width(), 150);
    EXPECT_EQ(kit(KitPicture::KitImage).deviceIndependentSize(), QSizeF(150, 100));
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::KitImage), QRect(0, 0, 150, 100)));
    SaveGrab(*form, QStringLiteral("kettra-quarter"));

    // The strips of the squeezed bar: half size lies past 18.
    clickStrip(*form, 30);
    EXPECT_EQ(form->size(), QSize(300, 232));
    EXPECT_EQ(form->Settings().WindowSize, 2);
    EXPECT_EQ(form->Transport->geometry(), QRect(0, 2, 300, 17));
    SaveGrab(*form, QStringLiteral("kettra-half"));

    clickStrip(*form, kFullStrip);
    EXPECT_EQ(form->size(), QSize(600, 432));
    EXPECT_EQ(form->Settings().WindowSize, 1);
    EXPECT_EQ(form->Transport->geometry(), QRect(132, 2, 336, 17));
}

TEST_F(KettraForm, ThePanelShowsThePicturesInTheScreensOwnPixels)
{
    // Run with QT_SCALE_FACTOR=2 and a large offscreen screen, the grabs show the kit at
    // device pixel ratio 2; the screen bounds the zoom.
    create();
    const double ratio = form->devicePixelRatioF();
    for (const double scale : {1.0, 1.5, 2.5}) {
        form->resize(qRound(600 * scale), qRound(400 * scale) + 32);
        SCOPED_TRACE(form->Scale());
        const QPixmap& shown = kit(KitPicture::KitImage);
        EXPECT_EQ(shown.devicePixelRatio(), ratio);
        EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(form->DrumSpace->size()));
        const QImage panel = rig.Panel();
        EXPECT_EQ(panel.size(), shown.size());
        EXPECT_TRUE(SameArea(panel, shown, QRect(QPoint(0, 0), form->DrumSpace->size())));
        SaveGrab(
            *form,
            QStringLiteral("kettra-dpr%1-scale%2").arg(ratio).arg(static_cast<int>(scale * 10)));
    }
}

TEST_F(KettraForm, DraggingTheCornerKeepsTheShapeAndRemembersTheFreeSize)
{
    create();
    form->resize(700, 500);
    EXPECT_EQ(form->size(), QSize(702, 500));
    EXPECT_DOUBLE_EQ(form->Scale(), 1.17);
    EXPECT_EQ(form->DrumSpace->size(), QSize(702, 468));
    EXPECT_EQ(form->Settings().WindowSize, 0);
    EXPECT_EQ(form->Settings().ClientWidth, 702);
    EXPECT_EQ(form->Transport->geometry(), QRect(183, 2, 336, 17));

    form->resize(702, 232); // the height alone
    EXPECT_EQ(form->size(), QSize(300, 232));
    EXPECT_EQ(form->Settings().WindowSize, 0) << "a fixed width reached by dragging";
}

TEST_F(KettraForm, TheMousePlaysTheKit)
{
    create();
    QTest::mousePress(form->DrumSpace, Qt::LeftButton, Qt::ShiftModifier, kBassDrum1);
    ASSERT_EQ(rig.host().Only(HostCmdPlayEvent), std::vector<HostMessage>{played(0x99, 36, 127)});
    EXPECT_EQ(rig.host().Only(HostCmdPlayEvent)[0].LParam, 0x7F2499);
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::LocalHitImage), litRect(kBassDrumAnchor)))
        << "lit in the live-input colour";

    QTest::mouseRelease(form->DrumSpace, Qt::LeftButton, {}, kNothing);
    QTest::mousePress(form->DrumSpace, Qt::RightButton, {}, kBassDrum1);
    QTest::mouseRelease(form->DrumSpace, Qt::RightButton, {}, kBassDrum1);
    EXPECT_EQ(rig.host().Only(HostCmdPlayEvent),
              (std::vector<HostMessage>{played(0x99, 36, 127), played(0x89, 36, 64),
                                        played(0x99, 36, 90), played(0x89, 36, 64)}))
        << "a release off the instruments sent nothing; the next press ended the note first";
}

TEST_F(KettraForm, KeysPlayTheKitAndWorkTheTransport)
{
    create();
    QTest::keyPress(form, Qt::Key_X);
    QTest::keyPress(form, Qt::Key_Z);
    QTest::keyRelease(form, Qt::Key_Z);
    QTest::keyClick(form, Qt::Key_Clear, Qt::KeypadModifier); // keypad 5, Shift, NumLock on
    EXPECT_EQ(rig.host().Only(HostCmdPlayEvent),
              (std::vector<HostMessage>{played(0x99, 35, 90), played(0x89, 35, 64),
                                        played(0x99, 36, 90), played(0x89, 36, 64),
                                        played(0x99, 73, 127), played(0x89, 73, 64)}));

    // TransportKeys 1: the keys work with Ctrl only, and never play drums.
    rig.host().messages.clear();
    QTest::keyClick(form, Qt::Key_Space);
    QTest::keyClick(form, Qt::Key_Return);
    QTest::keyClick(form, Qt::Key_Tab);
    deliverPosted();
    EXPECT_TRUE(transportCommands(rig.host()).empty());
    EXPECT_TRUE(rig.host().Only(HostCmdPlayEvent).empty());
    EXPECT_EQ(QApplication::focusWidget(), form) << "Tab stays with the form";

    QTest::keyClick(form, Qt::Key_Space, Qt::ControlModifier);
    deliverPosted();
    EXPECT_EQ(transportCommands(rig.host()), std::vector<HostMessage>{message(HostCmdPlay)});
    EXPECT_EQ(form->ShownLook(), TransportLook::Play);
    QTest::keyClick(form, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(form, Qt::Key_Tab, Qt::ControlModifier);
    deliverPosted();
    EXPECT_EQ(
        transportCommands(rig.host()),
        (std::vector<HostMessage>{message(HostCmdPlay), message(HostCmdStop), message(HostCmdStop),
                                  message(HostCmdRewind), message(HostCmdRecord)}));
    EXPECT_EQ(form->ShownLook(), TransportLook::Record);
}

TEST_F(KettraForm, ARepaintShowsTheTransportStateNotTheLastButton)
{
    create();
    const auto look = [this](TransportLook wanted) {
        return form->Pictures().Transport(wanted, SizeHighlight::Full);
    };
    const QRect bar(QPoint(0, 0), form->Transport->size());
    // What the window shows: Qt's copy of it, from which the system's repaints are served.
    // Read from the backing store: the offscreen platform grabs a window of a scaled screen
    // at the wrong size.
    const auto onScreen = [this] {
        QPaintDevice* store = form->backingStore()->paintDevice();
        if (store->devType() != QInternal::Image)
            return QImage();
        const QImage& window = *static_cast<QImage*>(store);
        QImage shown =
            window.copy(DeviceRect(form->Transport->geometry(), window.devicePixelRatio()));
        shown.setDevicePixelRatio(window.devicePixelRatio());
        return shown;
    };

    // Ctrl let go before Return: the release draws nothing, the Rewind button stays down.
    QTest::keyPress(form, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyRelease(form, Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(form->ShownLook(), TransportLook::Rewind);
    EXPECT_TRUE(SameArea(onScreen(), look(TransportLook::Rewind), bar));
    EXPECT_TRUE(SameArea(form->Transport->grab().toImage(), look(TransportLook::Stop), bar))
        << "painted anew, the bar shows the stopped transport";

    QExposeEvent uncovered{QRegion(form->rect())};
    QCoreApplication::sendEvent(form->windowHandle(), &uncovered);
    QCoreApplication::processEvents();
    EXPECT_TRUE(SameArea(onScreen(), look(TransportLook::Stop), bar))
        << "the window uncovered shows the stopped transport";

    QTest::keyClick(form, Qt::Key_Space, Qt::ControlModifier);
    QCoreApplication::sendEvent(form->windowHandle(), &uncovered);
    QCoreApplication::processEvents();
    EXPECT_TRUE(SameArea(onScreen(), look(TransportLook::Play), bar));
}

TEST_F(KettraForm, WhileRecordingPlayedNotesAreAlsoRecorded)
{
    create();
    clickStrip(*form, kRecordStrip);
    QTest::mouseClick(form->DrumSpace, Qt::LeftButton, {}, kBassDrum1);
    deliverPosted();
    EXPECT_EQ(rig.host().Only(HostCmdPlayEvent),
              (std::vector<HostMessage>{played(0x99, 36, 90), played(0x89, 36, 64)}));
    EXPECT_EQ(rig.host().Only(HostCmdRecordEvent),
              (std::vector<HostMessage>{{HostCmdRecordEvent, 0, packed(0x99, 36, 90)},
                                        {HostCmdRecordEvent, 0, packed(0x89, 36, 64)}}));
}

TEST_F(KettraForm, TheTimerShowsTheHostsNotesAndTransport)
{
    create();
    rig.WriteRingEvent(1, PackedMidiMessage::pack(0x99, 36, 100));
    rig.RunTicks(1);
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::HitImage), litRect(kBassDrumAnchor)))
        << "lit in the host-playback colour";
    rig.RunTicks(4);
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::KitImage), litRect(kBassDrumAnchor)))
        << "at rest after 3 + 1 ticks";

    rig.host().running = 1;
    rig.RunTicks(10);
    EXPECT_EQ(form->ShownLook(), TransportLook::Play) << "within ten ticks";
    rig.host().running = 0;
    rig.RunTicks(10);
    EXPECT_EQ(form->ShownLook(), TransportLook::Stop) << "the host stopped by itself";
}

TEST_F(KettraForm, TheHintLineNamesWhatIsUnderTheMouse)
{
    create();
    QTest::mouseMove(form->DrumSpace, kBassDrum1);
    EXPECT_EQ(form->HintLabel->text(), QStringLiteral("Bass Drum 1 -- C 3"));
    EXPECT_EQ(form->DrumSpace->cursor().shape(), Qt::UpArrowCursor);
    QTest::mouseMove(form->Transport, QPoint(300, 8));
    EXPECT_EQ(form->HintLabel->text(), QStringLiteral("Stop (Space key)"));
    QTest::mouseMove(form, QPoint(10, 25)); // over the hint line
    EXPECT_EQ(form->HintLabel->text(), QStringLiteral("Press F1 for Help"));
    QTest::mouseMove(form->DrumSpace, kNothing);
    EXPECT_EQ(form->HintLabel->text(), QStringLiteral("Press F1 for Help"));
    EXPECT_EQ(form->DrumSpace->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(KettraForm, TheSettingsStripOpensTheDialogOnRelease)
{
    create();
    bool wasTopmost = true;
    WhenModal<DrumSettingsDialog>([&](DrumSettingsDialog* dialog) {
        wasTopmost = form->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        dialog->DrumMIDIChanSpin->setValue(2);
        dialog->HiVelSpin->setValue(100);
        QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        return true;
    });
    QTest::mousePress(form->Transport, Qt::LeftButton, {}, QPoint(kSettingsStrip, 8));
    EXPECT_EQ(form->ShownLook(), TransportLook::Settings);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "not before the release";
    QTest::mouseRelease(form->Transport, Qt::LeftButton, {}, QPoint(kSettingsStrip, 8));

    EXPECT_FALSE(wasTopmost) << "the window leaves the topmost band while the dialog is up";
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form->Settings().DrumChannel, 2);
    EXPECT_EQ(form->Settings().HiVelocity, 100);
    EXPECT_EQ(form->ShownLook(), TransportLook::Stop);

    QTest::mousePress(form->DrumSpace, Qt::LeftButton, Qt::ShiftModifier, kBassDrum1);
    EXPECT_EQ(rig.host().Only(HostCmdPlayEvent),
              (std::vector<HostMessage>{{HostCmdPlayEvent, 1, packed(0x91, 36, 100)}}));
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::LocalHitImage), litRect(kBassDrumAnchor)))
        << "shown on the new channel";
}

TEST_F(KettraForm, AfterTheSettingsDialogTheKeysPlayTheDrumsAgain)
{
    create();
    // Each time the stay-on-top box is flipped: Cancel keeps the window on top, the first
    // OK takes it off, the second puts it back.
    for (QPushButton* const DrumSettingsDialog::*button :
         {&DrumSettingsDialog::CancelButton, &DrumSettingsDialog::OKButton,
          &DrumSettingsDialog::OKButton}) {
        WhenModal<DrumSettingsDialog>([button](DrumSettingsDialog* dialog) {
            QTest::mouseClick(dialog->OnTopCheckbox, Qt::LeftButton);
            QTest::mouseClick(dialog->*button, Qt::LeftButton);
            return true;
        });
        clickStrip(*form, kSettingsStrip);
        const QString closedBy = (form->SettingsDialog->*button)->text();

        EXPECT_TRUE(QTest::qWaitForWindowActive(form)) << closedBy.toStdString();
        rig.host().messages.clear();
        // Typed at whatever window has the keyboard now, as the user types.
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Z);
        EXPECT_EQ(rig.host().Only(HostCmdPlayEvent),
                  (std::vector<HostMessage>{played(0x99, 36, 90), played(0x89, 36, 64)}))
            << closedBy.toStdString();
    }
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(KettraForm, ShowUsedInstrumentsHidesAndReveals)
{
    KettraSettings settings;
    settings.ShowAllInstruments = 0;
    rig.WriteSettings(settings);
    create();
    const QRect handClap = scaled(KitRow(kHandClap).CoverRect, 1.0);
    const QImage hidden = rig.Panel();
    EXPECT_EQ(hidden.pixelColor(handClap.center()), QColor(Qt::black));
    SaveGrab(*form, QStringLiteral("kettra-used-instruments"));

    rig.WriteRingEvent(1, PackedMidiMessage::pack(0x99, 39, 100));
    rig.RunTicks(1);
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::HitImage), litRect(kHandClap)));

    // A transport action runs the overlay again.
    clickStrip(*form, 295);
    EXPECT_EQ(rig.Panel().pixelColor(handClap.center()), QColor(Qt::black));
}

TEST_F(KettraForm, ClosingSavesTheWindowsPlace)
{
    create();
    form->move(40, 50);
    clickStrip(*form, kQuarterStrip);
    rig.Destroy();
    const KettraSettings saved = KettraSettingsFile(rig.SettingsPath().string()).Read();
    EXPECT_EQ(saved.WindowLeft, 40);
    EXPECT_EQ(saved.WindowTop, 50);
    EXPECT_EQ(saved.ClientWidth, 150);
    EXPECT_EQ(saved.ClientHeight, 132);
    EXPECT_EQ(saved.WindowSize, 3);
    EXPECT_EQ(rig.host().Only(HostCmdSignOff).size(), 1U);
}

TEST_F(KettraForm, NoHostEndsTheStartAndLeavesTheSettingsAlone)
{
    KettraSettings settings;
    settings.HiVelocity = 55;
    rig.WriteSettings(settings);
    rig.host().signIn = 0;
    QString shown;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->accept();
        return true;
    });
    EXPECT_FALSE(rig.Create());
    EXPECT_EQ(shown, QStringLiteral("Could not communicate with EXE, exiting program."));
    EXPECT_EQ(rig.prompts.errors.size(), 1U) << "the link told why first";
    rig.Destroy();
    EXPECT_EQ(KettraSettingsFile(rig.SettingsPath().string()).Read().HiVelocity, 55);
}

TEST_F(KettraForm, IdleReloadsForNewColoursAndKeepsTheWindowOnTheScreen)
{
    create();
    QImage db4;
    ASSERT_TRUE(LoadBitmapResource(u"DB4", db4, kDrumPictures));
    const QImage wanted = ScreenPicture({db4, db4.size()}, db4.size(), form->devicePixelRatioF())
                              .convertToFormat(QImage::Format_RGB32);
    const auto kitImage = [this] {
        return kit(KitPicture::KitImage).toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_NE(kitImage(), wanted);
    rig.colorCount = 256;
    runEventLoop(50);
    EXPECT_EQ(kitImage(), wanted) << "the 16-colour pictures once the loop goes idle";
    EXPECT_TRUE(SameArea(rig.Panel(), kit(KitPicture::KitImage), QRect(0, 0, 600, 400)));

    form->move(-1000, 5000);
    runEventLoop(50);
    const QRect frame = form->frameGeometry();
    const QRect screen = form->screen()->geometry();
    EXPECT_EQ(frame.top(), screen.height() - 20) << "back on the screen";
    EXPECT_GE(frame.left() + frame.width(), 20);
    EXPECT_EQ(KeepOnScreen(frame, screen), frame) << "and it stays where it is";
}

TEST_F(KettraForm, F1OpensTheHelpFile)
{
    create();
    QString shown;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->accept();
        return true;
    });
    QTest::keyClick(form, Qt::Key_F1);
    EXPECT_TRUE(shown.contains(form->HelpFile())) << "no help page here: the box names it";
    EXPECT_TRUE(form->HelpFile().endsWith(QStringLiteral(".html")));
}

TEST_F(KettraForm, TheHostsMarkIsKept)
{
    create();
    EXPECT_EQ(platform::SendMessageA(form->Handle(), HostMsgSetMark, 0x12345678, 0), 1);
    std::uint32_t mark = 0;
    std::memcpy(&mark, form->Link.Map().Data() + HostLinkBlock::kHostMarkOffset, 4);
    EXPECT_EQ(mark, 0x12345678U);
}

} // namespace
} // namespace velmar::drums::test

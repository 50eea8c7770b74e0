#include "host/desktop/KorvoTray.h"

#include "host/DemoSong.h"
#include "runtime/HostMessages.h"
#include "runtime/platform/Clock.h"
#include "tests/host/FakeMidiSystem.h"
#include "tests/support/ScopedSession.h"
#include "tools/pictures/KorvoTrayIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <gtest/gtest.h>

#include <cstdlib>

namespace velmar::host {
namespace {

QAction* action(QMenu& menu, const QString& text)
{
    for (QAction* item : menu.actions())
        if (item->text() == text)
            return item;
    return nullptr;
}

void serve(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        platform::dispatchMessages(); // korvo's own window hears the menu's commands
        QApplication::processEvents();
    }
}

// The tray's menu and tooltip against korvo run in this process with a fake MIDI system.
class KorvoTrayTest : public ::testing::Test {
protected:
    bool plugDevices()
    {
        system.sources = {{"20:0", "USB Keyboard:MIDI 1", true},
                          {"24:0", "Drum Pads:MIDI 1", true}};
        connections.Refresh();
        return true;
    }

    static bool application()
    {
        if (QApplication::instance() == nullptr) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            new QApplication(argc, argv); // lives to the end of the process, as Qt wants
        }
        return true;
    }

    static inline int argc = 1;
    static inline char name[] = "korvo_tray_tests";
    static inline char* argv[] = {name, nullptr};
    bool ready = application(); // before any widget
    velmar::test::ScopedSession session;
    KorvoHost host{{}, DemoSong(1), [] { return platform::timeGetTime(); }, nullptr};
    test::FakeMidiSystem system;
    MidiConnections connections{system, {}, nullptr};
    bool plugged = plugDevices(); // before the tray, as korvo connects them at start
    int choices = 0;
    KorvoTray tray{{host,
                    &connections,
                    QStringLiteral("fake"),
                    QStringLiteral("demo song"),
                    QString::fromStdString((session.root() / "takes").string()),
                    {},
                    [this] {
                        ++choices;
                    }}};
};

TEST_F(KorvoTrayTest, TheTooltipSaysWhatKorvoDoesAndTheMenuRunsTheTransport)
{
    EXPECT_EQ(tray.toolTip().toStdString(),
              std::string("korvo: stopped\nSong: demo song\nMIDI: fake\n"
                          "Inputs: USB Keyboard:MIDI 1, Drum Pads:MIDI 1"));
    QStringList texts;
    for (QAction* item : tray.menu().actions())
        if (!item->isSeparator())
            texts << item->text();
    EXPECT_EQ(texts.join(QLatin1Char('|')).toStdString(),
              "MIDI Inputs|Open Song…|Play|Stop|Rewind|Record|Loop|Open Recordings Folder|Quit");

    action(tray.menu(), QStringLiteral("Play"))->trigger();
    serve(600);
    EXPECT_TRUE(host.sequencer().running());
    EXPECT_TRUE(tray.toolTip().startsWith(QStringLiteral("korvo: playing bar ")))
        << tray.toolTip().toStdString();
    action(tray.menu(), QStringLiteral("Loop"))->trigger();
    EXPECT_TRUE(host.sequencer().loop());
    action(tray.menu(), QStringLiteral("Stop"))->trigger();
    serve(50);
    EXPECT_FALSE(host.sequencer().running());
    EXPECT_EQ(choices, 3) << "each choice keeps korvo from ending by itself";
}

TEST_F(KorvoTrayTest, UntickingAnInputDisconnectsIt)
{
    QMenu* inputs = action(tray.menu(), QStringLiteral("MIDI Inputs"))->menu();
    ASSERT_NE(inputs, nullptr);
    Q_EMIT inputs->aboutToShow();
    QAction* keyboard = action(*inputs, QStringLiteral("USB Keyboard:MIDI 1"));
    ASSERT_NE(keyboard, nullptr);
    EXPECT_TRUE(keyboard->isChecked());
    keyboard->trigger();
    EXPECT_EQ(system.inputs, (std::set<std::string>{"24:0"}));
    EXPECT_EQ(tray.toolTip().section(QLatin1Char('\n'), 3),
              QStringLiteral("Inputs: Drum Pads:MIDI 1"));

    // For the help page: the menu as the user sees it.
    if (const char* folder = std::getenv("VELMAR_TRAY_GRAB")) {
        tray.menu().popup({0, 0});
        serve(100);
        tray.menu().grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/korvo-menu.png"));
        drawing::drawKorvoTrayIcon(32, drawing::KorvoTrayState::Playing)
            .save(QString::fromLocal8Bit(folder) + QStringLiteral("/korvo-tray.png"));
    }
}

} // namespace
} // namespace velmar::host

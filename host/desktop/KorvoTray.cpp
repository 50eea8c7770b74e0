#include "host/desktop/KorvoTray.h"

#include "runtime/HostMessages.h"
#include "runtime/platform/Windows.h"
#include "tools/pictures/KorvoTrayIcon.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QUrl>

namespace velmar::host {

namespace {

constexpr int kRefreshMs = 500;

QIcon trayIcon(drawing::KorvoTrayState state)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(drawing::drawKorvoTrayIcon(size, state)));
    return icon;
}

drawing::KorvoTrayState trayState(TransportState state)
{
    switch (state) {
    case TransportState::Playing:
        return drawing::KorvoTrayState::Playing;
    case TransportState::Recording:
        return drawing::KorvoTrayState::Recording;
    case TransportState::Stopped:
        break;
    }
    return drawing::KorvoTrayState::Stopped;
}

} // namespace

bool KorvoTray::Available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

KorvoTray::KorvoTray(Context context)
    : m_context(std::move(context))
{
    m_inputs = m_menu.addMenu(QStringLiteral("MIDI Inputs"));
    connect(m_inputs, &QMenu::aboutToShow, this, &KorvoTray::FillMenu);
    m_menu.addSeparator();
    m_menu.addAction(QStringLiteral("Open Song…"), this,
                     [this] { Choose([this] { OpenSong(); }); });
    m_menu.addSeparator();
    m_menu.addAction(QStringLiteral("Play"), this, [this] { Transport(HostCmdPlay); });
    m_menu.addAction(QStringLiteral("Stop"), this, [this] { Transport(HostCmdStop); });
    m_menu.addAction(QStringLiteral("Rewind"), this, [this] { Transport(HostCmdRewind); });
    m_menu.addAction(QStringLiteral("Record"), this, [this] { Transport(HostCmdRecord); });
    m_loop = m_menu.addAction(QStringLiteral("Loop"));
    m_loop->setCheckable(true);
    m_loop->setChecked(m_context.host.sequencer().loop());
    connect(m_loop, &QAction::toggled, this,
            [this](bool loop) { Choose([this, loop] { m_context.host.SetLoop(loop); }); });
    m_menu.addSeparator();
    m_menu.addAction(QStringLiteral("Open Recordings Folder"), this, [this] {
        Choose([this] {
            QDir().mkpath(m_context.recordingsFolder);
            QDesktopServices::openUrl(QUrl::fromLocalFile(m_context.recordingsFolder));
        });
    });
    m_menu.addSeparator();
    m_menu.addAction(QStringLiteral("Quit"), this, [] { QCoreApplication::quit(); });

    m_icon.setContextMenu(&m_menu);
    connect(&m_refresh, &QTimer::timeout, this, &KorvoTray::Refresh);
    m_refresh.start(kRefreshMs);
    Refresh();
    m_icon.show();
}

void KorvoTray::Choose(const std::function<void()>& action)
{
    if (m_context.chosen)
        m_context.chosen();
    action();
    Refresh();
}

void KorvoTray::Transport(unsigned message)
{
    // Through korvo's own window, as a plug-in's request goes.
    Choose([this, message] { platform::PostMessageA(m_context.host.window(), message, 0, 0); });
}

void KorvoTray::OpenSong()
{
    const QString path = QFileDialog::getOpenFileName(
        nullptr, QStringLiteral("Open Song"), QDir::homePath(),
        QStringLiteral("Standard MIDI Files (*.mid *.midi *.smf);;All files (*)"));
    if (path.isEmpty() || !m_context.openSong)
        return;
    if (const QString error = m_context.openSong(path); !error.isEmpty()) {
        QMessageBox::warning(nullptr, QStringLiteral("korvo"), error);
        return;
    }
    m_context.songName = QFileInfo(path).fileName();
}

void KorvoTray::FillMenu()
{
    m_inputs->clear();
    const std::vector<MidiInputChoice> inputs = m_context.connections != nullptr
                                                    ? m_context.connections->Inputs()
                                                    : std::vector<MidiInputChoice>{};
    if (inputs.empty())
        m_inputs->addAction(QStringLiteral("No MIDI devices"))->setEnabled(false);
    for (const MidiInputChoice& input : inputs) {
        QAction* action = m_inputs->addAction(QString::fromStdString(input.port.name));
        action->setCheckable(true);
        action->setChecked(input.connected);
        const std::string id = input.port.id;
        connect(action, &QAction::toggled, this, [this, id](bool wanted) {
            Choose([this, id, wanted] { m_context.connections->SetInputWanted(id, wanted); });
        });
    }
}

void KorvoTray::Refresh()
{
    const Sequencer& sequencer = m_context.host.sequencer();
    QString doing = QStringLiteral("stopped");
    if (sequencer.state() == TransportState::Playing)
        doing = QStringLiteral("playing bar %1").arg(sequencer.bar());
    else if (sequencer.state() == TransportState::Recording)
        doing = QStringLiteral("recording bar %1").arg(sequencer.bar());
    QStringList inputs;
    if (m_context.connections != nullptr)
        for (const std::string& name : m_context.connections->ConnectedInputs())
            inputs << QString::fromStdString(name);
    m_icon.setToolTip(
        QStringLiteral("korvo: %1\nSong: %2\nMIDI: %3\nInputs: %4")
            .arg(doing, m_context.songName,
                 m_context.midiSystem.isEmpty() ? QStringLiteral("none") : m_context.midiSystem,
                 inputs.isEmpty() ? QStringLiteral("none") : inputs.join(QStringLiteral(", "))));
    const int state = static_cast<int>(sequencer.state());
    if (state != m_shownState) {
        m_icon.setIcon(trayIcon(trayState(sequencer.state())));
        m_shownState = state;
    }
    m_loop->setChecked(sequencer.loop());
}

} // namespace velmar::host

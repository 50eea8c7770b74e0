#pragma once

#include "host/KorvoHost.h"
#include "host/MidiConnections.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

namespace velmar::host {

// korvo's face on the desktop: an icon in the system tray whose tooltip says what korvo is
// doing, and whose menu chooses the inputs and runs the transport.
class KorvoTray : public QObject {
    Q_OBJECT

public:
    struct Context {
        KorvoHost& host;
        MidiConnections* connections; // null without a MIDI system
        QString midiSystem;           // empty: none
        QString songName;
        QString recordingsFolder;
        // Loads a song the user chose; gives what went wrong, or an empty string.
        std::function<QString(const QString& path)> openSong;
        // Called whenever the user chooses something in the menu.
        std::function<void()> chosen;
    };

    explicit KorvoTray(Context context);

    // Whether the desktop shows a system tray now.
    [[nodiscard]] static bool Available();

    [[nodiscard]] QMenu& menu() { return m_menu; }
    [[nodiscard]] QString toolTip() const { return m_icon.toolTip(); }

private:
    void Refresh();
    void FillMenu();
    void Choose(const std::function<void()>& action);
    void Transport(unsigned message);
    void OpenSong();

    Context m_context;
    QMenu m_menu;
    QMenu* m_inputs = nullptr;
    QAction* m_loop = nullptr;
    QSystemTrayIcon m_icon;
    QTimer m_refresh;
    int m_shownState = -1;
};

} // namespace velmar::host

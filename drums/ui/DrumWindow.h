#pragma once

#include "drums/core/DrumEventIntake.h"
#include "drums/core/DrumPlayer.h"
#include "drums/core/HintLine.h"
#include "drums/core/HitAnimation.h"
#include "drums/core/KettraSettings.h"
#include "drums/core/KettraSettingsFile.h"
#include "drums/core/ScaledKit.h"
#include "drums/core/TransportBar.h"
#include "drums/ui/KettraContext.h"
#include "drums/ui/KitPictures.h"
#include "drums/ui/PanelCanvas.h"
#include "drums/ui/PlatformHostWindow.h"
#include "runtime/link/HostLink.h"
#include "runtime/platform/Windows.h"
#include "runtime/qt/MessagePump.h"

#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class QKeyEvent;
class QLabel;
class QMouseEvent;

namespace velmar {
class LinkPrompts;
}

namespace velmar::drums {

class PicturePanel;
class DrumSettingsDialog;

// The drum window: the kit panel whose instruments light up as the host plays them, the
// transport bar above it and the hint line between. The user plays the kit with the mouse
// and the keyboard.
class DrumWindow : public QWidget, private TransportView {
    Q_OBJECT

public:
    // Creates the host link block; throws SharedMemoryError when it cannot.
    DrumWindow(LinkPrompts& prompts, KettraContext context);
    ~DrumWindow() override;

    // Start-up, up to the running timer. False when the program has to end; the user has
    // been told why.
    [[nodiscard]] bool FormCreate();

    QLabel* const HintLabel;
    PicturePanel* const Transport;
    PicturePanel* const DrumSpace;
    QTimer* const TickTimer;
    HostLink Link;
    // Created at the end of FormCreate.
    DrumSettingsDialog* SettingsDialog = nullptr;

    // Keeps the client area at 600·Scale × (400·Scale + 32) and loads the pictures anew.
    void FormResize();
    // When the event loop goes idle: reloads the pictures when the display's colours
    // changed, and keeps the window on the screen.
    void AppIdle();
    // The 10 ms tick.
    void OnTick();
    // (Re)creates every picture for the Scale and the display; false, after telling the
    // user, when a picture is missing.
    [[nodiscard]] bool LoadImages();

    [[nodiscard]] const KettraSettings& Settings() const { return m_settings; }
    [[nodiscard]] double Scale() const { return m_scale; }
    [[nodiscard]] const KitPictures& Pictures() const { return m_pictures; }
    [[nodiscard]] TransportLook ShownLook() const { return m_shownLook; }
    [[nodiscard]] platform::HWND Handle() const { return m_endpoint->hwnd(); }
    [[nodiscard]] const QString& HelpFile() const { return m_helpFile; }

protected:
    // Keys reach the form before any control, as with KeyPreview.
    bool event(QEvent* event) override;
    // The system's repaints of the window, which Qt serves from its backing store.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void ShowLook(TransportLook look) override;

    platform::LRESULT WindowProc(platform::UINT message, platform::WPARAM wParam);
    void FormDestroy();
    void FormKeyDown(const QKeyEvent& event);
    void FormKeyUp(const QKeyEvent& event);
    void TransportMouseDown(const QMouseEvent& event);
    void TransportMouseMove(const QMouseEvent& event);
    void TransportMouseUp();
    void DrumSpaceMouseDown(const QMouseEvent& event);
    void DrumSpaceMouseMove(const QMouseEvent& event);
    void DrumSpaceMouseUp(const QMouseEvent& event);
    void DrumSpacePaint();
    void ShowHint(const std::optional<QString>& text);
    void ShowSettingsDialog();

    // FormResize without its picture load: the Scale, the client size and the panels.
    void ZoomClient();
    // Sizes and centres the transport bar by its pictures.
    void PlaceTransport();
    [[nodiscard]] QRect ScreenRect() const;

    KettraContext m_context;
    MessagePump m_pump;
    // The host finds this window through the process that signs in, so it exists before
    // the link is made.
    std::unique_ptr<platform::WindowEndpoint> m_endpoint;
    PlatformHostWindow m_host;

    KettraSettings m_settings;
    // Known once the settings have been read; only then are they written at the end.
    std::optional<KettraSettingsFile> m_settingsFile;
    QString m_helpFile;
    int m_colorCount = 0;
    // Device pixels per pixel of the window's screen, as last measured.
    double m_devicePixelRatio = 1.0;

    double m_scale = 1.0;
    int m_lastClientWidth;
    int m_lastClientHeight;
    // The first resize notification, when the window first shows, only clears it.
    bool m_skipNextResize = true;

    ScaledKit m_kit;
    KitPictures m_pictures;
    PanelCanvas m_canvas;
    HitAnimation m_animation;
    DrumEventIntake m_intake;
    TransportBar m_transportBar;
    DrumPlayer m_player;
    HintLine m_hintLine;
    TransportLook m_shownLook = TransportLook::Stop;
    // Set while a command draws its look; every other paint shows the state's look.
    std::optional<TransportLook> m_drawingLook;

    QMetaObject::Connection m_idle;
    bool m_inAppIdle = false;
};

} // namespace velmar::drums

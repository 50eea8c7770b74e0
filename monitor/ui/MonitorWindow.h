#pragma once

#include "monitor/core/EventIntake.h"
#include "monitor/core/MonitorClock.h"
#include "monitor/core/OstraSettings.h"
#include "monitor/core/OstraSettingsFile.h"
#include "monitor/ui/ActivityStripPictures.h"
#include "monitor/ui/RepaintPacing.h"
#include "runtime/link/HostLink.h"
#include "runtime/platform/Windows.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QTableView;

namespace velmar::monitor {

class ApplicationIdle;
class RingWatcher;
class StreamBeat;
class EventGridModel;
class GridContextMenu;
class DrawingArea;

// What the main window takes from around it: the directories and path of the program and
// the host link's clock, waits and program start. standard() is the running program's.
struct MonitorEnvironment {
    std::string ExeDir;
    std::string WindowsDir;
    std::string ExePath;
    LinkContext Link = LinkContext::standard();

    [[nodiscard]] static MonitorEnvironment standard();
};

// The modal windows that the main window's buttons open, each run to its end. A window not
// given opens nothing.
struct MonitorDialogs {
    std::function<void()> ShowSettings;
    std::function<void()> ShowFilter;
    std::function<void()> SaveBufferToFile;
    std::function<void()> ShowRecentEvents;
};

// The monitor's main window: the event grid, the clock and event count, the channel
// activity box and the buttons. Creating it links to the host and sets everything up; when
// that fails it has said why and TerminateRequested() is set. Destroying it saves the
// settings and signs off.
class MonitorWindow : public QWidget {
    Q_OBJECT

public:
    MonitorWindow(LinkPrompts& prompts, MonitorEnvironment environment);
    ~MonitorWindow() override;

    [[nodiscard]] bool TerminateRequested() const { return m_terminateRequested; }
    [[nodiscard]] platform::HWND HostWindow() const { return m_hostWindow; }
    [[nodiscard]] platform::HWND WindowHandle() const { return m_endpoint->hwnd(); }
    [[nodiscard]] double DisplayScale() const { return m_displayScale; }
    [[nodiscard]] const QString& HelpFile() const { return m_helpFile; }

    [[nodiscard]] OstraSettings& Settings() { return m_settings; }
    [[nodiscard]] const EventIntake& Intake() const { return *m_intake; }
    [[nodiscard]] const EventGridModel& Grid() const { return *m_grid; }
    [[nodiscard]] GridContextMenu& GridMenu() const { return *m_gridMenu; }
    // The grid's column widths as the user left them.
    [[nodiscard]] std::array<int, kGridColumnCount> ColumnWidths() const;
    // How often what events change (the grid, the event count, the lights) reaches the
    // screen: at most once a frame of the window's screen, taken again whenever the window
    // is shown or moves to another screen. The running clock's text is paced the same on
    // its own and goes along with every showing of the events, so a steady stream repaints
    // the window once a frame while a lone event is never held back by the clock.
    [[nodiscard]] RepaintPacing& EventRepaints() { return m_eventRepaints; }

    // The application lost activation.
    void AppDeactivate();

    MonitorDialogs Dialogs;

    QGroupBox* const DisplayGroupBox;
    QLabel* const EventCaptionLabel;
    QLabel* const CurrentEventLabel;
    QPushButton* const ClearGridButton;
    QPushButton* const SaveTextButton;
    QPushButton* const DisplaySettingsButton;
    QPushButton* const FilterButton;
    QGroupBox* const SequencerGroupBox;
    QPushButton* const PlayButton;
    QPushButton* const RewindButton;
    QPushButton* const StopButton;
    QGroupBox* const TimerGroupBox;
    QLabel* const TimeCaptionLabel;
    QLabel* const CurTimeLabel;
    DrawingArea* const ActivityStrip;
    QPushButton* const HelpButton;
    QPushButton* const MinimizeButton;
    QPushButton* const ExitButton;
    QTableView* const MIDIGrid;

Q_SIGNALS:
    // The window was closed, which ends the program.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpGrid();
    void ConnectHandlers();
    void FormCreate();
    void LoadPictures();
    void SetCaptions();
    void FormResize();
    void SetDefaultRowHeight(int height);
    void FormDestroy();
    void RequestTerminate();

    bool AppIdle();
    void ShowEvents(RepaintPacing::Clock::time_point now);
    void ShowClock(RepaintPacing::Clock::time_point now);
    void FollowScreenRefresh();
    void KeepWindowOnScreen();
    void ShowNewlyLitLights();
    [[nodiscard]] GridScroll Scroll() const;
    void SetTopRow(std::int32_t topRow);

    void ClearMIDIGrid();
    void ActivityStripPaint(QPainter& canvas);
    void ActivityStripClick();
    void PlayButtonClick();
    void StopButtonClick();
    void RewindButtonClick();
    void ClearGridButtonClick();
    void ClearTimeButtonClick();
    void DisplaySettingsButtonClick();
    void FilterButtonClick();
    void SaveTextButtonClick();
    void HelpButtonClick();
    void MinimizeButtonClick();
    void ExitButtonClick();
    void OpenHelpOf(const QWidget* focused);

    MonitorEnvironment m_environment;
    // The link goes after the window's endpoint is gone, so no message reaches a half-gone
    // window while the link signs off.
    std::unique_ptr<HostLink> m_hostLink;
    std::unique_ptr<platform::WindowEndpoint> m_endpoint;

    platform::HWND m_hostWindow = 0;
    double m_displayScale = 1.0;
    std::uint8_t m_hostWindowMode = 1;
    ActivityStripPictures m_activityPictures;
    std::optional<OstraSettingsFile> m_configFile;
    OstraSettings m_settings;
    QString m_helpFile;
    bool m_terminateRequested = false;

    SystemClock m_clock;
    EventGridModel* m_grid = nullptr;
    std::unique_ptr<EventIntake> m_intake;
    GridContextMenu* m_gridMenu = nullptr; // the grid's child
    std::unique_ptr<ApplicationIdle> m_idle;
    // After the idle handler it wakes and before the link whose ring it reads.
    std::unique_ptr<RingWatcher> m_ringWatcher;
    // Arms the watcher, so it goes first.
    std::unique_ptr<StreamBeat> m_streamBeat;
    RepaintPacing m_eventRepaints;
    RepaintPacing m_clockRepaints;
    // The labels' new texts, until they are shown.
    std::optional<QString> m_curTimeText;
    std::optional<QString> m_eventCountText;
};

} // namespace velmar::monitor

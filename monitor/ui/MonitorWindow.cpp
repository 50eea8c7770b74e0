#include "monitor/ui/MonitorWindow.h"

#include "monitor/core/ActivityLights.h"
#include "monitor/core/EventGridModel.h"
#include "monitor/core/RingWatcher.h"
#include "monitor/ui/ApplicationIdle.h"
#include "monitor/ui/DrawingArea.h"
#include "monitor/ui/GridCellDelegate.h"
#include "monitor/ui/GridContextMenu.h"
#include "monitor/ui/GridView.h"
#include "monitor/ui/HelpContext.h"
#include "monitor/ui/MainFormRules.h"
#include "monitor/ui/NumberLabel.h"
#include "monitor/ui/StreamBeat.h"
#include "monitor/ui/TopmostBracket.h"
#include "runtime/HostMessages.h"
#include "runtime/language/HelpFile.h"
#include "runtime/language/Language.h"
#include "runtime/pictures/ColorCount.h"
#include "runtime/platform/Files.h"
#include "runtime/ui/FormRules.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QWindow>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <utility>

namespace velmar::monitor {

namespace {

constexpr std::uint16_t kCouldNotCommunicate = 3565;
constexpr std::uint16_t kCouldNotLoadBitmap = 4000;
constexpr std::uint16_t kMidiMonitor = 4288;
constexpr int kJapanese = 10;
constexpr int kHelpContext = 9;
constexpr QSize kDesignSize(598, 453);

// "MS Sans Serif" 8 point of the design is the system's sans-serif face 11 pixels high,
// a little condensed: the common faces are wider, and the design's widths were measured
// for that narrow one.
QFont designFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

template <typename Widget>
Widget* place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

std::int16_t toInt16(int value)
{
    return static_cast<std::int16_t>(std::clamp<int>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

void showModal(const std::function<void()>& dialog)
{
    if (dialog)
        dialog();
}

} // namespace

MonitorEnvironment MonitorEnvironment::standard()
{
    return {platform::ExeDir(), platform::WindowsDir(),
            QCoreApplication::applicationFilePath().toStdString(), LinkContext::standard()};
}

MonitorWindow::MonitorWindow(LinkPrompts& prompts, MonitorEnvironment environment)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , DisplayGroupBox(place(new QGroupBox(QStringLiteral("MIDI Display"), this), 0, 0, 133, 81))
    , EventCaptionLabel(place(new QLabel(QStringLiteral("Event"), DisplayGroupBox), 8, 18, 57, 13))
    , CurrentEventLabel(
          place(new NumberLabel(QStringLiteral("0"), DisplayGroupBox), 68, 18, 59, 13))
    , ClearGridButton(
          place(new QPushButton(QStringLiteral("Clear"), DisplayGroupBox), 4, 34, 59, 21))
    , SaveTextButton(
          place(new QPushButton(QStringLiteral("Save Text"), DisplayGroupBox), 68, 34, 59, 21))
    , DisplaySettingsButton(
          place(new QPushButton(QStringLiteral("Settings"), DisplayGroupBox), 4, 56, 59, 21))
    , FilterButton(
          place(new QPushButton(QStringLiteral("Filter"), DisplayGroupBox), 68, 56, 59, 21))
    , SequencerGroupBox(
          place(new QGroupBox(QStringLiteral("Sequencer Control"), this), 134, 0, 145, 41))
    , PlayButton(place(new QPushButton(QStringLiteral("Play"), SequencerGroupBox), 4, 14, 45, 21))
    , RewindButton(
          place(new QPushButton(QStringLiteral("Rewind"), SequencerGroupBox), 50, 14, 45, 21))
    , StopButton(place(new QPushButton(QStringLiteral("Stop"), SequencerGroupBox), 96, 14, 45, 21))
    , TimerGroupBox(place(new QGroupBox(QStringLiteral("Timer"), this), 282, 0, 164, 41))
    , TimeCaptionLabel(
          place(new QLabel(QStringLiteral("Current Time (mS)"), TimerGroupBox), 4, 18, 84, 13))
    , CurTimeLabel(place(new NumberLabel(QStringLiteral("0"), TimerGroupBox), 108, 18, 49, 13))
    , ActivityStrip(place(new DrawingArea(this), 134, 44, 312, 37))
    , HelpButton(place(new QPushButton(QStringLiteral("Help"), this), 452, 6, 59, 21))
    , MinimizeButton(place(new QPushButton(QStringLiteral("Minimize"), this), 452, 30, 59, 21))
    , ExitButton(place(new QPushButton(QStringLiteral("Exit"), this), 452, 54, 59, 21))
    , MIDIGrid(place(new GridView(this), 0, 84, 586, 312))
    , m_environment(std::move(environment))
    , m_hostLink(std::make_unique<HostLink>(prompts, m_environment.Link))
{
    setObjectName(QStringLiteral("MonitorWindow"));
    setWindowTitle(QStringLiteral("MIDI Monitor"));
    setFont(designFont());
    resize(kDesignSize);
    SetUpGrid();
    SetDefaultRowHeight(kDesignRowHeight);
    ConnectHandlers();

    // The host finds this window through the process that signs in, so it must exist first.
    m_endpoint = platform::WindowEndpoint::create(
        [this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM) {
            return HandlePlugInMessage(m_hostLink->Block(), message, wParam).value_or(0);
        });
    m_hostLink->SetExeName(HostLink::kDefaultExeName.toString());
    m_hostLink->Loaded();
    FormCreate();
}

// A string grid: no selection, no editing, a title row and no title column, rows of one
// height, columns the user may widen.
void MonitorWindow::SetUpGrid()
{
    MIDIGrid->setSelectionMode(QAbstractItemView::NoSelection);
    MIDIGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MIDIGrid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    MIDIGrid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    MIDIGrid->setWordWrap(false);
    MIDIGrid->setTextElideMode(Qt::ElideNone);
    MIDIGrid->setCornerButtonEnabled(false);
    MIDIGrid->setItemDelegate(new GridCellDelegate(MIDIGrid));
    MIDIGrid->verticalHeader()->hide();
    MIDIGrid->verticalHeader()->setMinimumSectionSize(1);
    MIDIGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MIDIGrid->horizontalHeader()->setMinimumSectionSize(1);
    MIDIGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    MIDIGrid->horizontalHeader()->setHighlightSections(false);
    MIDIGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    MIDIGrid->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    QPalette gridPalette = MIDIGrid->palette();
    gridPalette.setColor(QPalette::Base, Qt::white);
    MIDIGrid->setPalette(gridPalette);
}

void MonitorWindow::ConnectHandlers()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{
             this, DisplayGroupBox, SequencerGroupBox, TimerGroupBox, ClearGridButton,
             SaveTextButton, DisplaySettingsButton, FilterButton, PlayButton, RewindButton,
             StopButton, HelpButton, MinimizeButton, ExitButton, MIDIGrid})
        SetHelpContext(*widget, kHelpContext);
    for (QWidget* clearsTime :
         std::initializer_list<QWidget*>{TimerGroupBox, TimeCaptionLabel, CurTimeLabel})
        clearsTime->installEventFilter(this);

    connect(ActivityStrip, &DrawingArea::OnPaint, this, &MonitorWindow::ActivityStripPaint);
    connect(ActivityStrip, &DrawingArea::OnClick, this, &MonitorWindow::ActivityStripClick);
    connect(PlayButton, &QPushButton::clicked, this, &MonitorWindow::PlayButtonClick);
    connect(StopButton, &QPushButton::clicked, this, &MonitorWindow::StopButtonClick);
    connect(RewindButton, &QPushButton::clicked, this, &MonitorWindow::RewindButtonClick);
    connect(ClearGridButton, &QPushButton::clicked, this, &MonitorWindow::ClearGridButtonClick);
    connect(DisplaySettingsButton, &QPushButton::clicked, this,
            &MonitorWindow::DisplaySettingsButtonClick);
    connect(FilterButton, &QPushButton::clicked, this, &MonitorWindow::FilterButtonClick);
    connect(SaveTextButton, &QPushButton::clicked, this, &MonitorWindow::SaveTextButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &MonitorWindow::HelpButtonClick);
    connect(MinimizeButton, &QPushButton::clicked, this, &MonitorWindow::MinimizeButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &MonitorWindow::ExitButtonClick);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OpenHelpOf(focusWidget()); });
}

MonitorWindow::~MonitorWindow()
{
    FormDestroy();
}

// Start-up goes on to its end after a failure, so that the settings are still read and,
// when the window goes, written back.
void MonitorWindow::FormCreate()
{
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive)
                    AppDeactivate();
            });
    InitLanguage(m_environment.ExeDir, m_environment.WindowsDir);
    m_hostWindow = m_hostLink->MainWinHandle();
    if (m_hostWindow == 0) {
        ShowErrorBox(this, LoadNumStr(kCouldNotCommunicate));
        RequestTerminate();
    }
    m_displayScale = 1.0;
    const LanguageState& language = languageState();
    if (language.LanguageIndex == kJapanese)
        m_displayScale = ApplyJapaneseFontAdjustment(*this, false);
    MIDIGrid->setFont(GridFont(font()));
    m_configFile = OstraSettingsFile::Locate(language.ExeDir, language.WindowsDir);
    m_settings = m_configFile->LoadSettings();
    move(m_settings.WindowLeft, m_settings.WindowTop);
    resize(m_settings.WindowWidth, m_settings.WindowHeight);

    // The intake sizes the grid for the settings, empties it and sets the clock's start.
    m_grid = new EventGridModel(m_settings.DisplayEventCount, this);
    m_intake = std::make_unique<EventIntake>(m_hostLink->Block(), m_settings, *m_grid, m_clock);
    MIDIGrid->setModel(m_grid);
    m_gridMenu = new GridContextMenu(*MIDIGrid, *m_grid, *m_intake, m_settings, *this);
    m_idle = std::make_unique<ApplicationIdle>([this] { return AppIdle(); });
    const auto wakeIdle = [idle = m_idle.get()] {
        idle->Wake();
    };
    m_ringWatcher = std::make_unique<RingWatcher>(m_hostLink->Block(), wakeIdle);
    m_streamBeat = std::make_unique<StreamBeat>(
        wakeIdle, [watcher = m_ringWatcher.get()](StreamBeat::Clock::time_point wakeBy) {
            watcher->Arm(wakeBy);
        });

    LoadPictures();
    m_helpFile = QString::fromStdString(
        ChooseHelpFile(language.ExeDir, m_environment.ExePath, language.LanguageIndex,
                       [](const std::string& path) { return std::filesystem::exists(path); }));
    SetCaptions();

    m_hostWindowMode =
        HostWindowModeOf(platform::SendMessageA(m_hostWindow, HostQueryWindowMode, 0, 0));
    if (m_hostWindowMode == 1)
        setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                       Qt::WindowCloseButtonHint);
    SetDefaultRowHeight(nearest(m_displayScale * kDesignRowHeight));
    FormResize();
}

void MonitorWindow::LoadPictures()
{
    if (m_activityPictures.Load(ColorCount(screen())))
        return;
    {
        const TopmostBracket bracket(*this, m_settings);
        ShowErrorBox(this, LoadNumStr(kCouldNotLoadBitmap));
    }
    RequestTerminate();
}

void MonitorWindow::SetCaptions()
{
    EventCaptionLabel->setText(LoadNumStr(4003));
    ClearGridButton->setText(LoadNumStr(4004));
    SaveTextButton->setText(LoadNumStr(4005));
    FilterButton->setText(LoadNumStr(4006));
    DisplaySettingsButton->setText(LoadNumStr(4007));
    RewindButton->setText(LoadNumStr(4008));
    StopButton->setText(LoadNumStr(4009));
    PlayButton->setText(LoadNumStr(4010));
    TimeCaptionLabel->setText(LoadNumStr(4011));
    TimeCaptionLabel->adjustSize(); // as wide as its text, whatever the language and the face
    setWindowTitle(LoadNumStr(kMidiMonitor));
    QGuiApplication::setApplicationDisplayName(LoadNumStr(kMidiMonitor));
    HelpButton->setText(LoadNumStr(4012));
    DisplayGroupBox->setTitle(LoadNumStr(4046));
    SequencerGroupBox->setTitle(LoadNumStr(4047));
    TimerGroupBox->setTitle(LoadNumStr(4048));
    ExitButton->setText(LoadNumStr(4295));
    MinimizeButton->setText(LoadNumStr(4301));
}

void MonitorWindow::RequestTerminate()
{
    m_terminateRequested = true;
}

void MonitorWindow::FormResize()
{
    const GridPlacement placement =
        monitor::FormResize(size(), m_displayScale, m_settings.ColumnWidths);
    MIDIGrid->setGeometry(placement.Geometry);
    for (std::size_t column = 0; column < kGridColumnCount; ++column)
        MIDIGrid->setColumnWidth(static_cast<int>(column), placement.ColumnWidths[column]);
}

// Every row of the grid, the title row too.
void MonitorWindow::SetDefaultRowHeight(int height)
{
    MIDIGrid->verticalHeader()->setDefaultSectionSize(height);
    MIDIGrid->horizontalHeader()->setFixedHeight(height);
}

std::array<int, kGridColumnCount> MonitorWindow::ColumnWidths() const
{
    std::array<int, kGridColumnCount> widths{};
    for (std::size_t column = 0; column < kGridColumnCount; ++column)
        widths[column] = MIDIGrid->columnWidth(static_cast<int>(column));
    return widths;
}

void MonitorWindow::FormDestroy()
{
    if (!m_configFile)
        return;
    m_settings.WindowLeft = toInt16(pos().x());
    m_settings.WindowTop = toInt16(pos().y());
    m_settings.WindowWidth = toInt16(width());
    m_settings.WindowHeight = toInt16(height());
    const std::array<int, kGridColumnCount> widths = ColumnWidths();
    std::copy(widths.begin(), widths.end(), m_settings.ColumnWidths.begin());
    // A failed write loses only the changes.
    (void)m_configFile->SaveSettings(m_settings);
}

bool MonitorWindow::AppIdle()
{
    const IdleResult result = m_intake->AppIdle();
    if (result.KeepOnScreen)
        KeepWindowOnScreen();
    if (result.CurTimeLabel) {
        m_curTimeText = result.CurTimeLabel;
        m_clockRepaints.Changed();
    }
    if (result.CurrentEventLabel)
        m_eventCountText = result.CurrentEventLabel;
    if (result.GridChanged || result.CurrentEventLabel)
        m_eventRepaints.Changed();
    const auto now = RepaintPacing::Clock::now();
    // The clock waits for events that wait: they take it along within the frame.
    if (m_eventRepaints.Due(now))
        ShowEvents(now);
    else if (!m_eventRepaints.Waiting() && m_clockRepaints.Due(now))
        ShowClock(now);
    if (!result.RingWasEmpty) {
        m_streamBeat->TookEvents(now);
        return false; // called again at once: more may have come meanwhile
    }
    // The loop may wait now: the beat or the watcher wakes the handler when an event comes,
    // or when the clock's label, the screen clamp or a waiting repaint is due.
    const RepaintPacing& next = m_eventRepaints.Waiting() ? m_eventRepaints : m_clockRepaints;
    const std::uint32_t dueMs = next.MsUntilDue(now, m_intake->MsUntilPassDue());
    // Whole milliseconds are rounded down: one more makes the wake come after the moment.
    m_streamBeat->Wait(now, now + std::chrono::milliseconds(dueMs + 1U));
    return true;
}

// What the events changed since the last time, as it is now: the rows written, the grid
// scrolled to the newest one, the event count and the lights; the clock comes along.
void MonitorWindow::ShowEvents(RepaintPacing::Clock::time_point now)
{
    m_intake->PublishWrittenRows();
    if (const std::optional<std::int32_t> topRow = m_intake->TakeTopRow(Scroll()))
        SetTopRow(*topRow);
    if (m_eventCountText)
        CurrentEventLabel->setText(*std::exchange(m_eventCountText, std::nullopt));
    ShowNewlyLitLights();
    m_eventRepaints.Shown(now);
    ShowClock(now);
}

void MonitorWindow::ShowClock(RepaintPacing::Clock::time_point now)
{
    if (m_curTimeText)
        CurTimeLabel->setText(*std::exchange(m_curTimeText, std::nullopt));
    m_clockRepaints.Shown(now);
}

void MonitorWindow::FollowScreenRefresh()
{
    if (const QScreen* display = screen()) {
        const RepaintPacing::Clock::duration frame = RepaintPacing::FrameOf(display->refreshRate());
        m_eventRepaints.SetFrame(frame);
        m_clockRepaints.SetFrame(frame);
    }
}

void MonitorWindow::KeepWindowOnScreen()
{
    const QScreen* display = screen();
    if (display == nullptr)
        return;
    const QRect frame = frameGeometry();
    const QRect placed = KeepOnScreen(frame, display->virtualGeometry());
    if (placed.topLeft() != frame.topLeft())
        move(placed.topLeft());
    if (placed.size() != frame.size())
        resize(size() + (placed.size() - frame.size()));
}

void MonitorWindow::ShowNewlyLitLights()
{
    const std::uint32_t lit = m_intake->lights().TakeNewlyLit();
    if (lit == 0)
        return;
    for (std::size_t row = 0; row < kLightRows; ++row)
        for (std::size_t channel = 0; channel < kChannelCount; ++channel)
            if ((lit & ActivityLights::bit(row, channel)) != 0)
                ActivityStrip->update(
                    LightOnStrip(ActivityRects[row][channel], ActivityStrip->size()));
}

GridScroll MonitorWindow::Scroll() const
{
    const int rowHeight = MIDIGrid->verticalHeader()->defaultSectionSize();
    return {MIDIGrid->verticalScrollBar()->value() + 1,
            rowHeight > 0 ? MIDIGrid->viewport()->height() / rowHeight : 0};
}

void MonitorWindow::SetTopRow(std::int32_t topRow)
{
    MIDIGrid->verticalScrollBar()->setValue(topRow - 1);
}

void MonitorWindow::ClearMIDIGrid()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_intake->ClearMIDIGrid();
    SetTopRow(1);
    QApplication::restoreOverrideCursor();
}

void MonitorWindow::ActivityStripPaint(QPainter& canvas)
{
    m_activityPictures.Paint(canvas, m_intake->lights(), ActivityStrip->size());
}

void MonitorWindow::ActivityStripClick()
{
    m_intake->lights().ClearActivity();
    ActivityStrip->update();
}

void MonitorWindow::PlayButtonClick()
{
    platform::SendMessageA(m_hostWindow, HostCmdPlay, 0, 0);
}

void MonitorWindow::StopButtonClick()
{
    platform::SendMessageA(m_hostWindow, HostCmdStop, 0, 0);
}

void MonitorWindow::RewindButtonClick()
{
    platform::SendMessageA(m_hostWindow, HostCmdRewind, 0, 0);
}

void MonitorWindow::ClearGridButtonClick()
{
    ClearMIDIGrid();
    m_intake->ClearTime();
    ActivityStripClick();
}

void MonitorWindow::ClearTimeButtonClick()
{
    m_intake->ClearTime();
}

void MonitorWindow::DisplaySettingsButtonClick()
{
    const TopmostBracket bracket(*this, m_settings);
    showModal(Dialogs.ShowSettings);
    if (m_intake->ApplyDisplayEventCount())
        ClearMIDIGrid();
}

void MonitorWindow::FilterButtonClick()
{
    const TopmostBracket bracket(*this, m_settings);
    showModal(Dialogs.ShowFilter);
}

void MonitorWindow::SaveTextButtonClick()
{
    const TopmostBracket bracket(*this, m_settings);
    showModal(m_settings.SaveTextToFile != 0 ? Dialogs.SaveBufferToFile : Dialogs.ShowRecentEvents);
}

void MonitorWindow::HelpButtonClick()
{
    const TopmostBracket bracket(*this, m_settings);
    OpenHelp(this, m_helpFile, kHelpContext);
}

void MonitorWindow::OpenHelpOf(const QWidget* focused)
{
    const TopmostBracket bracket(*this, m_settings);
    OpenHelp(this, m_helpFile, HelpContextOf(focused != nullptr ? focused : this));
}

void MonitorWindow::MinimizeButtonClick()
{
    showMinimized();
}

void MonitorWindow::ExitButtonClick()
{
    close();
}

void MonitorWindow::AppDeactivate()
{
    if (MinimizeOnDeactivate(m_settings, m_hostWindowMode))
        showMinimized();
}

// Whenever the program shows it; not when the window system gives it back from minimised.
void MonitorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    MakeTopmost(*this);
    FollowScreenRefresh();
    connect(windowHandle(), &QWindow::screenChanged, this, &MonitorWindow::FollowScreenRefresh,
            Qt::UniqueConnection);
}

// A tool window does not end the application when it closes by itself.
void MonitorWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT Closed();
}

void MonitorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

bool MonitorWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The timer group, its label and the time display clear the clock when clicked.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint())) {
            ClearTimeButtonClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmar::monitor

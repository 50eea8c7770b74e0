#include "drums/ui/DrumWindow.h"

#include "drums/core/VirtualKeys.h"
#include "drums/core/WindowGeometry.h"
#include "drums/ui/DesignFont.h"
#include "drums/ui/DrumSettingsDialog.h"
#include "drums/ui/PicturePanel.h"
#include "runtime/HostMessages.h"
#include "runtime/language/HelpFile.h"
#include "runtime/language/Language.h"
#include "runtime/platform/Clock.h"
#include "runtime/ui/FormRules.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWindow>

#include <cstdlib>
#include <utility>

namespace velmar::drums {

namespace {

constexpr int kJapanese = 10;
constexpr int kFormHelpContext = 2;
constexpr int kTimerIntervalMs = 10;

constexpr std::uint16_t kNoHost = 3565;
constexpr std::uint16_t kNoPicture = 3566;
constexpr std::uint16_t kGeneralHint = 3772;
constexpr std::uint16_t kCaption = 4080;

template <typename Widget>
Widget* place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* hintLabel(QWidget* form)
{
    auto* label = place(new QLabel(form), 0, 17, kKitWidth, 16);
    label->setObjectName(QStringLiteral("HintLabel"));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    // Moving over the hint line is moving over the form.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

PicturePanel* paintBox(QWidget* form, const QString& name, int left, int top, int width, int height)
{
    auto* box = place(new PicturePanel(form), left, top, width, height);
    box->setObjectName(name);
    return box;
}

bool shiftHeld(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testFlag(Qt::ShiftModifier);
}

int virtualKeyOf(const QKeyEvent& event, bool keyPlacesKnown)
{
    return VirtualKeyOf(KeyStroke{
        .QtKey = event.key(),
        .Keypad = event.modifiers().testFlag(Qt::KeypadModifier),
        .XkbKeycode = keyPlacesKnown ? event.nativeScanCode() : 0,
        .Text = event.text(),
    });
}

} // namespace

DrumWindow::DrumWindow(LinkPrompts& prompts, KettraContext context)
    : HintLabel(hintLabel(this))
    , Transport(paintBox(this, QStringLiteral("Transport"), 140, 2, 336, 17))
    , DrumSpace(paintBox(this, QStringLiteral("DrumSpace"), 0, kPanelTop, kKitWidth, kKitHeight))
    , TickTimer(new QTimer(this))
    , Link(prompts, context.Link)
    , m_context(std::move(context))
    , m_endpoint(platform::WindowEndpoint::create(
          [this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM) {
              return WindowProc(message, wParam);
          }))
    , m_lastClientWidth(kKitWidth)
    , m_lastClientHeight(kKitHeight + kPanelTop)
    , m_canvas(m_pictures, *DrumSpace)
    , m_animation(m_settings, m_kit, m_canvas)
    , m_intake(Link.Block(), m_animation, m_host)
    , m_transportBar(m_settings, m_intake.transport(), m_host, m_animation, *this)
    , m_player(m_settings, m_kit, m_intake.transport(), m_host, m_animation)
    , m_hintLine(m_settings)
{
    setObjectName(QStringLiteral("DrumWindow"));
    setWindowTitle(QStringLiteral("Kettra"));
    // The client area the resize rule starts from; the saved window size replaces it.
    resize(m_lastClientWidth, m_lastClientHeight);
    setFont(DesignFont());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::yellow);
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    Link.SetExeName(HostLink::kDefaultExeName.toString());
    Link.Loaded();

    TickTimer->setObjectName(QStringLiteral("TickTimer"));
    TickTimer->setInterval(kTimerIntervalMs);
    TickTimer->setTimerType(Qt::PreciseTimer);
    connect(TickTimer, &QTimer::timeout, this, &DrumWindow::OnTick);

    Transport->OnPaint = [this](QPainter& painter) {
        const TransportLook look = m_drawingLook.value_or(m_transportBar.StateLook());
        painter.drawPixmap(0, 0,
                           m_pictures.Transport(look, SizeHighlightOf(m_settings.WindowSize)));
    };
    Transport->OnMouseDown = [this](QMouseEvent& event) {
        TransportMouseDown(event);
    };
    Transport->OnMouseMove = [this](QMouseEvent& event) {
        TransportMouseMove(event);
    };
    Transport->OnMouseUp = [this](QMouseEvent&) {
        TransportMouseUp();
    };
    DrumSpace->OnPaint = [this](QPainter& painter) {
        m_canvas.Paint(painter);
    };
    DrumSpace->OnMouseDown = [this](QMouseEvent& event) {
        DrumSpaceMouseDown(event);
    };
    DrumSpace->OnMouseMove = [this](QMouseEvent& event) {
        DrumSpaceMouseMove(event);
    };
    DrumSpace->OnMouseUp = [this](QMouseEvent& event) {
        DrumSpaceMouseUp(event);
    };
}

DrumWindow::~DrumWindow()
{
    FormDestroy();
}

bool DrumWindow::FormCreate()
{
    InitLanguage(m_context.ExeDir, m_context.WindowsDir);

    m_host.setHwnd(Link.MainWinHandle());
    if (m_host.hwnd() == 0) {
        ShowErrorBox(this, LoadNumStr(kNoHost));
        return false;
    }
    const LanguageState& language = languageState();
    if (language.LanguageIndex == kJapanese)
        ApplyJapaneseFontAdjustment(*this, false);
    setWindowTitle(LoadNumStr(kCaption));
    HintLabel->setText(LoadNumStr(kGeneralHint));

    m_settingsFile = KettraSettingsFile::Locate(language.ExeDir, language.WindowsDir);
    m_settings = m_settingsFile->Read();

    // Hidden still, the window gets no resize notification: the height follows the width
    // here, and the notification of the first show is the one that is skipped.
    resize(FixedClientWidth(m_settings.WindowSize).value_or(m_settings.ClientWidth), height());
    ZoomClient();

    m_intake.SetDisplayDelay(m_host.Send(HostQueryDrumDelay, 0, 0));

    const QPoint position = StartPosition({m_settings.WindowLeft, m_settings.WindowTop},
                                          frameGeometry().size(), ScreenRect());
    m_settings.WindowLeft = static_cast<std::int16_t>(position.x());
    m_settings.WindowTop = static_cast<std::int16_t>(position.y());
    move(position);

    m_colorCount = m_context.DisplayColorCount();
    m_devicePixelRatio = devicePixelRatioF();
    if (!LoadImages())
        return false;
    PlaceTransport();
    DrumSpacePaint();

    m_player.Seed(platform::timeGetTime());
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(*this);
    m_helpFile = QString::fromStdString(ChooseHelpFile(
        language.ExeDir, QCoreApplication::applicationFilePath().toStdString(),
        language.LanguageIndex,
        [](const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }));
    m_player.SetNoteOnStatus();

    m_idle = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     this, &DrumWindow::AppIdle);
    TickTimer->start();
    m_skipNextResize = true;

    SettingsDialog =
        new DrumSettingsDialog(m_settings, m_context.DisplayColorCount, m_helpFile, this);
    return true;
}

void DrumWindow::FormDestroy()
{
    disconnect(m_idle);
    TickTimer->stop();
    if (!m_settingsFile)
        return; // never read: the file keeps what it has
    m_settings.WindowLeft = static_cast<std::int16_t>(x());
    m_settings.WindowTop = static_cast<std::int16_t>(y());
    m_settings.ClientHeight = static_cast<std::int16_t>(height());
    m_settings.ClientWidth = static_cast<std::int16_t>(width());
    (void)m_settingsFile->Write(m_settings);
}

platform::LRESULT DrumWindow::WindowProc(platform::UINT message, platform::WPARAM wParam)
{
    return HandlePlugInMessage(Link.Block(), message, wParam).value_or(0);
}

void DrumWindow::FormResize()
{
    if (std::exchange(m_skipNextResize, false))
        return;
    ZoomClient();
    if (!LoadImages()) {
        QCoreApplication::exit(EXIT_FAILURE);
        return;
    }
    PlaceTransport();
    DrumSpacePaint();
    m_skipNextResize = false;
}

void DrumWindow::ZoomClient()
{
    const ZoomedClient zoomed =
        ZoomToClient(size(), {m_lastClientWidth, m_lastClientHeight}, ScreenRect().size());
    m_scale = zoomed.Scale;
    if (zoomed.Height) {
        m_skipNextResize = true;
        resize(width(), *zoomed.Height);
    }
    if (zoomed.Width) {
        m_skipNextResize = true;
        resize(*zoomed.Width, height());
    }
    m_lastClientWidth = width();
    m_lastClientHeight = height();
    RememberClientSize(m_settings, size());
    DrumSpace->resize(PanelSize(m_scale));
    HintLabel->resize(width(), HintLabel->height());
}

void DrumWindow::PlaceTransport()
{
    const int transportWidth = qRound(m_pictures.Transport(TransportLook::Play, SizeHighlight::Full)
                                          .deviceIndependentSize()
                                          .width());
    Transport->setGeometry(TransportLeft(width(), transportWidth), Transport->y(), transportWidth,
                           Transport->height());
    Transport->update();
}

bool DrumWindow::LoadImages()
{
    const KitPictures::Choice choice{
        .Scale = m_scale,
        .ColorCount = m_colorCount,
        .Qwerty = m_settings.QwertyOnDrums != 0,
        .ClientWidth = width(),
        .DevicePixelRatio = m_devicePixelRatio,
    };
    if (!m_pictures.Load(choice)) {
        ShowErrorBox(this, LoadNumStr(kNoPicture));
        return false;
    }
    m_kit.Rescale(m_scale);
    return true;
}

void DrumWindow::AppIdle()
{
    // A message box of a failed reload runs its own event loop.
    if (m_inAppIdle)
        return;
    const QScopedValueRollback idle(m_inAppIdle, true);

    // A move to a screen of other colours or pixels.
    const int colorCount = m_context.DisplayColorCount();
    const double devicePixelRatio = devicePixelRatioF();
    if (colorCount != m_colorCount || devicePixelRatio != m_devicePixelRatio) {
        m_colorCount = colorCount;
        m_devicePixelRatio = devicePixelRatio;
        if (LoadImages()) {
            DrumSpacePaint();
            update();
            Transport->update();
        }
    }
    const QRect frame = frameGeometry();
    const QRect kept = KeepOnScreen(frame, ScreenRect());
    if (kept.size() != frame.size())
        resize(size() + kept.size() - frame.size());
    if (kept.topLeft() != frame.topLeft())
        move(kept.topLeft());
}

void DrumWindow::OnTick()
{
    if (m_intake.Tick(platform::timeGetTime()))
        m_transportBar.TransportPaint();
}

bool DrumWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        FormKeyDown(*static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
        FormKeyUp(*static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::Show:
        // Changing the stay-on-top state may give the window a new native window.
        windowHandle()->installEventFilter(this);
        return QWidget::event(event);
    default:
        return QWidget::event(event);
    }
}

bool DrumWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A look a command drew lasts only until the system repaints the window (uncovered,
    // shown again); then the bar shows the transport state.
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed())
        Transport->update();
    return QWidget::eventFilter(watched, event);
}

void DrumWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void DrumWindow::mouseMoveEvent(QMouseEvent* /*event*/)
{
    ShowHint(m_hintLine.Elsewhere());
}

void DrumWindow::FormKeyDown(const QKeyEvent& event)
{
    const int virtualKey = virtualKeyOf(event, m_context.KeyPlacesKnown);
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!m_transportBar.KeyDown(virtualKey, modifiers.testFlag(Qt::ControlModifier)))
        m_player.KeyDown(virtualKey, shiftHeld(modifiers));
    if (event.key() == Qt::Key_F1)
        OpenHelp(this, m_helpFile, kFormHelpContext);
}

void DrumWindow::FormKeyUp(const QKeyEvent& event)
{
    // A held key repeats its key-down only.
    if (event.isAutoRepeat())
        return;
    const int virtualKey = virtualKeyOf(event, m_context.KeyPlacesKnown);
    if (!m_transportBar.KeyUp(virtualKey, event.modifiers().testFlag(Qt::ControlModifier)))
        m_player.KeyUp(virtualKey);
}

void DrumWindow::TransportMouseDown(const QMouseEvent& event)
{
    const int x = event.position().toPoint().x();
    if (const std::optional<int> clientWidth = m_transportBar.MouseDown(x, Transport->width()))
        resize(*clientWidth, height());
}

void DrumWindow::TransportMouseMove(const QMouseEvent& event)
{
    ShowHint(m_hintLine.OverTransport(event.position().toPoint().x(), Transport->width()));
}

void DrumWindow::TransportMouseUp()
{
    m_transportBar.MouseUp([this] { ShowSettingsDialog(); });
}

void DrumWindow::DrumSpaceMouseDown(const QMouseEvent& event)
{
    m_player.MouseDown(event.position().toPoint(), shiftHeld(event.modifiers()));
}

void DrumWindow::DrumSpaceMouseMove(const QMouseEvent& event)
{
    const std::optional<int> instrument = m_kit.InstrumentAt(event.position().toPoint());
    ShowHint(m_hintLine.OverInstrument(instrument));
    // Set by what is under the mouse, not only when the hint changes: back from the hint
    // line onto an empty spot, the up arrow would stay.
    const Qt::CursorShape shape = instrument ? Qt::UpArrowCursor : Qt::ArrowCursor;
    if (DrumSpace->cursor().shape() != shape)
        DrumSpace->setCursor(shape);
}

void DrumWindow::DrumSpaceMouseUp(const QMouseEvent& event)
{
    m_player.MouseUp(event.position().toPoint());
}

void DrumWindow::DrumSpacePaint()
{
    m_canvas.CopyAll(KitPicture::KitImage);
    m_animation.ShowUsedOverlay();
}

void DrumWindow::ShowHint(const std::optional<QString>& text)
{
    if (text)
        HintLabel->setText(*text);
}

void DrumWindow::ShowSettingsDialog()
{
    const bool showedAll = m_settings.ShowAllInstruments != 0;
    if (m_settings.AlwaysOnTop != 0)
        MakeNotTopmost(*this);
    SettingsDialog->exec();
    m_player.SetNoteOnStatus();
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(*this);
    // Leaving and rejoining the topmost band shows the window again without activating
    // it; the keys are to play the drums again without a click.
    activateWindow();
    if (!showedAll && m_settings.ShowAllInstruments != 0)
        DrumSpacePaint();
}

void DrumWindow::ShowLook(TransportLook look)
{
    // Drawn at once and only this once: a button's look stays until the next drawing, and
    // any repaint of the bar shows the look of the transport state.
    m_shownLook = look;
    const QScopedValueRollback<std::optional<TransportLook>> drawing(m_drawingLook, look);
    Transport->repaint();
}

QRect DrumWindow::ScreenRect() const
{
    return screen()->geometry();
}

} // namespace velmar::drums

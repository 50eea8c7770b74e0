#include "monitor/dialogs/MonitorSettingsDialog.h"

#include "monitor/dialogs/FormDesign.h"
#include "monitor/dialogs/SnapCursorToDefaultButton.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"
#include "runtime/ui/GroupBoxRoom.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>

#include <algorithm>

namespace velmar::monitor {

namespace {

template <typename Widget>
Widget* make(QWidget* parent, std::uint16_t caption, int left, int top, int width, int height)
{
    return Place(new Widget(LoadNumStr(caption), parent), left, top, width, height);
}

// The room a caption keeps from the control after it and from the dialog's edge.
constexpr int kCaptionGap = 4;
constexpr int kEdgeMargin = 8;
constexpr int kButtonPadding = 6;

int textRight(const QLabel& label)
{
    return label.x() + label.sizeHint().width();
}

QSpinBox* spin(QWidget* parent, int minimum, int maximum, int left, int top, int width)
{
    auto* box = Place(new QSpinBox(parent), left, top, width, 22);
    box->setRange(minimum, maximum);
    box->setSingleStep(1);
    // Leaving the field brings an out-of-range number to the nearest limit.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return box;
}

} // namespace

MonitorSettingsDialog::MonitorSettingsDialog(OstraSettings& settings, QWidget& mainWindow,
                                             QString helpFile)
    : QDialog(nullptr, FixedToolWindowFlags())
    , OnTopCheckbox(make<QCheckBox>(this, 4098, 16, 8, 209, 17))
    , WhenFullGroup(make<QGroupBox>(this, 4014, 8, 32, 217, 73))
    , StopWhenFullRadio(make<QRadioButton>(WhenFullGroup, 4015, 8, 16, 137, 17))
    , WrapRadio(make<QRadioButton>(WhenFullGroup, 4016, 8, 32, 137, 17))
    , ClearWrapRadio(make<QRadioButton>(WhenFullGroup, 4017, 8, 48, 177, 17))
    , DisplayEventsLabel(make<QLabel>(this, 4018, 8, 117, 129, 13))
    , NumEvtsSpin(spin(this, kMinDisplayEvents, kMaxDisplayEvents, 160, 112, 57))
    , StopTimerLabel(make<QLabel>(this, 4019, 8, 149, 85, 13))
    , StopTimerSpin(spin(this, kMinStopSeconds, kMaxStopSecondsShown, 89, 144, 50))
    , InactivityLabel(make<QLabel>(this, 4020, 144, 149, 89, 13))
    , SaveTextGroup(make<QGroupBox>(this, 4021, 8, 176, 217, 57))
    , SaveTxtFileRadio(make<QRadioButton>(SaveTextGroup, 4022, 8, 16, 201, 17))
    , SaveToWindow(make<QRadioButton>(SaveTextGroup, 4023, 8, 32, 201, 17))
    , OKButton(make<QPushButton>(this, 4025, 8, 240, 57, 21))
    , CancelButton(make<QPushButton>(this, 4026, 88, 240, 57, 21))
    , HelpButton(make<QPushButton>(this, 4012, 168, 239, 57, 21))
    , m_settings(settings)
    , m_mainWindow(mainWindow)
    , m_helpFile(std::move(helpFile))
{
    setObjectName(QStringLiteral("OstraSettings"));
    setWindowTitle(LoadNumStr(4289));
    setFixedSize(231, 268);
    ApplyDesignFont(*this);
    MakeRoomForGroupTitles(*this);
    fitCaptions();
    NumEvtsSpin->setValue(1000);
    StopTimerSpin->setValue(10);

    OKButton->setDefault(true);
    QWidget* const tabOrder[] = {NumEvtsSpin,   StopWhenFullRadio, WrapRadio,   ClearWrapRadio,
                                 CancelButton,  OKButton,          HelpButton,  StopTimerSpin,
                                 OnTopCheckbox, SaveTxtFileRadio,  SaveToWindow};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(OKButton, &QPushButton::clicked, this, &MonitorSettingsDialog::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { OpenHelp(this, m_helpFile, kSettingsHelpContext); });
    // F1 opens the controls' page, or the form's own when no control has the focus.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, [this] {
        const bool onControl = focusWidget() != nullptr && focusWidget() != this;
        OpenHelp(this, m_helpFile, onControl ? kSettingsHelpContext : kSettingsFormHelpContext);
    });
}

void MonitorSettingsDialog::OKButtonClick()
{
    const MonitorSettingsFields stored = fields().OKButtonClick(m_settings);
    NumEvtsSpin->setValue(stored.NumEvts);
    StopTimerSpin->setValue(stored.StopTimerSecs);
    accept();
}

void MonitorSettingsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void MonitorSettingsDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_justShown) {
        SnapCursorToDefaultButton(*this);
        m_justShown = false;
    }
}

void MonitorSettingsDialog::done(int result)
{
    QDialog::done(result);
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(m_mainWindow);
}

void MonitorSettingsDialog::FormShow()
{
    const MonitorSettingsFields shown = MonitorSettingsFields::FormShow(m_settings);
    if (shown.DisplayFullMode) {
        QRadioButton* const modes[] = {StopWhenFullRadio, WrapRadio, ClearWrapRadio};
        modes[static_cast<std::size_t>(*shown.DisplayFullMode)]->setChecked(true);
    }
    NumEvtsSpin->setValue(shown.NumEvts);
    StopTimerSpin->setValue(shown.StopTimerSecs);
    OnTopCheckbox->setChecked(shown.OnTop);
    (shown.SaveToFile ? SaveTxtFileRadio : SaveToWindow)->setChecked(true);
    MakeTopmost(*this);
    m_justShown = true;
}

// The stop timer's line flows from left to right: its spin box after its caption, the
// seconds after the spin box. The dialog widens to the widest line; the groups, the spin
// box on the right and the buttons keep to its right edge.
void MonitorSettingsDialog::fitCaptions()
{
    StopTimerSpin->move(std::max(StopTimerSpin->x(), textRight(*StopTimerLabel) + kCaptionGap),
                        StopTimerSpin->y());
    InactivityLabel->setGeometry(StopTimerSpin->geometry().right() + 1 + kCaptionGap,
                                 InactivityLabel->y(), InactivityLabel->sizeHint().width(),
                                 InactivityLabel->height());
    int widest = std::max({textRight(*InactivityLabel), textRight(*DisplayEventsLabel),
                           OnTopCheckbox->x() + OnTopCheckbox->sizeHint().width()});
    for (const QGroupBox* group : {WhenFullGroup, SaveTextGroup}) {
        const int room = group->width() - GroupBoxRoom(*group).right();
        for (const QWidget* radio : group->findChildren<QRadioButton*>())
            widest = std::max(widest, group->x() + radio->x() + radio->sizeHint().width() + room);
    }
    const int extra = widest + kEdgeMargin - width();
    if (extra > 0) {
        setFixedSize(width() + extra, height());
        for (QGroupBox* group : {WhenFullGroup, SaveTextGroup})
            group->resize(group->width() + extra, group->height());
        for (QWidget* right : std::initializer_list<QWidget*>{NumEvtsSpin, HelpButton})
            right->move(right->x() + extra, right->y());
        CancelButton->move(CancelButton->x() + extra / 2, CancelButton->y());
    }
    // The buttons share one width, wide enough for the longest caption; OK keeps to the
    // left, Help to the right, Cancel between them.
    int buttonWidth = OKButton->width();
    for (const QPushButton* button : {OKButton, CancelButton, HelpButton})
        buttonWidth =
            std::max(buttonWidth,
                     button->fontMetrics().horizontalAdvance(button->text()) + 2 * kButtonPadding);
    const int grown = buttonWidth - OKButton->width();
    if (grown <= 0)
        return;
    for (QPushButton* button : {OKButton, CancelButton, HelpButton})
        button->resize(buttonWidth, button->height());
    HelpButton->move(HelpButton->x() - grown, HelpButton->y());
    CancelButton->move(CancelButton->x() - grown / 2, CancelButton->y());
}

MonitorSettingsFields MonitorSettingsDialog::fields() const
{
    MonitorSettingsFields read;
    read.OnTop = OnTopCheckbox->isChecked();
    if (StopWhenFullRadio->isChecked())
        read.DisplayFullMode = kDisplayFullStop;
    else if (WrapRadio->isChecked())
        read.DisplayFullMode = kDisplayFullWrap;
    else if (ClearWrapRadio->isChecked())
        read.DisplayFullMode = kDisplayFullWrapClearCount;
    read.NumEvts = ReadSpinText(NumEvtsSpin->text(), kMinDisplayEvents);
    read.StopTimerSecs = ReadSpinText(StopTimerSpin->text(), kMinStopSeconds);
    read.SaveToFile = SaveTxtFileRadio->isChecked();
    return read;
}

} // namespace velmar::monitor

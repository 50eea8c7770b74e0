#include "drums/ui/DrumSettingsDialog.h"

#include "drums/ui/DesignFont.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"
#include "runtime/ui/GroupBoxRoom.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>

#include <algorithm>
#include <array>

namespace velmar::drums {

namespace {

constexpr int kJapanese = 10;

// Rows inside the groups: a label at the left, its spin edit at 184.
constexpr int kSpinLeft = 184;
constexpr int kSpinWidth = 49;
constexpr int kRowHeight = 21;
constexpr int kLabelLeft = 8;
constexpr int kLabelWidth = kSpinLeft - kLabelLeft - 4;

template <typename Widget>
Widget* place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

QGroupBox* group(QWidget* parent, int left, int top, int width, int height)
{
    return place(new QGroupBox(parent), left, top, width, height);
}

QLabel* rowLabel(QGroupBox* group, int top)
{
    auto* label = place(new QLabel(group), kLabelLeft, top, kLabelWidth, kRowHeight);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The design's captions were measured in a narrower face; one that does not fit its place
// is narrowed rather than cut, down to three quarters of its width.
void fitCaption(QLabel* label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (needed <= label->width())
        return;
    constexpr int kNarrowest = 75;
    QFont narrowed = label->font();
    narrowed.setStretch(std::max(kNarrowest, 100 * label->width() / needed));
    label->setFont(narrowed);
}

QSpinBox* spin(QGroupBox* group, int top, const SettingLimits& limits)
{
    auto* edit = place(new QSpinBox(group), kSpinLeft, top, kSpinWidth, kRowHeight);
    edit->setRange(limits.Min, limits.Max);
    return edit;
}

// A check box or radio button on a line of its own in a group.
template <typename Button>
Button* line(QGroupBox* group, int top)
{
    return place(new Button(group), kLabelLeft, top, group->width() - 2 * kLabelLeft, 17);
}

QPushButton* button(QWidget* parent, int left)
{
    return place(new QPushButton(parent), left, 300, 73, 21);
}

} // namespace

DrumSettingsDialog::DrumSettingsDialog(KettraSettings& settings, std::function<int()> colorCount,
                                       QString helpFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , OnTopCheckbox(place(new QCheckBox(this), 16, 8, 197, 17))
    , MidiGroup(group(this, 8, 32, 241, 113))
    , PortLabel(rowLabel(MidiGroup, 24))
    , DrumMIDIPortSpin(spin(MidiGroup, 24, kPortLimits))
    , ChannelLabel(rowLabel(MidiGroup, 52))
    , DrumMIDIChanSpin(spin(MidiGroup, 52, kChannelLimits))
    , DurationBoostLabel(rowLabel(MidiGroup, 80))
    , DrumDurationBoostSpin(spin(MidiGroup, 80, kDurationBoostLimits))
    , VelGroup(group(this, 8, 156, 241, 117))
    , HighVelocityLabel(rowLabel(VelGroup, 24))
    , HiVelSpin(spin(VelGroup, 24, kVelocityLimits))
    , LowVelocityLabel(rowLabel(VelGroup, 52))
    , LoVelSpin(spin(VelGroup, 52, kVelocityLimits))
    , RandCheck(place(new QCheckBox(VelGroup), kLabelLeft, 82, 97, 17))
    , RandomRangeLabel(place(new QLabel(VelGroup), 108, 80, 72, kRowHeight))
    , RandRange(spin(VelGroup, 80, kRandomRangeLimits))
    , NumColorsLabel(place(new QLabel(this), 8, 280, 241, 57))
    , HintGroup(group(this, 256, 32, 241, 97))
    , NoteNameCheckbox(line<QCheckBox>(HintGroup, 18))
    , NoteNumCheckbox(line<QCheckBox>(HintGroup, 36))
    , CompKeyCheckbox(line<QCheckBox>(HintGroup, 54))
    , DisplayDrumKeys(line<QCheckBox>(HintGroup, 72))
    , ShowGroup(group(this, 256, 136, 241, 57))
    , ShowAllRadio(line<QRadioButton>(ShowGroup, 16))
    , ShowUsedRadio(line<QRadioButton>(ShowGroup, 34))
    , TransportKeysGroup(group(this, 256, 200, 241, 73))
    , OKButton(button(this, 260))
    , CancelButton(button(this, 344))
    , HelpButton(button(this, 428))
    , m_settings(settings)
    , m_colorCount(std::move(colorCount))
    , m_helpFile(std::move(helpFile))
{
    setObjectName(QStringLiteral("SettingsDialog"));
    setFont(DesignFont());
    resize(505, 343);
    RandomRangeLabel->setTextFormat(Qt::PlainText);
    RandomRangeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    NumColorsLabel->setTextFormat(Qt::PlainText);
    NumColorsLabel->setWordWrap(true);
    NumColorsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    OKButton->setDefault(true);

    FormCreate();

    connect(OKButton, &QPushButton::clicked, this, &DrumSettingsDialog::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &DrumSettingsDialog::CancelButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &DrumSettingsDialog::HelpButtonClick);
    // F1 anywhere in the dialog opens the same page as its Help button.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &DrumSettingsDialog::HelpButtonClick);
}

void DrumSettingsDialog::FormCreate()
{
    // The transport keys' items exist before the Japanese adjustment scales the form.
    constexpr std::array<std::uint16_t, 3> kItems{4082, 4083, 4084};
    for (std::size_t index = 0; index < kItems.size(); ++index)
        m_transportKeysItems.addButton(line<QRadioButton>(TransportKeysGroup, 0),
                                       static_cast<int>(index));
    if (languageState().LanguageIndex == kJapanese)
        ApplyJapaneseFontAdjustment(*this, false);

    setWindowTitle(LoadNumStr(4085));
    OnTopCheckbox->setText(LoadNumStr(3771));
    MidiGroup->setTitle(LoadNumStr(4642));
    PortLabel->setText(LoadNumStr(4643));
    ChannelLabel->setText(LoadNumStr(4644));
    DurationBoostLabel->setText(LoadNumStr(4645));
    VelGroup->setTitle(LoadNumStr(3567));
    HighVelocityLabel->setText(LoadNumStr(3568));
    LowVelocityLabel->setText(LoadNumStr(3569));
    RandCheck->setText(LoadNumStr(3570));
    RandomRangeLabel->setText(LoadNumStr(3571));
    HintGroup->setTitle(LoadNumStr(3572));
    NoteNameCheckbox->setText(LoadNumStr(3573));
    NoteNumCheckbox->setText(LoadNumStr(3574));
    CompKeyCheckbox->setText(LoadNumStr(3575));
    DisplayDrumKeys->setText(LoadNumStr(4646));
    ShowGroup->setTitle(LoadNumStr(3576));
    ShowAllRadio->setText(LoadNumStr(3577));
    ShowUsedRadio->setText(LoadNumStr(3578));
    TransportKeysGroup->setTitle(LoadNumStr(4081));
    OKButton->setText(LoadNumStr(3579));
    CancelButton->setText(LoadNumStr(3580));
    HelpButton->setText(LoadNumStr(3581));
    for (std::size_t index = 0; index < kItems.size(); ++index)
        m_transportKeysItems.button(static_cast<int>(index))->setText(LoadNumStr(kItems[index]));
    for (QLabel* label : {HighVelocityLabel, LowVelocityLabel, RandomRangeLabel, DurationBoostLabel,
                          PortLabel, ChannelLabel})
        fitCaption(label);

    // As in a radio group, the items share the room below the title evenly.
    const QRect room = GroupBoxRoom(*TransportKeysGroup);
    const int pitch = room.height() / static_cast<int>(kItems.size());
    for (QAbstractButton* item : m_transportKeysItems.buttons()) {
        const int index = m_transportKeysItems.id(item);
        item->move(item->x(), room.top() + index * pitch + std::max(0, pitch - item->height()) / 2);
    }
    MakeRoomForGroupTitles(*this);
    fitColourAdvice();
    setFixedSize(size());
    if (const QScreen* display = screen())
        move(display->geometry().center() - rect().center());
}

// The colour advice is set on every showing; its label is made tall enough for the longest
// of them, and the dialog with it.
void DrumSettingsDialog::fitColourAdvice()
{
    int needed = NumColorsLabel->height();
    for (const int colours : {16, 256, 65536})
        needed = std::max(needed, QFontMetrics(NumColorsLabel->font())
                                      .boundingRect(QRect(0, 0, NumColorsLabel->width(), 0),
                                                    Qt::TextWordWrap, NumColorsText(colours))
                                      .height());
    const int bottomGap = height() - NumColorsLabel->geometry().bottom();
    NumColorsLabel->resize(NumColorsLabel->width(), needed);
    resize(width(), std::max(height(), NumColorsLabel->geometry().bottom() + bottomGap));
}

void DrumSettingsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void DrumSettingsDialog::FormShow()
{
    const SettingsDialogFields fields = SettingsDialogFields::FormShow(m_settings);
    HiVelSpin->setValue(fields.HiVelocity);
    LoVelSpin->setValue(fields.LoVelocity);
    RandCheck->setChecked(fields.Randomize);
    RandRange->setValue(fields.RandomRange);
    NoteNameCheckbox->setChecked(fields.ShowNoteName);
    NoteNumCheckbox->setChecked(fields.ShowNoteNumber);
    CompKeyCheckbox->setChecked(fields.ShowComputerKey);
    (fields.ShowAll ? ShowAllRadio : ShowUsedRadio)->setChecked(true);
    OnTopCheckbox->setChecked(fields.OnTop);
    m_transportKeysItems.button(fields.TransportKeys)->setChecked(true);
    DisplayDrumKeys->setChecked(fields.DisplayDrumKeys);
    DrumDurationBoostSpin->setValue(fields.DurationBoost);
    DrumMIDIPortSpin->setValue(fields.DrumPort);
    DrumMIDIChanSpin->setValue(fields.DrumChannel);
    NumColorsLabel->setText(NumColorsText(m_colorCount()));
    OKButton->setFocus();
}

void DrumSettingsDialog::OKButtonClick()
{
    Fields().OKButtonClick(m_settings);
    accept();
}

void DrumSettingsDialog::CancelButtonClick()
{
    reject();
}

void DrumSettingsDialog::HelpButtonClick()
{
    OpenHelp(this, m_helpFile, kSettingsHelpContext);
}

SettingsDialogFields DrumSettingsDialog::Fields() const
{
    SettingsDialogFields fields;
    fields.HiVelocity = HiVelSpin->value();
    fields.LoVelocity = LoVelSpin->value();
    fields.Randomize = RandCheck->isChecked();
    fields.RandomRange = RandRange->value();
    fields.ShowNoteName = NoteNameCheckbox->isChecked();
    fields.ShowNoteNumber = NoteNumCheckbox->isChecked();
    fields.ShowComputerKey = CompKeyCheckbox->isChecked();
    fields.DisplayDrumKeys = DisplayDrumKeys->isChecked();
    fields.ShowAll = ShowAllRadio->isChecked();
    fields.OnTop = OnTopCheckbox->isChecked();
    fields.TransportKeys = m_transportKeysItems.checkedId();
    fields.DurationBoost = DrumDurationBoostSpin->value();
    fields.DrumPort = DrumMIDIPortSpin->value();
    fields.DrumChannel = DrumMIDIChanSpin->value();
    return fields;
}

} // namespace velmar::drums

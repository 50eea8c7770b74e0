#include "monitor/dialogs/FilterDialog.h"

#include "monitor/dialogs/FlagGrid.h"
#include "monitor/dialogs/FormDesign.h"
#include "monitor/dialogs/SnapCursorToDefaultButton.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>

namespace velmar::monitor {

namespace {

constexpr int kRowsVisibleHeight = 259;

template <typename Widget>
Widget* make(QWidget* parent, std::uint16_t caption, int left, int top, int width, int height)
{
    return Place(new Widget(LoadNumStr(caption), parent), left, top, width, height);
}

template <std::size_t Count>
void fillNames(FlagGrid& grid, QString (*name)(std::size_t, bool), bool decimal)
{
    for (std::size_t row = 0; row < Count; ++row)
        grid.setName(static_cast<int>(row), name(row, decimal));
}

template <std::size_t Count>
void markAll(FlagGrid& grid, const std::array<std::uint8_t, Count>& flags)
{
    for (std::size_t row = 0; row < Count; ++row)
        grid.setMark(static_cast<int>(row), FilterMark(flags[row]));
}

std::uint8_t stateOf(const QCheckBox& box)
{
    return box.isChecked() ? 1 : 0;
}

} // namespace

FilterDialog::FilterDialog(OstraSettings& settings, QWidget& mainWindow, QString helpFile)
    : QDialog(nullptr, FixedToolWindowFlags())
    , DisplayModeGroup(make<QGroupBox>(this, 4027, 4, 4, 166, 37))
    , OnlyRadio(make<QRadioButton>(DisplayModeGroup, 4028, 8, 14, 60, 17))
    , AllExceptRadio(make<QRadioButton>(DisplayModeGroup, 4029, 71, 14, 88, 17))
    , SourceGroup(make<QGroupBox>(this, 4030, 175, 4, 304, 37))
    , ExtCheckbox(make<QCheckBox>(SourceGroup, 4031, 8, 14, 125, 17))
    , HostCheckbox(make<QCheckBox>(SourceGroup, 4032, 151, 14, 128, 17))
    , ChannelsLabel(make<QLabel>(this, 4033, 4, 45, 61, 13))
    , EventsLabel(make<QLabel>(this, 4034, 92, 45, 129, 13))
    , ControllersLabel(make<QLabel>(this, 4035, 280, 45, 113, 13))
    , ChannelsGrid(Place(new FlagGrid(kChannelCount, 20, 56, this), 4, 61, 75, kRowsVisibleHeight))
    , EventGrid(
          Place(new FlagGrid(kEventTypeCount, 19, 137, this), 93, 61, 176, kRowsVisibleHeight))
    , ControllerGrid(
          Place(new FlagGrid(kControllerCount, 19, 161, this), 281, 61, 200, kRowsVisibleHeight))
    , ChannelClear(make<QPushButton>(this, 4036, 4, 325, 37, 21))
    , ChannelSet(make<QPushButton>(this, 4037, 44, 325, 37, 21))
    , EvtClear(make<QPushButton>(this, 4036, 93, 325, 37, 21))
    , EvtSet(make<QPushButton>(this, 4037, 133, 325, 37, 21))
    , ControllerClear(make<QPushButton>(this, 4036, 282, 325, 37, 21))
    , ControllerSet(make<QPushButton>(this, 4037, 322, 325, 37, 21))
    , NumberFormatFrame(Place(new QFrame(this), 4, 353, 477, 65))
    , DecDispChansCB(make<QCheckBox>(this, 15270, 95, 357, 177, 17))
    , DecDispEventCB(make<QCheckBox>(this, 15271, 95, 377, 177, 17))
    , DecDispDataCB(make<QCheckBox>(this, 15272, 95, 397, 177, 17))
    , OneBasedNumPrgCB(make<QCheckBox>(this, 15273, 284, 357, 189, 17))
    , OneBasedNumChanCB(make<QCheckBox>(this, 15274, 284, 377, 189, 17))
    , OKButton(make<QPushButton>(this, 4025, 286, 424, 57, 21))
    , CancelButton(make<QPushButton>(this, 4026, 355, 424, 57, 21))
    , HelpButton(make<QPushButton>(this, 4012, 425, 424, 57, 21))
    , m_settings(settings)
    , m_mainWindow(mainWindow)
    , m_helpFile(std::move(helpFile))
    , m_snapshot(settings)
{
    setObjectName(QStringLiteral("OstraFilter"));
    setWindowTitle(LoadNumStr(4043));
    setFixedSize(485, 451);
    NumberFormatFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    ChannelsGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ApplyDesignFont(*this);
    FillEventNames();
    FillChannelLabels();
    FillControllerNames();

    OKButton->setDefault(true);
    QWidget* const tabOrder[] = {
        OnlyRadio,       AllExceptRadio,   ExtCheckbox,       HostCheckbox,   EventGrid,
        ControllerGrid,  OKButton,         CancelButton,      HelpButton,     ChannelsGrid,
        EvtClear,        EvtSet,           ChannelSet,        ChannelClear,   ControllerSet,
        ControllerClear, OneBasedNumPrgCB, OneBasedNumChanCB, DecDispChansCB, DecDispEventCB,
        DecDispDataCB};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(OnlyRadio, &QRadioButton::clicked, this,
            [this] { m_settings.FilterMode = kFilterOnly; });
    connect(AllExceptRadio, &QRadioButton::clicked, this,
            [this] { m_settings.FilterMode = kFilterAllExcept; });
    connect(ExtCheckbox, &QCheckBox::clicked, this,
            [this] { m_settings.ShowComputerInput = stateOf(*ExtCheckbox); });
    connect(HostCheckbox, &QCheckBox::clicked, this,
            [this] { m_settings.ShowHostOutput = stateOf(*HostCheckbox); });
    connect(ChannelsGrid, &FlagGrid::rowSelected, this, &FilterDialog::ChannelsGridSelectCell);
    connect(EventGrid, &FlagGrid::rowSelected, this, &FilterDialog::EventGridSelectCell);
    connect(ControllerGrid, &FlagGrid::rowSelected, this, &FilterDialog::ControllerGridSelectCell);
    connect(ChannelClear, &QPushButton::clicked, this, [this] { setAllChannels(0); });
    connect(ChannelSet, &QPushButton::clicked, this, [this] { setAllChannels(1); });
    connect(EvtClear, &QPushButton::clicked, this, [this] { setAllEvents(0); });
    connect(EvtSet, &QPushButton::clicked, this, [this] { setAllEvents(1); });
    connect(ControllerClear, &QPushButton::clicked, this, [this] { setAllControllers(0); });
    connect(ControllerSet, &QPushButton::clicked, this, [this] { setAllControllers(1); });
    connect(DecDispChansCB, &QCheckBox::clicked, this, [this] {
        m_settings.DecimalChannels = stateOf(*DecDispChansCB);
        FillChannelLabels();
    });
    connect(OneBasedNumChanCB, &QCheckBox::clicked, this, [this] {
        m_settings.OneBasedChannels = stateOf(*OneBasedNumChanCB);
        FillChannelLabels();
    });
    connect(DecDispEventCB, &QCheckBox::clicked, this, [this] {
        m_settings.DecimalEventTypes = stateOf(*DecDispEventCB);
        FillEventNames();
    });
    connect(DecDispDataCB, &QCheckBox::clicked, this, [this] {
        m_settings.DecimalData = stateOf(*DecDispDataCB);
        FillControllerNames();
    });
    connect(OKButton, &QPushButton::clicked, this, &FilterDialog::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &FilterDialog::CancelButtonClick);
    connect(HelpButton, &QPushButton::clicked, this,
            [this] { OpenHelp(this, m_helpFile, kFilterHelpContext); });
    // F1 anywhere in the dialog opens the same page as its Help button.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { OpenHelp(this, m_helpFile, kFilterHelpContext); });
}

void FilterDialog::OKButtonClick()
{
    const FilterCheck check = CheckFilter(m_settings);
    if (check != FilterCheck::Accept)
        showCheckMessage(check);
    if (!FilterCheckAccepts(check))
        return;
    boxes().Store(m_settings);
    accept();
}

void FilterDialog::CancelButtonClick()
{
    m_settings = m_snapshot;
    reject();
}

void FilterDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void FilterDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_justShown) {
        SnapCursorToDefaultButton(*this);
        m_justShown = false;
    }
}

void FilterDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelButtonClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FilterDialog::done(int result)
{
    QDialog::done(result);
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(m_mainWindow);
}

void FilterDialog::FormShow()
{
    m_snapshot = m_settings;
    const FilterBoxes shown = FilterBoxes::FormShow(m_settings);
    ExtCheckbox->setChecked(shown.ComputerInput);
    HostCheckbox->setChecked(shown.HostOutput);
    (shown.AllExcept ? AllExceptRadio : OnlyRadio)->setChecked(true);
    DecDispChansCB->setChecked(shown.DecimalChannels);
    DecDispEventCB->setChecked(shown.DecimalEventTypes);
    DecDispDataCB->setChecked(shown.DecimalData);
    OneBasedNumPrgCB->setChecked(shown.OneBasedPrograms);
    OneBasedNumChanCB->setChecked(shown.OneBasedChannels);
    FillEventNames();
    FillChannelLabels();
    FillControllerNames();
    MarkEvents();
    MarkChannels();
    MarkControllers();
    MakeTopmost(*this);
    m_justShown = true;
}

void FilterDialog::FillEventNames()
{
    fillNames<kEventTypeCount>(*EventGrid, EventTypeName, m_settings.DecimalEventTypes != 0);
}

void FilterDialog::FillChannelLabels()
{
    for (std::size_t channel = 0; channel < kChannelCount; ++channel)
        ChannelsGrid->setName(static_cast<int>(channel),
                              ChannelLabel(channel, m_settings.DecimalChannels != 0,
                                           m_settings.OneBasedChannels != 0));
}

void FilterDialog::FillControllerNames()
{
    fillNames<kControllerCount>(*ControllerGrid, ControllerName, m_settings.DecimalData != 0);
}

void FilterDialog::MarkEvents()
{
    markAll(*EventGrid, m_settings.EventTypeFilter);
}

void FilterDialog::MarkChannels()
{
    markAll(*ChannelsGrid, m_settings.ChannelFilter);
}

void FilterDialog::MarkControllers()
{
    markAll(*ControllerGrid, m_settings.ControllerFilter);
}

void FilterDialog::ChannelsGridSelectCell(int row)
{
    ToggleFlag(m_settings.ChannelFilter, static_cast<std::size_t>(row));
    MarkChannels();
}

void FilterDialog::EventGridSelectCell(int row)
{
    ToggleEventType(m_settings, static_cast<std::size_t>(row));
    MarkEvents();
}

void FilterDialog::ControllerGridSelectCell(int row)
{
    ToggleFlag(m_settings.ControllerFilter, static_cast<std::size_t>(row));
    MarkControllers();
}

void FilterDialog::setAllChannels(std::uint8_t flag)
{
    m_settings.ChannelFilter.fill(flag);
    MarkChannels();
}

void FilterDialog::setAllEvents(std::uint8_t flag)
{
    m_settings.EventTypeFilter.fill(flag);
    MarkEvents();
}

void FilterDialog::setAllControllers(std::uint8_t flag)
{
    m_settings.ControllerFilter.fill(flag);
    MarkControllers();
}

FilterBoxes FilterDialog::boxes() const
{
    return {
        .AllExcept = AllExceptRadio->isChecked(),
        .ComputerInput = ExtCheckbox->isChecked(),
        .HostOutput = HostCheckbox->isChecked(),
        .DecimalChannels = DecDispChansCB->isChecked(),
        .DecimalEventTypes = DecDispEventCB->isChecked(),
        .DecimalData = DecDispDataCB->isChecked(),
        .OneBasedPrograms = OneBasedNumPrgCB->isChecked(),
        .OneBasedChannels = OneBasedNumChanCB->isChecked(),
    };
}

// The dialog stays in the topmost band: the box it owns shows above it all the same, and
// changing a shown dialog's band would hide it and so end it.
void FilterDialog::showCheckMessage(FilterCheck check)
{
    ShowErrorBox(this, LoadNumStr(FilterCheckMessage(check)));
}

} // namespace velmar::monitor

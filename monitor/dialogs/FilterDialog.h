#pragma once

#include "monitor/core/FilterDialogRules.h"
#include "monitor/core/OstraSettings.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmar::monitor {

class FlagGrid;

// The display filter. Its ticks and display formats write through to the settings at once,
// so the monitor, which keeps taking in events meanwhile, follows each change; OK checks
// the combination, Cancel puts back the whole record as it was at opening.
class FilterDialog : public QDialog {
    Q_OBJECT

public:
    FilterDialog(OstraSettings& settings, QWidget& mainWindow, QString helpFile);

    [[nodiscard]] const OstraSettings& SettingsSnapshot() const { return m_snapshot; }

    QGroupBox* const DisplayModeGroup;
    QRadioButton* const OnlyRadio;
    QRadioButton* const AllExceptRadio;
    QGroupBox* const SourceGroup;
    QCheckBox* const ExtCheckbox;
    QCheckBox* const HostCheckbox;
    QLabel* const ChannelsLabel;
    QLabel* const EventsLabel;
    QLabel* const ControllersLabel;
    FlagGrid* const ChannelsGrid;
    FlagGrid* const EventGrid;
    FlagGrid* const ControllerGrid;
    QPushButton* const ChannelClear;
    QPushButton* const ChannelSet;
    QPushButton* const EvtClear;
    QPushButton* const EvtSet;
    QPushButton* const ControllerClear;
    QPushButton* const ControllerSet;
    QFrame* const NumberFormatFrame;
    QCheckBox* const DecDispChansCB;
    QCheckBox* const DecDispEventCB;
    QCheckBox* const DecDispDataCB;
    QCheckBox* const OneBasedNumPrgCB;
    QCheckBox* const OneBasedNumChanCB;
    QPushButton* const OKButton;
    QPushButton* const CancelButton;
    QPushButton* const HelpButton;

    void OKButtonClick();
    void CancelButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Esc is Cancel: the half-made changes, already in force, are taken back.
    void keyPressEvent(QKeyEvent* event) override;
    // Every way of closing: OK, Cancel, the close box.
    void done(int result) override;

private:
    void FormShow();
    void FillEventNames();
    void FillChannelLabels();
    void FillControllerNames();
    void MarkEvents();
    void MarkChannels();
    void MarkControllers();
    void ChannelsGridSelectCell(int row);
    void EventGridSelectCell(int row);
    void ControllerGridSelectCell(int row);
    void setAllChannels(std::uint8_t flag);
    void setAllEvents(std::uint8_t flag);
    void setAllControllers(std::uint8_t flag);
    [[nodiscard]] FilterBoxes boxes() const;
    void showCheckMessage(FilterCheck check);

    OstraSettings& m_settings;
    QWidget& m_mainWindow;
    QString m_helpFile;
    OstraSettings m_snapshot;
    bool m_justShown = false;
};

} // namespace velmar::monitor

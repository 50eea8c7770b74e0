#pragma once

#include "drums/core/KettraSettings.h"
#include "drums/core/SettingsDialogFields.h"

#include <QButtonGroup>
#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velmar::drums {

// The drum display's settings: velocities, MIDI port and channel, hints, which instruments
// show, the transport keys and staying on top. OK stores the controls into the record,
// Cancel leaves it as it was.
class DrumSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // `colorCount` measures the display for the colour advice; `helpFile` is opened by Help.
    DrumSettingsDialog(KettraSettings& settings, std::function<int()> colorCount, QString helpFile,
                       QWidget* parent);

    QCheckBox* const OnTopCheckbox;
    QGroupBox* const MidiGroup;
    QLabel* const PortLabel;
    QSpinBox* const DrumMIDIPortSpin;
    QLabel* const ChannelLabel;
    QSpinBox* const DrumMIDIChanSpin;
    QLabel* const DurationBoostLabel;
    QSpinBox* const DrumDurationBoostSpin;
    QGroupBox* const VelGroup;
    QLabel* const HighVelocityLabel;
    QSpinBox* const HiVelSpin;
    QLabel* const LowVelocityLabel;
    QSpinBox* const LoVelSpin;
    QCheckBox* const RandCheck;
    QLabel* const RandomRangeLabel;
    QSpinBox* const RandRange;
    QLabel* const NumColorsLabel;
    QGroupBox* const HintGroup;
    QCheckBox* const NoteNameCheckbox;
    QCheckBox* const NoteNumCheckbox;
    QCheckBox* const CompKeyCheckbox;
    QCheckBox* const DisplayDrumKeys;
    QGroupBox* const ShowGroup;
    QRadioButton* const ShowAllRadio;
    QRadioButton* const ShowUsedRadio;
    QGroupBox* const TransportKeysGroup;
    QPushButton* const OKButton;
    QPushButton* const CancelButton;
    QPushButton* const HelpButton;

    // The radio group's items; an item's id is its index.
    [[nodiscard]] QButtonGroup& TransportKeysItems() { return m_transportKeysItems; }

    // Loads the controls from the record and measures the display.
    void FormShow();
    void OKButtonClick();
    void CancelButtonClick();
    void HelpButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void fitColourAdvice();
    [[nodiscard]] SettingsDialogFields Fields() const;

    KettraSettings& m_settings;
    std::function<int()> m_colorCount;
    QString m_helpFile;
    QButtonGroup m_transportKeysItems;
};

} // namespace velmar::drums

#pragma once

#include "monitor/core/MonitorSettingsFields.h"
#include "monitor/core/OstraSettings.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velmar::monitor {

// The monitor's settings: nothing is written while it is open; OK stores all five fields,
// Cancel none. The main window resizes and clears the grid afterwards when the number of
// display events changed.
class MonitorSettingsDialog : public QDialog {
    Q_OBJECT

public:
    MonitorSettingsDialog(OstraSettings& settings, QWidget& mainWindow, QString helpFile);

    QCheckBox* const OnTopCheckbox;
    QGroupBox* const WhenFullGroup;
    QRadioButton* const StopWhenFullRadio;
    QRadioButton* const WrapRadio;
    QRadioButton* const ClearWrapRadio;
    QLabel* const DisplayEventsLabel;
    QSpinBox* const NumEvtsSpin;
    QLabel* const StopTimerLabel;
    QSpinBox* const StopTimerSpin;
    QLabel* const InactivityLabel;
    QGroupBox* const SaveTextGroup;
    QRadioButton* const SaveTxtFileRadio;
    QRadioButton* const SaveToWindow;
    QPushButton* const OKButton;
    QPushButton* const CancelButton;
    QPushButton* const HelpButton;

    void OKButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    void FormShow();
    void fitCaptions();
    [[nodiscard]] MonitorSettingsFields fields() const;

    OstraSettings& m_settings;
    QWidget& m_mainWindow;
    QString m_helpFile;
    bool m_justShown = false;
};

} // namespace velmar::monitor

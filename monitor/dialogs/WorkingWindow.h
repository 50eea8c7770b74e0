#pragma once

#include "monitor/core/OstraSettings.h"

#include <QDialog>

class QLabel;

namespace velmar::monitor {

// "Working...": on screen while the text window's block is built.
class WorkingWindow : public QDialog {
    Q_OBJECT

public:
    WorkingWindow(const OstraSettings& settings, QWidget& mainWindow);

    QLabel* const MessageLabel;

protected:
    void showEvent(QShowEvent* event) override;
    // Only the close box closes it; hiding does not.
    void closeEvent(QCloseEvent* event) override;

private:
    const OstraSettings& m_settings;
    QWidget& m_mainWindow;
};

} // namespace velmar::monitor

#include "monitor/dialogs/WorkingWindow.h"

#include "monitor/dialogs/FormDesign.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"

#include <QLabel>

namespace velmar::monitor {

WorkingWindow::WorkingWindow(const OstraSettings& settings, QWidget& mainWindow)
    : QDialog(nullptr, FixedToolWindowFlags())
    , MessageLabel(Place(new QLabel(LoadNumStr(4100), this), 8, 16, 257, 25))
    , m_settings(settings)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("WorkingWindow"));
    setWindowTitle(LoadNumStr(4099));
    setFixedSize(279, 62);
    MessageLabel->setAlignment(Qt::AlignCenter);
    ApplyDesignFont(*this);
}

void WorkingWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MakeTopmost(*this);
}

void WorkingWindow::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(m_mainWindow);
}

} // namespace velmar::monitor

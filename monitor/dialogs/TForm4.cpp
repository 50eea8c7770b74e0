#include "monitor/dialogs/TForm4.h"

#include "monitor/dialogs/FormDesign.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"

#include <QLabel>

namespace velmar::monitor {

TForm4::TForm4(const OstraSettings& settings, QWidget& mainWindow)
    : QDialog(nullptr, FixedToolWindowFlags())
    , Label1(Place(new QLabel(LoadNumStr(4100), this), 8, 16, 257, 25))
    , m_settings(settings)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(LoadNumStr(4099));
    setFixedSize(279, 62);
    Label1->setAlignment(Qt::AlignCenter);
    ApplyDesignFont(*this);
}

void TForm4::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MakeTopmost(*this);
}

void TForm4::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    if (m_settings.AlwaysOnTop != 0)
        MakeTopmost(m_mainWindow);
}

} // namespace velmar::monitor

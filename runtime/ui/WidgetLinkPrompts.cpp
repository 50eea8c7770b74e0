#include "runtime/ui/WidgetLinkPrompts.h"

#include "runtime/language/Language.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace velmar {

namespace {

constexpr std::uint16_t kError = 28;
constexpr std::uint16_t kChooseNameOfExe = 4669;
constexpr std::uint16_t kEnterCompletePath = 4670;

} // namespace

void WidgetLinkPrompts::ShowLinkError(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, LoadNumStr(kError), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // The program's name is shown as it stands, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> WidgetLinkPrompts::ChooseHostProgram(const QString& exeName,
                                                            HostProgramReason reason)
{
    HostProgramDialog dialog(m_frame);
    dialog.ProgramPath->setText(exeName);
    if (reason == HostProgramReason::LinkError) {
        dialog.setWindowTitle(LoadNumStr(kChooseNameOfExe));
        dialog.Explanation->setPlainText(LoadNumStr(kEnterCompletePath));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ProgramPath->text();
}

} // namespace velmar

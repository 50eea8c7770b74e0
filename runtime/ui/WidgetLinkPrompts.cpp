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

std::optional<QString> WidgetLinkPrompts::ChooseEXEName(const QString& exeName,
                                                        ChooseExeReason reason)
{
    TChooseEXEName dialog(m_frame);
    dialog.Edit1->setText(exeName);
    if (reason == ChooseExeReason::LinkError) {
        dialog.setWindowTitle(LoadNumStr(kChooseNameOfExe));
        dialog.Memo1->setPlainText(LoadNumStr(kEnterCompletePath));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Edit1->text();
}

} // namespace velmar

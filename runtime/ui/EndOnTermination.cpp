#include "runtime/ui/EndOnTermination.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace velmar {

namespace {

// Cancelled from the event loop, not while it shows: a modal dialog's own loop has to be
// running for its end to return from exec().
void CancelSoon(QDialog* dialog)
{
    QMetaObject::invokeMethod(
        dialog,
        [guard = QPointer<QDialog>(dialog)] {
            if (guard)
                guard->reject();
        },
        Qt::QueuedConnection);
}

} // namespace

EndOnTermination::EndOnTermination(std::function<void()> endProgram)
    : m_endProgram(std::move(endProgram))
    , m_signals([this] { End(); })
{}

void EndOnTermination::End()
{
    if (!m_requested) {
        m_requested = true;
        QCoreApplication::instance()->installEventFilter(this);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog != nullptr && dialog->isVisible())
            CancelSoon(dialog);
    }
    m_endProgram();
}

bool EndOnTermination::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog != nullptr && dialog->isWindow())
            CancelSoon(dialog);
    }
    return false;
}

} // namespace velmar

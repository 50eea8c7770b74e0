#include "runtime/qt/MessagePump.h"

#include "runtime/platform/win32/EndpointForwarding.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace velmar {

// Qt's event loop already dispatches the thread's window messages, so messages to our own
// endpoint windows reach their handlers without help. A host may also address a plug-in's
// visible main window, which Qt owns: those messages are caught here, before Qt drops them,
// and answered by the process's endpoint.
struct MessagePump::Watch : QAbstractNativeEventFilter {
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        const std::optional<platform::LRESULT> answer = platform::handleForQtWindow(
            msg->hwnd, msg->message, static_cast<platform::WPARAM>(msg->wParam), msg->lParam);
        if (!answer)
            return false;
        if (result != nullptr)
            *result = static_cast<qintptr>(*answer);
        return true;
    }
};

MessagePump::MessagePump()
    : m_watch(std::make_unique<Watch>())
{
    QCoreApplication::instance()->installNativeEventFilter(m_watch.get());
}

MessagePump::~MessagePump()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(m_watch.get());
}

} // namespace velmar

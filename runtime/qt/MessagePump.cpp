#include "runtime/qt/MessagePump.h"

#include "runtime/platform/Windows.h"

namespace velmar {

MessagePump::MessagePump()
    : m_notifier(platform::messageNotifierFd(), QSocketNotifier::Read)
{
    QObject::connect(&m_notifier, &QSocketNotifier::activated, &m_notifier,
                     [] { platform::dispatchMessages(); });
}

} // namespace velmar

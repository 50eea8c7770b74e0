#include "runtime/qt/MessagePump.h"

#include "runtime/platform/Windows.h"

#include <QSocketNotifier>

namespace velmar {

struct MessagePump::Watch {
    QSocketNotifier notifier{platform::messageNotifierFd(), QSocketNotifier::Read};
};

MessagePump::MessagePump()
    : m_watch(std::make_unique<Watch>())
{
    QObject::connect(&m_watch->notifier, &QSocketNotifier::activated, &m_watch->notifier,
                     [] { platform::dispatchMessages(); });
}

MessagePump::~MessagePump() = default;

} // namespace velmar

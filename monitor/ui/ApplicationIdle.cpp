#include "monitor/ui/ApplicationIdle.h"

#include <QAbstractEventDispatcher>

#include <utility>

namespace velmar::monitor {

ApplicationIdle::ApplicationIdle(std::function<bool()> onIdle)
    : m_onIdle(std::move(onIdle))
{
    m_again.setSingleShot(true);
    m_again.setInterval(0);
    QObject::connect(&m_again, &QTimer::timeout, &m_again, [this] { run(); });
    // The loop says it may wait at the start of every turn; while the timer is set it will
    // not wait, and the timer runs the handler in this very turn.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &m_again, [this] {
                         if (!m_again.isActive())
                             run();
                     });
}

void ApplicationIdle::Wake()
{
    QMetaObject::invokeMethod(
        &m_again, [this] { run(); }, Qt::QueuedConnection);
}

void ApplicationIdle::run()
{
    if (m_running)
        return;
    m_running = true;
    const bool done = m_onIdle();
    m_running = false;
    if (!done)
        m_again.start();
}

} // namespace velmar::monitor

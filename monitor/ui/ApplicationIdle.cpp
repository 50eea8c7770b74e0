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
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &m_again, [this] { run(); });
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

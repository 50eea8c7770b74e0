#include "runtime/link/WaitPumping.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace velmar {

void WaitPumping(std::uint32_t ms, const MillisecondClock& clock, const MessagePumping& pump)
{
    const std::uint32_t start = clock();
    std::uint32_t elapsed = 0;
    do {
        pump(ms - elapsed);
        elapsed = clock() - start;
    } while (elapsed < ms);
}

void PumpMessages(std::uint32_t maxWaitMs)
{
    // The timer only ends the wait for events below when none comes sooner.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(
        static_cast<int>(std::min<std::uint32_t>(maxWaitMs, std::numeric_limits<int>::max())));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace velmar

// A plug-in reduced to what the fault tests watch: it links through the real host link on
// request, drains the event ring and keeps the host busy with sends and posts on every
// turn of a 1 ms timer (with --busy), and measures how long its event loop stands still.
// The test drives it through its window (FaultProbeProtocol.h). Output lines:
// "ready <hwnd>", "error <text>" (what a plug-in would show the user), "signed off".

#include "runtime/HostMessages.h"
#include "runtime/SharedMemory.h"
#include "runtime/language/Language.h"
#include "runtime/link/HostLink.h"
#include "runtime/link/LinkPrompts.h"
#include "runtime/platform/PlatformError.h"
#include "runtime/qt/MessagePump.h"
#include "runtime/qt/TerminationSignals.h"
#include "tests/faults/FaultProbeProtocol.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

using namespace velmar;
namespace probe = velmar::test::faultprobe;
using Clock = std::chrono::steady_clock;

// A note-on for the posts and sends that keep the host busy.
constexpr platform::LPARAM kNote = 0x00403C99;
constexpr int kPlayEveryTicks = 4;

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class PrintingPrompts : public LinkPrompts {
public:
    void ShowLinkError(const QString& text) override { say(QStringLiteral("error ") + text); }
    std::optional<QString> ChooseHostProgram(const QString&, HostProgramReason) override
    {
        say(QStringLiteral("error asked for the host's program"));
        return std::nullopt;
    }
};

class FaultProbe {
public:
    FaultProbe(LinkPrompts& prompts, bool busy)
        : m_link(prompts)
        , m_busy(busy)
    {
        m_link.Loaded();
        m_window = platform::WindowEndpoint::create(
            [this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM) {
                return Handle(message, wParam);
            });
        m_tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_tick, &QTimer::timeout, &m_tick, [this] { Tick(); });
        m_tick.start(1);
    }

    [[nodiscard]] platform::HWND window() const { return m_window->hwnd(); }

private:
    platform::LRESULT Handle(platform::UINT message, platform::WPARAM wParam)
    {
        if (const auto answer = HandlePlugInMessage(m_link.Block(), message, wParam))
            return *answer;
        switch (message) {
        case probe::kLink:
            m_link.SignOff();
            m_host = m_link.MainWinHandle();
            ++m_linkAttempts;
            return m_host;
        case probe::kLinkAttempts:
            return m_linkAttempts;
        case probe::kHost:
            return m_host;
        case probe::kSignOff:
            m_link.SignOff();
            m_host = 0;
            return 1;
        case probe::kTakeLongestGapUs:
            return std::exchange(m_longestGapUs, 0);
        case probe::kEventsRead:
            return m_eventsRead;
        case probe::kCountQueries:
            ++m_queryGeneration;
            m_queriesAnswered = 0;
            m_queriesNonZero = 0;
            return 1;
        case probe::kQueriesAnswered:
            return m_queriesAnswered;
        case probe::kQueriesAnsweredNonZero:
            return m_queriesNonZero;
        default:
            return 0;
        }
    }

    void Tick()
    {
        const Clock::time_point now = Clock::now();
        const auto gap = std::chrono::duration_cast<std::chrono::microseconds>(now - m_lastTurn);
        m_longestGapUs = std::max<platform::LRESULT>(m_longestGapUs, gap.count());
        m_lastTurn = now;
        if (!m_busy || m_host == 0)
            return;

        m_eventsRead +=
            static_cast<platform::LRESULT>(m_link.Block().Drain([](const RingEvent&) {}));
        // A count started while this query waited (the test's request is served meanwhile)
        // must not take an answer the host gave before it.
        const std::uint64_t generation = m_queryGeneration;
        const platform::LRESULT running = platform::SendMessageA(m_host, HostQueryRunning, 0, 0);
        if (generation == m_queryGeneration) {
            ++m_queriesAnswered;
            m_queriesNonZero += running != 0 ? 1 : 0;
        }
        (void)platform::PostMessageA(m_host, HostCmdRecordEvent, 0, kNote);
        if (++m_ticks % kPlayEveryTicks == 0)
            (void)platform::SendMessageA(m_host, HostCmdPlayEvent, 1, kNote);
    }

    HostLink m_link;
    bool m_busy;
    std::unique_ptr<platform::WindowEndpoint> m_window;
    QTimer m_tick;
    Clock::time_point m_lastTurn = Clock::now();
    platform::HWND m_host = 0;
    platform::LRESULT m_linkAttempts = 0;
    platform::LRESULT m_longestGapUs = 0;
    platform::LRESULT m_eventsRead = 0;
    std::uint64_t m_queryGeneration = 0;
    platform::LRESULT m_queriesAnswered = 0;
    platform::LRESULT m_queriesNonZero = 0;
    std::uint64_t m_ticks = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    InitLanguage();
    const bool busy = argc > 1 && std::strcmp(argv[1], "--busy") == 0;
    PrintingPrompts prompts;
    std::optional<FaultProbe> probe;
    try {
        probe.emplace(prompts, busy);
    } catch (const SharedMemoryError& error) {
        say(QStringLiteral("error %1: %2")
                .arg(QString::fromStdString(error.what()), QString::fromStdString(error.detail())));
        return 1;
    } catch (const platform::PlatformError& error) {
        say(QStringLiteral("error ") + QString::fromStdString(error.what()));
        return 1;
    }
    const MessagePump pump;
    const TerminationSignals signals([] { QCoreApplication::quit(); });
    say(QStringLiteral("ready %1").arg(probe->window(), 8, 16, QLatin1Char('0')));
    const int result = QCoreApplication::exec();
    probe.reset();
    say(QStringLiteral("signed off"));
    return result;
}

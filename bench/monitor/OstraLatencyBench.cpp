// The monitor's main window as the user sees it: from one event written into the ring, by a
// thread of its own as the host does it, to the end of the window repaint that draws the
// event's grid row; and what one repaint of a whole page of the grid costs. Runs offscreen unless
// QT_QPA_PLATFORM chooses another platform (QT_QPA_PLATFORM=xcb with DISPLAY set measures under an
// X server). It prints its figures; nothing here passes or fails.

#include "host/HostRingWriter.h"
#include "monitor/core/EventGridModel.h"
#include "runtime/HostLinkBlock.h"
#include "runtime/SharedMemory.h"
#include "tests/monitor/FormRig.h"

#include <QEventLoop>
#include <QHeaderView>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <random>
#include <thread>
#include <time.h>
#include <vector>

namespace {

using namespace velmar;
using namespace velmar::monitor;
using Clock = std::chrono::steady_clock;

constexpr int kEvents = 400;

// Shows the monitor's window; false, with the benchmark skipped, when it did not start.
bool showMonitor(benchmark::State& state, MonitorWindow& form)
{
    form.show();
    if (form.TerminateRequested() || !QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the monitor did not start");
        return false;
    }
    return true;
}

// The block the monitor signed in to, for the benchmark to write events into as a host does.
auto openTheHostsBlock()
{
    return SharedMemory::Create("KorvoExeInfo", static_cast<std::int32_t>(HostLinkBlock::kSize));
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[at];
}

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Notes when a repaint of the window has ended (its pixels flushed) with the newest event's
// grid row among what it painted.
class ScreenWatch : public QObject {
public:
    explicit ScreenWatch(MonitorWindow& form)
        : m_form(form)
    {
        form.installEventFilter(this);
        form.MIDIGrid->viewport()->installEventFilter(this);
    }

    // Called with the number of the newest event and the time it drew that event's row, or
    // with no time when the row is out of the grid's view (the grid scrolls only when the
    // row after the last one in view is passed).
    std::function<void(std::int64_t, std::optional<std::int64_t>)> OnShown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_form.MIDIGrid->viewport() && event->type() == QEvent::Paint) {
            m_painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
        if (watched != &m_form || event->type() != QEvent::UpdateRequest || m_inside)
            return false;
        // The window's own handling paints and flushes; the time is taken after it.
        m_painted = {};
        m_inside = true;
        static_cast<QObject&>(m_form).event(event);
        m_inside = false;
        const std::int32_t row = m_form.Intake().CurrentRow();
        if (row > 0 && OnShown) {
            const QRect place = m_form.MIDIGrid->visualRect(m_form.Grid().index(row - 1, 0));
            if (!place.intersects(m_form.MIDIGrid->viewport()->rect()))
                OnShown(m_form.Intake().EventCount(), std::nullopt);
            else if (m_painted.intersects(place))
                OnShown(m_form.Intake().EventCount(), nowNs());
        }
        return true;
    }

private:
    MonitorWindow& m_form;
    QRegion m_painted;
    bool m_inside = false;
};

// Events come one at a time, each long after the last, at any moment of the monitor's poll.
void OneEventToTheScreen(benchmark::State& state)
{
    monitor::test::FormRig rig;
    MonitorWindow& form = rig.Create();
    if (!showMonitor(state, form))
        return;
    const auto block = openTheHostsBlock();
    host::HostRingWriter writer(block->Data());

    std::vector<double> latencies;
    for (auto _ : state) {
        latencies.clear();
        const std::int64_t first = form.Intake().EventCount() + 1;
        std::atomic<std::int64_t> writtenAt{0};
        std::atomic<std::int64_t> shownCount{first - 1};
        std::atomic<bool> finished{false};
        QEventLoop loop;
        ScreenWatch watch(form);
        int unseen = 0;
        watch.OnShown = [&](std::int64_t count, std::optional<std::int64_t> at) {
            if (count <= shownCount.load())
                return;
            shownCount.store(count);
            if (at)
                latencies.push_back(static_cast<double>(*at - writtenAt.load()) / 1e6);
            else
                ++unseen;
        };
        std::thread host([&] {
            std::mt19937 random(1);
            std::uniform_int_distribution<int> pauseUs(20'000, 40'000);
            for (std::int64_t event = first; event < first + kEvents; ++event) {
                std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
                writtenAt.store(nowNs());
                writer.TryWrite(0, PackedMidiMessage::pack(0x90, 60, 100));
                const auto end = Clock::now() + std::chrono::seconds(2);
                while (shownCount.load() < event && Clock::now() < end)
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
            finished.store(true);
        });
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (finished.load())
                loop.quit();
        });
        check.start(50);
        loop.exec();
        host.join();
        state.counters["out_of_view"] = unseen;
    }
    state.counters["events"] = static_cast<double>(latencies.size());
    state.counters["median_ms"] = percentile(latencies, 0.5);
    state.counters["p99_ms"] = percentile(latencies, 0.99);
    state.counters["max_ms"] = percentile(latencies, 1.0);
}
BENCHMARK(OneEventToTheScreen)->Iterations(1)->Unit(benchmark::kSecond);

// A full grid of events of every kind, each repaint showing the next page, as a fast stream
// does once a frame: the processor time of painting one page of rows. With the argument 0 the
// same page is painted again and again.
void GridPageRepaint(benchmark::State& state)
{
    monitor::test::FormRig rig;
    MonitorWindow& form = rig.Create();
    if (!showMonitor(state, form))
        return;
    const auto block = openTheHostsBlock();
    host::HostRingWriter writer(block->Data());
    const std::int32_t rows = form.Grid().rows().RowCount();
    for (std::int32_t event = 0; event < rows - 1;) {
        const auto status = static_cast<std::uint8_t>(0x80 + (event % 7) * 16 + event % 16);
        if (writer.TryWrite(static_cast<std::uint16_t>(event % 3),
                            PackedMidiMessage::pack(status, static_cast<std::uint8_t>(event % 128),
                                                    static_cast<std::uint8_t>(event * 7 % 128))))
            ++event;
        else
            QTest::qWait(2);
    }
    if (!monitor::test::FormRig::WaitFor([&] { return form.Intake().EventCount() == rows - 1; })) {
        state.SkipWithError("the events were not shown");
        return;
    }
    QScrollBar& scroll = *form.MIDIGrid->verticalScrollBar();
    const int page = std::max(1, form.MIDIGrid->viewport()->height() /
                                     form.MIDIGrid->verticalHeader()->defaultSectionSize());
    const bool nextPage = state.range(0) != 0;
    timespec before{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &before);
    std::int64_t repaints = 0;
    for (auto _ : state) {
        if (nextPage)
            scroll.setValue(scroll.value() + page > scroll.maximum() ? 0 : scroll.value() + page);
        form.MIDIGrid->viewport()->repaint();
        ++repaints;
    }
    timespec after{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &after);
    const double seconds = static_cast<double>(after.tv_sec - before.tv_sec) +
                           static_cast<double>(after.tv_nsec - before.tv_nsec) / 1e9;
    state.counters["rows_a_page"] = page;
    state.counters["cpu_us_a_repaint"] = seconds * 1e6 / static_cast<double>(repaints);
}
BENCHMARK(GridPageRepaint)->Arg(1)->Arg(0)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace

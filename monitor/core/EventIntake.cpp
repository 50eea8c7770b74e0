#include "monitor/core/EventIntake.h"

#include "monitor/core/DisplayFilter.h"
#include "runtime/ClockReadings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace velmar::monitor {

namespace {

constexpr std::uint8_t kSysExEnd = 0xF7; // its event writes the dump

// The clock's sums wrap like the clock instead of overflowing.
std::int32_t addMs(std::int32_t ms, std::int32_t more)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms) +
                                     static_cast<std::uint32_t>(more));
}

void setNumber(GridCell& cell, std::int64_t value)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.begin(), digits.end(), value);
    cell.clear();
    cell += std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
}

} // namespace

EventIntake::EventIntake(HostLinkBlock block, OstraSettings& settings, EventGridModel& grid,
                         MonitorClock& clock)
    : m_settings(settings)
    , m_grid(grid)
    , m_clock(clock)
    , m_block(block)
    , m_formatter(settings, block, m_lights)
{
    m_settings.DisplayEventCount =
        static_cast<std::int16_t>(m_grid.Resize(settings.DisplayEventCount));
    m_clockStartMs = m_clock.timeGetTime();
    m_inactivityDeadline = m_settings.InactivityStopMs;
    // Both are due on the first pass.
    m_nextClampTime = m_clockStartMs - 1U;
    m_nextLabelTime = m_clockStartMs - 1U;
}

IdleResult EventIntake::AppIdle()
{
    IdleResult result;
    const std::uint32_t now = m_clock.timeGetTime();
    if (IsLater(now, m_nextClampTime)) {
        m_nextClampTime = now + kKeepOnScreenEveryMs;
        result.KeepOnScreen = true;
    }
    if (m_clockRunning) {
        m_elapsedMs = static_cast<std::int32_t>(now - m_clockStartMs);
        if (m_elapsedMs >= m_inactivityDeadline)
            m_clockRunning = false;
    }
    if (IsLater(now, m_nextLabelTime)) {
        m_nextLabelTime = now + kLabelsEveryMs;
        if (m_elapsedMs != m_lastShownElapsed) {
            result.CurTimeLabel = QString::number(m_elapsedMs);
            m_lastShownElapsed = m_elapsedMs;
        }
        if (m_eventCount != m_lastShownCount) {
            result.CurrentEventLabel = QString::number(m_eventCount);
            m_lastShownCount = m_eventCount;
        }
    }
    if (m_block.RingEmpty()) {
        result.RingWasEmpty = true;
        return result;
    }

    if (!m_clockRunning) {
        m_clockStartMs = now;
        m_elapsedMs = 0;
        m_clockRunning = true;
    }
    // At most one ring's worth, so a host that never stops writing cannot hold the window.
    for (std::size_t step = 0; step < HostLinkBlock::kLastSlot; ++step) {
        const std::optional<RingEvent> event = m_block.TakeEvent();
        if (!event) {
            if (m_block.RingEmpty())
                break;
            continue; // a read index out of range was moved on
        }
        if (!takeIn(*event))
            break;
    }

    if (m_eventCount != m_lastShownCount) {
        result.CurrentEventLabel = QString::number(m_eventCount);
        m_lastShownCount = m_eventCount;
    }
    result.GridChanged = m_firstWritten != 0 || m_wrappedToTop;
    return result;
}

// What changes what is shown without an event: the clock's label (only a running clock
// changes it) and the window's place.
std::uint32_t EventIntake::MsUntilPassDue() const
{
    const std::uint32_t now = m_clock.timeGetTime();
    // A moment is passed one millisecond after it.
    const auto msUntilAfter = [now](std::uint32_t moment) {
        return std::max<std::int32_t>(static_cast<std::int32_t>(moment - now) + 1, 0);
    };
    std::int32_t ms = msUntilAfter(m_nextClampTime);
    if (m_clockRunning)
        ms = std::min(ms, msUntilAfter(m_nextLabelTime));
    return static_cast<std::uint32_t>(ms);
}

bool EventIntake::takeIn(const RingEvent& event)
{
    restartDeadline();
    m_clockRunning = true;

    const std::int32_t rows = rowCount();
    bool shown = true;
    if (m_eventCount >= rows) {
        switch (m_settings.DisplayFullMode) {
        case kDisplayFullStop:
            m_clockRunning = false;
            shown = false;
            break;
        case kDisplayFullWrap:
            if (m_eventCount % rows == 0)
                m_wrappedToTop = true;
            break;
        case kDisplayFullWrapClearCount:
            if (m_eventCount % rows == 0) {
                m_wrappedToTop = true;
                m_eventCount = 0;
            }
            break;
        default:
            shown = false;
            break;
        }
    }
    if (shown && PassesDisplayFilter(m_settings, event) && !show(event)) {
        // A dump met the full display: the rest waits for the next pass, where a full
        // display stops the clock as it does for every event it turns away.
        m_clockRunning = false;
        return false;
    }
    m_elapsedMs = static_cast<std::int32_t>(m_clock.timeGetTime() - m_clockStartMs);
    restartDeadline();
    return true;
}

bool EventIntake::show(const RingEvent& event)
{
    if (m_countNextEvent)
        ++m_eventCount;
    else
        m_countNextEvent = true;
    m_currentRow = rowOf(m_eventCount);

    m_source = event.Source;
    GridRow& row = startRow(m_currentRow);
    if (event.Source == 0)
        row[kSourceColumn] += m_formatter.texts().Ext;
    else
        setNumber(row[kSourceColumn], event.Source);

    const std::int32_t firstRow = m_currentRow;
    if (event.Message.status() == kSysExEnd)
        m_grid.rows().Event(firstRow).kind = RowEvent::Kind::DumpStart;
    const EventFormatter::Outcome outcome = m_formatter.Format(event, row, *this);
    keepEvent(firstRow, event, outcome);
    if (outcome == EventFormatter::Outcome::DisplayFull)
        return false;
    if (outcome == EventFormatter::Outcome::RowKeptForNextEvent)
        m_countNextEvent = false;
    writeNumber(m_currentRow);
    // The empty row after the newest event shows where the ring wraps.
    if (m_settings.DisplayFullMode != kDisplayFullStop && m_currentRow < rowCount()) {
        m_grid.rows().ClearRow(m_currentRow + 1);
        m_lastWritten = std::max(m_lastWritten, m_currentRow + 1);
    }
    return true;
}

GridRow* EventIntake::OpenContinuationRow()
{
    writeNumber(m_currentRow);
    if (m_eventCount >= rowCount() && m_settings.DisplayFullMode == kDisplayFullStop)
        return nullptr; // the count stays at the last row shown
    ++m_eventCount;
    m_currentRow = rowOf(m_eventCount);
    GridRow& row = startRow(m_currentRow);
    row[kSourceColumn] += m_source == 0 ? m_formatter.texts().Ext : m_formatter.texts().Int;
    m_grid.rows().Event(m_currentRow).kind = RowEvent::Kind::DumpMore;
    return &row;
}

void EventIntake::KeepDumpBytes(std::span<const std::uint8_t> bytes)
{
    RowEvent& kept = m_grid.rows().Event(m_currentRow);
    const std::size_t count = std::min(bytes.size(), kept.bytes.size());
    std::copy_n(bytes.begin(), count, kept.bytes.begin());
    kept.byteCount = static_cast<std::uint8_t>(count);
}

// What the rows were written from goes with them. A SysEx start keeps nothing: the next
// shown event takes its row over.
void EventIntake::keepEvent(std::int32_t row, const RingEvent& event,
                            EventFormatter::Outcome outcome)
{
    const std::uint8_t status = event.Message.status();
    if (status == kSysExEnd) {
        if (outcome == EventFormatter::Outcome::Written)
            m_grid.rows().Event(m_currentRow).kind = RowEvent::Kind::DumpEnd;
        return;
    }
    if (outcome != EventFormatter::Outcome::Written)
        return;
    RowEvent& kept = m_grid.rows().Event(row);
    kept.kind = RowEvent::Kind::Message;
    kept.status = status;
    kept.data1 = event.Message.data1();
    kept.data2 = event.Message.data2();
}

// An event's row starts empty, so no cell of an older event stays beside it, and holds the
// clock's time.
GridRow& EventIntake::startRow(std::int32_t row)
{
    if (row < m_lastStartedRow)
        m_wrapped = true;
    m_lastStartedRow = row;
    m_grid.rows().ClearRow(row);
    GridRow& cells = m_grid.rows().Row(row);
    setNumber(cells[kTimeColumn], m_elapsedMs);
    m_grid.rows().Event(row).timeMs = m_elapsedMs;
    if (m_firstWritten == 0) {
        m_firstWritten = row;
        m_lastWritten = row;
    }
    m_firstWritten = std::min(m_firstWritten, row);
    m_lastWritten = std::max(m_lastWritten, row);
    return cells;
}

void EventIntake::writeNumber(std::int32_t row)
{
    setNumber(m_grid.rows().Row(row)[kNumberColumn], m_eventCount);
}

void EventIntake::PublishWrittenRows()
{
    if (m_firstWritten == 0)
        return;
    m_grid.RowsWritten(m_firstWritten, m_lastWritten);
    m_firstWritten = 0;
    m_lastWritten = 0;
}

std::optional<std::int32_t> EventIntake::TakeTopRow(GridScroll view)
{
    std::int32_t topRow = std::exchange(m_wrappedToTop, false) ? 1 : view.TopRow;
    if (m_currentRow > 0 && std::int64_t{view.VisibleRowCount} + topRow < m_currentRow) {
        // As far as the grid scrolls: its last row at the bottom.
        const std::int32_t lastTop = std::max(1, rowCount() - view.VisibleRowCount + 1);
        topRow = std::min(m_currentRow, lastTop);
    }
    if (topRow == view.TopRow)
        return std::nullopt;
    return topRow;
}

void EventIntake::restartDeadline()
{
    m_inactivityDeadline = addMs(m_elapsedMs, m_settings.InactivityStopMs);
}

std::int32_t EventIntake::rowOf(std::int64_t eventCount) const
{
    const auto row = static_cast<std::int32_t>(eventCount % rowCount());
    return row == 0 ? rowCount() : row;
}

void EventIntake::ClearMIDIGrid()
{
    m_grid.Clear();
    startAfresh();
}

void EventIntake::ClearTime()
{
    m_clockStartMs = m_clock.timeGetTime();
    m_elapsedMs = 0;
    m_clockRunning = false;
}

bool EventIntake::ApplyDisplayEventCount()
{
    if (m_settings.DisplayEventCount == rowCount())
        return false;
    m_settings.DisplayEventCount =
        static_cast<std::int16_t>(m_grid.Resize(m_settings.DisplayEventCount));
    startAfresh();
    return true;
}

// An emptied grid counts from its first row again; it has told its views already and may no
// longer hold the rows written.
void EventIntake::startAfresh()
{
    m_eventCount = 0;
    m_lastStartedRow = 0;
    m_wrapped = false;
    m_firstWritten = 0;
    m_lastWritten = 0;
    m_wrappedToTop = false;
}

} // namespace velmar::monitor

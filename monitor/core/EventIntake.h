#pragma once

#include "monitor/core/ActivityLights.h"
#include "monitor/core/EventFormatter.h"
#include "monitor/core/EventGridModel.h"
#include "monitor/core/MonitorClock.h"
#include "monitor/core/OstraSettings.h"
#include "runtime/HostLinkBlock.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace velmar::monitor {

// The grid's scroll position as the view has it: the first visible event row (1 to the row
// count) and how many event rows fit.
struct GridScroll {
    std::int32_t TopRow = 1;
    std::int32_t VisibleRowCount = 0;
};

// What a pass asks of the window.
struct IdleResult {
    // Time to keep the main window on the screen (at most once a second).
    bool KeepOnScreen = false;
    // New texts of the clock and event labels, at most every 50 ms and only when changed.
    std::optional<QString> CurTimeLabel;
    std::optional<QString> CurrentEventLabel;
    // The grid has rows written or a wrap that its views have not heard of yet.
    bool GridChanged = false;
    // The ring was empty: the pass took nothing.
    bool RingWasEmpty = false;
};

// The monitor's engine, run from the application's idle handler: a millisecond clock that
// starts with the first event and stops after a quiet period, and the draining of the
// host's event ring into the grid through the display-full policy and the display filter.
// Every pass writes its rows at once; the grid's views hear of them, and scroll to the
// newest, when the window repaints, so a stream repaints no more often than the screen.
class EventIntake final : private ContinuationRows {
public:
    static constexpr std::uint32_t kKeepOnScreenEveryMs = 1000;
    static constexpr std::uint32_t kLabelsEveryMs = 50;

    // Sizes and empties the grid for the settings' DisplayEventCount; the clock is stopped.
    // Made once the language is chosen: the texts of the rows are fetched here, once.
    EventIntake(HostLinkBlock block, OstraSettings& settings, EventGridModel& grid,
                MonitorClock& clock);

    // One pass: takes every waiting event, and keeps the clock, its label and the screen
    // clamp. It never waits; after a pass that found the ring empty the caller waits for
    // an event or for MsUntilPassDue().
    [[nodiscard]] IdleResult AppIdle();
    // Milliseconds until a pass would have work without an event: the running clock's
    // label or the screen clamp. 0 when one is due now.
    [[nodiscard]] std::uint32_t MsUntilPassDue() const;

    // Tells the grid's views, as one change, of every row written since the last call.
    void PublishWrittenRows();
    // Where a view at `view` scrolls to show the newest row, when it must: back to the top
    // once the display has wrapped since the last call, then a page on when the newest row
    // is below the rows in view. Rows a page passes over stay in the grid.
    [[nodiscard]] std::optional<std::int32_t> TakeTopRow(GridScroll view);

    // Empties the grid and restarts the event numbers; the view scrolls to the top.
    void ClearMIDIGrid();
    // Sets the clock back to 0 and stops it.
    void ClearTime();
    // After the settings dialog: a DisplayEventCount that differs from the grid's row count
    // resizes the grid (as far as it goes) and clears it. True when it did.
    bool ApplyDisplayEventCount();

    // The number of the newest shown event (0 after clearing).
    [[nodiscard]] std::int64_t EventCount() const { return m_eventCount; }
    // The grid row of the newest shown event, 1 to the row count (0 before the first one).
    [[nodiscard]] std::int32_t CurrentRow() const { return m_currentRow; }
    // True once the rows have come round to the first again since the grid was emptied:
    // the oldest shown event then follows the newest. The event number cannot tell, as it
    // restarts at each wrap in one of the modes.
    [[nodiscard]] bool Wrapped() const { return m_wrapped; }
    [[nodiscard]] bool ClockRunning() const { return m_clockRunning; }
    [[nodiscard]] std::int32_t ElapsedMs() const { return m_elapsedMs; }
    [[nodiscard]] std::uint16_t SysExReadPos() const { return m_formatter.SysExReadPos(); }

    [[nodiscard]] ActivityLights& lights() { return m_lights; }
    [[nodiscard]] const ActivityLights& lights() const { return m_lights; }

private:
    [[nodiscard]] bool takeIn(const RingEvent& event);
    [[nodiscard]] bool show(const RingEvent& event);
    [[nodiscard]] GridRow* OpenContinuationRow() override;
    void KeepDumpBytes(std::span<const std::uint8_t> bytes) override;
    void keepEvent(std::int32_t row, const RingEvent& event, EventFormatter::Outcome outcome);
    GridRow& startRow(std::int32_t row);
    void writeNumber(std::int32_t row);
    void restartDeadline();
    [[nodiscard]] std::int32_t rowOf(std::int64_t eventCount) const;
    void startAfresh();
    [[nodiscard]] std::int32_t rowCount() const { return m_grid.rows().RowCount(); }

    OstraSettings& m_settings;
    EventGridModel& m_grid;
    MonitorClock& m_clock;
    HostLinkBlock m_block;
    ActivityLights m_lights;
    EventFormatter m_formatter;

    std::int64_t m_eventCount = 0;
    std::int32_t m_currentRow = 0;
    std::int32_t m_lastStartedRow = 0;
    bool m_wrapped = false;
    bool m_countNextEvent = true;
    bool m_clockRunning = false;
    std::uint32_t m_clockStartMs = 0;
    std::int32_t m_elapsedMs = 0;
    std::int32_t m_inactivityDeadline = 0;
    std::uint32_t m_nextClampTime = 0;
    std::uint32_t m_nextLabelTime = 0;
    std::int32_t m_lastShownElapsed = -1;
    std::int64_t m_lastShownCount = 0;

    // The source of the event being shown, during a pass.
    std::uint16_t m_source = 0;
    // Since the views last heard: the rows written (0 for none) and whether the display
    // wrapped back to its first row.
    std::int32_t m_firstWritten = 0;
    std::int32_t m_lastWritten = 0;
    bool m_wrappedToTop = false;
};

} // namespace velmar::monitor

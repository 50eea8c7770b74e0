#pragma once

#include "monitor/core/ActivityLights.h"
#include "monitor/core/FormatterTexts.h"
#include "monitor/core/GridCell.h"
#include "monitor/core/OstraSettings.h"
#include "runtime/HostLinkBlock.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace velmar::monitor {

// Where a SysEx dump continues when one row is not enough.
class ContinuationRows {
public:
    ContinuationRows() = default;
    ContinuationRows(const ContinuationRows&) = delete;
    ContinuationRows& operator=(const ContinuationRows&) = delete;

    // The next row, numbered, timed and sourced like the event's own; nothing when the
    // display is full and stops.
    [[nodiscard]] virtual GridRow* OpenContinuationRow() = 0;
    // The dump's bytes that the current row shows, as the SysEx area holds them now.
    virtual void KeepDumpBytes(std::span<const std::uint8_t> bytes) = 0;

protected:
    ~ContinuationRows() = default;
};

// Fills the Raw, Status, Chan, Data 1 and Data 2 cells of an event's row in the number
// forms the settings choose, lights the channel's activity light and writes SysEx dumps
// 16 bytes a row. Allocates nothing.
class EventFormatter {
public:
    enum class Outcome {
        Written,
        // A SysEx start: the next shown event takes over the row and its number.
        RowKeptForNextEvent,
        // A dump was cut off where the full display stopped it.
        DisplayFull,
    };

    // `settings` are read afresh for every event; `block` holds the SysEx bytes.
    EventFormatter(const OstraSettings& settings, HostLinkBlock block, ActivityLights& lights);

    // `row` holds the event's number, time and source and nothing in the other cells.
    [[nodiscard]] Outcome Format(const RingEvent& event, GridRow& row, ContinuationRows& more);

    // Positions in the SysEx area: where the next dump starts, and where the last one ended.
    [[nodiscard]] std::uint16_t SysExReadPos() const { return m_sysExReadPos; }
    [[nodiscard]] std::uint16_t SysExEndPos() const { return m_sysExEndPos; }

    [[nodiscard]] const FormatterTexts& texts() const { return m_texts; }

private:
    void formatChannelMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                              GridRow& row);
    void formatSystemMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                             GridRow& row);
    [[nodiscard]] Outcome dumpSysEx(GridRow& row, ContinuationRows& more);

    void appendRaw(GridCell& cell, std::uint8_t value) const;
    void appendValue(GridCell& cell, unsigned value) const;
    void appendChannel(GridCell& cell, std::uint8_t channel) const;
    void appendTwoBytes(GridCell& cell, std::uint8_t low, std::uint8_t high) const;

    const OstraSettings& m_settings;
    HostLinkBlock m_block;
    ActivityLights& m_lights;
    FormatterTexts m_texts;
    std::uint16_t m_sysExReadPos = 0;
    std::uint16_t m_sysExEndPos = 0;
};

} // namespace velmar::monitor

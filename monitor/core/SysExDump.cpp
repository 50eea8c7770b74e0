#include "monitor/core/SysExDump.h"

#include <algorithm>

namespace velmar::monitor {

namespace {

constexpr char kSysExStart = '\xF0';
constexpr char kSysExEnd = '\xF7';

} // namespace

std::vector<DisplayedDump> DumpsOnDisplay(const RowStore& rows, std::span<const std::int32_t> order)
{
    std::vector<DisplayedDump> dumps;
    bool open = false; // the last dump may go on in the next row
    for (std::size_t position = 0; position < order.size(); ++position) {
        const RowEvent& event = rows.Event(order[position]);
        if (!event.InDump()) {
            open = false;
            continue;
        }
        // A dump whose first row was overwritten begins with a later row.
        if (event.kind == RowEvent::Kind::DumpStart || !open) {
            dumps.push_back({position, position, event.kind == RowEvent::Kind::DumpStart, {}});
            open = true;
        }
        DisplayedDump& dump = dumps.back();
        dump.Last = position;
        const std::span<const std::uint8_t> bytes = event.Bytes();
        dump.Bytes.insert(dump.Bytes.end(), bytes.begin(), bytes.end());
        if (event.kind == RowEvent::Kind::DumpEnd)
            open = false;
    }
    for (DisplayedDump& dump : dumps)
        dump.Whole = dump.Whole && rows.Event(order[dump.Last]).kind == RowEvent::Kind::DumpEnd;
    return dumps;
}

SysExFile SysExFileOf(const RowStore& rows, std::span<const std::int32_t> order,
                      std::span<const std::int32_t> selected)
{
    SysExFile file;
    std::vector<std::int32_t> chosenRows(selected.begin(), selected.end());
    std::sort(chosenRows.begin(), chosenRows.end());
    for (const DisplayedDump& dump : DumpsOnDisplay(rows, order)) {
        const auto dumpRows = order.subspan(dump.First, dump.Last - dump.First + 1);
        const bool chosen = std::any_of(dumpRows.begin(), dumpRows.end(), [&](std::int32_t row) {
            return std::binary_search(chosenRows.begin(), chosenRows.end(), row);
        });
        if (!chosen)
            continue;
        if (!dump.Whole) {
            ++file.NotWhole;
            continue;
        }
        file.Bytes += kSysExStart;
        file.Bytes.append(dump.Bytes.begin(), dump.Bytes.end());
        file.Bytes += kSysExEnd;
        ++file.Dumps;
    }
    return file;
}

} // namespace velmar::monitor

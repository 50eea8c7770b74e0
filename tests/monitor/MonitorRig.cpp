#include "tests/monitor/MonitorRig.h"

#include <gtest/gtest.h>

namespace velmar::monitor::test {

MonitorRig::MonitorRig(const OstraSettings& initial)
    : settings(initial)
{}

void MonitorRig::Send(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                      std::uint16_t source)
{
    ASSERT_TRUE(writer.TryWrite(source, PackedMidiMessage::pack(status, data1, data2)));
}

void MonitorRig::SendSysEx(std::span<const std::uint8_t> bytes, std::uint16_t source)
{
    ASSERT_TRUE(writer.TryWriteSysEx(source, bytes));
}

void MonitorRig::SendSysExAt(std::uint16_t start, std::span<const std::uint8_t> bytes)
{
    std::uint16_t position = start;
    for (const std::uint8_t byte : bytes) {
        block[HostLinkBlock::kSysExOffset + position] = std::byte{byte};
        position = position >= HostLinkBlock::kLastSysExPosition
                       ? std::uint16_t{0}
                       : static_cast<std::uint16_t>(position + 1U);
    }
    Send(0xF0, static_cast<std::uint8_t>(start >> 8U), static_cast<std::uint8_t>(start & 0xFFU));
    Send(0xF7, static_cast<std::uint8_t>(position >> 8U),
         static_cast<std::uint8_t>(position & 0xFFU));
}

IdleResult MonitorRig::Pass()
{
    IdleResult result = intake.AppIdle();
    intake.PublishWrittenRows();
    return result;
}

QString MonitorRig::Cell(std::int32_t row, std::size_t column) const
{
    return grid.rows().Text(row, column).toString();
}

std::vector<QString> MonitorRig::Shown(std::int32_t row) const
{
    std::vector<QString> cells;
    for (std::size_t column = kRawColumn; column < kGridColumnCount; ++column)
        cells.push_back(Cell(row, column));
    return cells;
}

bool MonitorRig::RowEmpty(std::int32_t row) const
{
    for (const GridCell& cell : grid.rows().Row(row))
        if (!cell.empty())
            return false;
    return true;
}

} // namespace velmar::monitor::test

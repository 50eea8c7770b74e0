#include "monitor/core/OstraSettings.h"

#include "runtime/PackedRecord.h"

#include <algorithm>

namespace velmar::monitor {

namespace {

// Every field with its offset in the file, in file order.
template <typename Record, typename Visit>
void visitFields(Record& settings, Visit&& visit)
{
    visit(0, settings.WindowLeft);
    visit(2, settings.WindowTop);
    visit(4, settings.WindowWidth);
    visit(6, settings.WindowHeight);
    visit(8, settings.DisplayEventCount);
    visit(10, settings.DisplayFullMode);
    visit(12, settings.FilterMode);
    visit(13, settings.ShowComputerInput);
    visit(14, settings.ShowHostOutput);
    visit(15, settings.EventTypeFilter);
    visit(38, settings.ChannelFilter);
    visit(54, settings.ControllerFilter);
    visit(182, settings.Unused182);
    visit(184, settings.InactivityStopMs);
    visit(188, settings.AlwaysOnTop);
    visit(189, settings.SaveTextToFile);
    visit(190, settings.DecimalChannels);
    visit(191, settings.DecimalEventTypes);
    visit(192, settings.DecimalData);
    visit(193, settings.OneBasedPrograms);
    visit(194, settings.OneBasedChannels);
    visit(195, settings.Unused195);
    visit(196, settings.ColumnWidths);
}

template <std::size_t Count>
void asFlags(std::array<std::uint8_t, Count>& flags)
{
    for (std::uint8_t& flag : flags)
        flag = AsFlag(flag);
}

} // namespace

OstraSettings::Bytes OstraSettings::ToBytes() const
{
    Bytes bytes{};
    visitFields(*this,
                [&](std::size_t offset, const auto& field) { StorePacked(bytes, offset, field); });
    return bytes;
}

OstraSettings OstraSettings::FromBytes(std::span<const std::byte> bytes)
{
    Bytes image = OstraSettings{}.ToBytes();
    std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), image.begin());

    OstraSettings settings;
    visitFields(settings,
                [&](std::size_t offset, auto& field) { LoadPacked(image, offset, field); });
    return settings;
}

OstraSettings BringIntoRange(OstraSettings settings)
{
    const OstraSettings defaults;
    // The intake loop divides by the row count: a damaged count gives the default grid.
    // Small counts the program could have written (1 to 9) stay; the settings dialog
    // raises them to its minimum of 10 when it is next confirmed.
    if (settings.DisplayEventCount < 1)
        settings.DisplayEventCount = defaults.DisplayEventCount;
    settings.DisplayEventCount = std::min(settings.DisplayEventCount, kMaxDisplayEventCount);
    // Any other mode would drop every event once the grid is full.
    if (settings.DisplayFullMode < kDisplayFullStop ||
        settings.DisplayFullMode > kDisplayFullWrapClearCount)
        settings.DisplayFullMode = defaults.DisplayFullMode;
    // The filter dialog checks neither radio button for another value and stores "Only...".
    if (settings.FilterMode != kFilterOnly && settings.FilterMode != kFilterAllExcept)
        settings.FilterMode = defaults.FilterMode;
    // A flag of 2 would show as ticked yet pass under "All Except...".
    settings.ShowComputerInput = AsFlag(settings.ShowComputerInput);
    settings.ShowHostOutput = AsFlag(settings.ShowHostOutput);
    asFlags(settings.EventTypeFilter);
    asFlags(settings.ChannelFilter);
    asFlags(settings.ControllerFilter);
    // The clock adds this to its reading: a negative period would stop it at once.
    if (settings.InactivityStopMs < 1)
        settings.InactivityStopMs = defaults.InactivityStopMs;
    settings.InactivityStopMs = std::min(settings.InactivityStopMs, kMaxInactivityStopMs);
    settings.AlwaysOnTop = AsFlag(settings.AlwaysOnTop);
    settings.SaveTextToFile = AsFlag(settings.SaveTextToFile);
    settings.DecimalChannels = AsFlag(settings.DecimalChannels);
    settings.DecimalEventTypes = AsFlag(settings.DecimalEventTypes);
    settings.DecimalData = AsFlag(settings.DecimalData);
    settings.OneBasedPrograms = AsFlag(settings.OneBasedPrograms);
    settings.OneBasedChannels = AsFlag(settings.OneBasedChannels);
    if (settings.WindowWidth < 1)
        settings.WindowWidth = defaults.WindowWidth;
    if (settings.WindowHeight < 1)
        settings.WindowHeight = defaults.WindowHeight;
    // 0 already means the built-in width; the grid adds widths up, so keep them small.
    for (std::int32_t& width : settings.ColumnWidths)
        width = std::clamp(width, 0, kMaxColumnWidth);
    return settings;
}

} // namespace velmar::monitor

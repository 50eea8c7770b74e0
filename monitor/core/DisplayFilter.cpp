#include "monitor/core/DisplayFilter.h"

namespace velmar::monitor {

bool PassesDisplayFilter(const OstraSettings& settings, const RingEvent& event)
{
    const std::uint8_t mode = settings.FilterMode;
    const std::uint8_t source =
        event.Source == 0 ? settings.ShowComputerInput : settings.ShowHostOutput;
    const std::uint8_t status = event.Message.status();
    if (!FlagPasses(source, mode) ||
        !FlagPasses(settings.EventTypeFilter[EventTypeIndex(status)], mode))
        return false;
    if (status >= 0xF0)
        return true;
    if (!FlagPasses(settings.ChannelFilter[status & 0x0FU], mode))
        return false;
    // A controller number above 127 has no flag of its own.
    const std::uint8_t controller = event.Message.data1();
    const bool controlChange = EventTypeIndex(status) == 3;
    return !controlChange || controller >= kControllerCount ||
           FlagPasses(settings.ControllerFilter[controller], mode);
}

} // namespace velmar::monitor

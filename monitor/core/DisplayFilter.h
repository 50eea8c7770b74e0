#pragma once

#include "monitor/core/OstraSettings.h"
#include "runtime/HostLinkBlock.h"

namespace velmar::monitor {

// A filter flag lets an event through when it differs from the filter mode: under
// "Only..." a ticked flag passes, under "All Except..." an unticked one.
[[nodiscard]] constexpr bool FlagPasses(std::uint8_t flag, std::uint8_t filterMode)
{
    return flag != filterMode;
}

// True when every flag that concerns the event passes: its source; for a channel message
// its channel, its kind and, for a control change, its controller; for a system message
// its kind.
[[nodiscard]] bool PassesDisplayFilter(const OstraSettings& settings, const RingEvent& event);

} // namespace velmar::monitor

#pragma once

#include "runtime/platform/Windows.h"

// What the test asks the plug-in probe `fault_probe` through its window, besides the
// messages a host sends to a plug-in.
namespace velmar::test::faultprobe {

// Signs off (when linked) and links anew; answers the host window, 0 when refused. May be
// posted, so that two probes link at the same moment.
inline constexpr platform::UINT kLink = 3001;
// How many kLink requests have been carried out.
inline constexpr platform::UINT kLinkAttempts = 3002;
// The host window of the last kLink, 0 when not linked.
inline constexpr platform::UINT kHost = 3003;
inline constexpr platform::UINT kSignOff = 3004;
// The longest time in microseconds between two turns of the event loop since the last ask.
inline constexpr platform::UINT kTakeLongestGapUs = 3005;
// Events taken from the ring so far.
inline constexpr platform::UINT kEventsRead = 3006;
// Starts counting the host's answers to the queries the probe sends from now on.
inline constexpr platform::UINT kCountQueries = 3007;
inline constexpr platform::UINT kQueriesAnswered = 3008;
inline constexpr platform::UINT kQueriesAnsweredNonZero = 3009;

} // namespace velmar::test::faultprobe

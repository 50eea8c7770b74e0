#pragma once

#include <cstdint>
#include <functional>

namespace velmar {

// A millisecond clock that wraps after 2^32 ms, like timeGetTime.
using MillisecondClock = std::function<std::uint32_t()>;

// Handles the program's own pending events, waiting for new ones up to `maxWaitMs`.
using MessagePumping = std::function<void(std::uint32_t maxWaitMs)>;

// Keeps handling the program's events until `ms` milliseconds of `clock` have passed, and
// at least once. The time is measured as a difference, so it holds across the clock's wrap.
void WaitPumping(std::uint32_t ms, const MillisecondClock& clock, const MessagePumping& pump);

// The Qt event loop's pending events, then waiting for more up to `maxWaitMs`; needs the
// application object. Messages to this process's windows arrive through MessagePump.
void PumpMessages(std::uint32_t maxWaitMs);

} // namespace velmar

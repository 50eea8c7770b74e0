#pragma once

#include "runtime/HostLinkBlock.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace velmar::monitor {

// Looks at the host's ring from a thread of its own while the monitor has nothing to do,
// so that the window's thread can wait for its events without polling. Armed, it reads the
// ring's two indices every 2 ms and calls `wake` once, on its own thread, when an event
// waits or the time it was armed until has come; then it rests until armed again. It reads
// nothing but the indices, through the block's checks, so no value the host leaves there
// makes it touch other memory. It must be destroyed before the block's memory goes.
class RingWatcher {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kLookEvery = std::chrono::milliseconds(2);

    RingWatcher(HostLinkBlock block, std::function<void()> wake);
    RingWatcher(const RingWatcher&) = delete;
    RingWatcher& operator=(const RingWatcher&) = delete;
    // Stops the thread and waits for it.
    ~RingWatcher();

    // Watches until an event waits or `wakeBy` has come, whichever is first; an earlier
    // arming that has not woken yet is replaced.
    void Arm(Clock::time_point wakeBy);

private:
    void watch(const std::stop_token& stop);

    HostLinkBlock m_block;
    std::function<void()> m_wake;
    std::mutex m_mutex;
    std::condition_variable_any m_armedChanged;
    std::optional<Clock::time_point> m_wakeBy;
    // Last: started once the rest is there, stopped and joined before the rest goes.
    std::jthread m_thread;
};

} // namespace velmar::monitor

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
// waits or the time it was armed until has come. It keeps its beat for one more look, by
// which the window's thread has mostly armed it again, and rests when it has not. It reads
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
    // arming that has not woken yet is replaced. The thread is woken only when it rests or
    // the new time comes before its next look: the window's thread arms at every turn of
    // its loop, and each needless wake costs both threads a switch.
    void Arm(Clock::time_point wakeBy);

private:
    void watch();

    HostLinkBlock m_block;
    std::function<void()> m_wake;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Clock::time_point> m_wakeBy;
    // Resting: waiting for an arming with no look due. Otherwise the moment of its next look.
    bool m_resting = true;
    Clock::time_point m_lookAt;
    bool m_stopping = false;
    // Last: started once the rest is there, stopped and joined before the rest goes.
    std::thread m_thread;
};

} // namespace velmar::monitor

#pragma once

#include <memory>

namespace velmar {

// Brings the messages other processes send to this process's windows into the Qt event
// loop: they are handled on the GUI thread, between other events.
class MessagePump {
public:
    MessagePump();
    ~MessagePump();
    MessagePump(const MessagePump&) = delete;
    MessagePump& operator=(const MessagePump&) = delete;

private:
    // What the platform's event loop watches: a descriptor on POSIX, a filter of the
    // thread's window messages on Windows.
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};

} // namespace velmar

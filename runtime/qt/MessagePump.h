#pragma once

#include <QSocketNotifier>

namespace velmar {

// Brings the messages other processes send to this process's windows into the Qt event
// loop: they are handled on the GUI thread, between other events.
class MessagePump {
public:
    MessagePump();

private:
    QSocketNotifier m_notifier;
};

} // namespace velmar

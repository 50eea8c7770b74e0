#pragma once

#include <QTimer>

#include <functional>

namespace velmar::monitor {

// The application's idle handler: run when the event loop is about to wait for events, and
// again from a zero-time timer for as long as it reports that it is not done, so events
// are still handled between its runs; once done, it runs again at the loop's next turn or
// when woken. Nested event loops (modal dialogs) run it too; it is never re-entered.
class ApplicationIdle {
public:
    // `onIdle` returns true when it is done until the loop next waits.
    explicit ApplicationIdle(std::function<bool()> onIdle);
    ApplicationIdle(const ApplicationIdle&) = delete;
    ApplicationIdle& operator=(const ApplicationIdle&) = delete;

    // Runs the handler soon, on the event loop's thread, also while that loop waits;
    // callable from any thread while this exists.
    void Wake();

private:
    void run();

    std::function<bool()> m_onIdle;
    QTimer m_again;
    bool m_running = false;
};

} // namespace velmar::monitor

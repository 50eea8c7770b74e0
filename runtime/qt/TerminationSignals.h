#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace velmar {

// Runs `onSignal` on the Qt event loop's thread when SIGINT or SIGTERM arrives, so a
// program ends the way its own Exit does (settings saved, links closed) instead of dying
// on the spot. One instance per program.
class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    std::function<void()> m_onSignal;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace velmar

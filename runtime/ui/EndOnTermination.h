#pragma once

#include "runtime/qt/TerminationSignals.h"

#include <QObject>

#include <functional>

namespace velmar {

// Ends the program at the first SIGINT or SIGTERM, whatever it is showing at that moment:
// every dialog and message box that is open is cancelled, and so is every one that opens
// afterwards (a start-up that would go on asking), and `endProgram` closes the main window
// the way its own Exit does. One instance per program, made before the first window.
class EndOnTermination : public QObject {
public:
    explicit EndOnTermination(std::function<void()> endProgram);

    // A signal came; the program is ending.
    [[nodiscard]] bool Requested() const { return m_requested; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void End();

    std::function<void()> m_endProgram;
    bool m_requested = false;
    TerminationSignals m_signals;
};

} // namespace velmar

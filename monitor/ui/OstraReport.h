#pragma once

#include "runtime/platform/Windows.h"

#include <QString>

#include <optional>
#include <utility>

namespace velmar::monitor {

class MonitorWindow;

// Lets a test see what the running program shows. With VELMAR_OSTRA_REPORT naming a
// directory, the program says "linked <host window>" (hexadecimal) on standard output once
// it is set up, and when it ends it leaves in that directory "grid.txt", the grid's rows
// that hold anything, oldest first, their cells separated by tabs, and "window.png", a
// picture of its window.
class OstraReport {
public:
    [[nodiscard]] static std::optional<OstraReport> FromEnvironment();

    void Linked(platform::HWND host) const;
    void Ended(MonitorWindow& form) const;

private:
    explicit OstraReport(QString directory)
        : m_directory(std::move(directory))
    {}

    QString m_directory;
};

} // namespace velmar::monitor

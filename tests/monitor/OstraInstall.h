#pragma once

#include "monitor/core/OstraSettings.h"
#include "runtime/platform/Windows.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmar::monitor::test {

// ostra and korvo placed together in a directory of the test's own, as a user installs
// them: the monitor keeps its settings file there and starts korvo from there. Every korvo
// started from there ends with it; one that ostra started is nobody's child, so it is
// found by its window (whose handle holds its process id).
class OstraInstall {
public:
    explicit OstraInstall(std::filesystem::path directory);
    ~OstraInstall();
    OstraInstall(const OstraInstall&) = delete;
    OstraInstall& operator=(const OstraInstall&) = delete;

    [[nodiscard]] std::string Ostra() const { return (m_directory / "ostra").string(); }
    [[nodiscard]] std::string Korvo() const { return (m_directory / "korvo").string(); }
    [[nodiscard]] std::filesystem::path SettingsFile() const { return m_directory / "$OSTRA.cfg"; }

    void WriteSettings(const OstraSettings& settings) const;
    // The file's bytes, when there is a file.
    [[nodiscard]] std::optional<std::string> SettingsBytes() const;

    // The windows of korvo processes started from here.
    [[nodiscard]] std::vector<platform::HWND> KorvoWindows() const;
    // Waits up to `seconds` for one; 0 when none came.
    [[nodiscard]] platform::HWND AwaitKorvoWindow(int seconds = 10) const;

private:
    std::filesystem::path m_directory;
};

// The process that owns a window.
[[nodiscard]] pid_t ProcessOf(platform::HWND hwnd);

// Seconds of processor time a process has used so far.
[[nodiscard]] double ProcessorSeconds(pid_t pid);

} // namespace velmar::monitor::test

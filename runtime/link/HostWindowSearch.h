#pragma once

#include "runtime/platform/Processes.h"
#include "runtime/platform/Windows.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmar {

// Looks for the host's main window among the session's top-level windows: a window of a
// process that carries the host's program as one of its modules, and that answers
// HostQueryIdentify with 259. Keeps what the searches saw.
class HostWindowSearch {
public:
    // Takes the version the platform reports.
    HostWindowSearch();
    explicit HostWindowSearch(const platform::OsVersionInfo& version);

    // The first top-level, unowned window of a process matching `path`'s base name that
    // identifies itself as the host's; 0 when there is none.
    [[nodiscard]] platform::HWND FindHostWindow(std::string_view path);

    // Whether any module of the process (its program or a file mapped into it) has the
    // searched base name.
    [[nodiscard]] bool MatchModules(std::uint32_t pid);
    // Whether the process's program has the searched base name.
    [[nodiscard]] bool MatchMainModule(std::uint32_t pid);

    // Set by any match since the last ResetHostProcessFound, across searches.
    [[nodiscard]] bool HostProcessFound() const { return m_hostProcessFound; }
    void ResetHostProcessFound() { m_hostProcessFound = false; }

    [[nodiscard]] const std::string& HostExeBaseName() const { return m_hostExeBaseName; }
    [[nodiscard]] std::uint32_t HostProcessId() const { return m_hostProcessId; }
    [[nodiscard]] bool IsWinNT() const { return m_isWinNT; }
    // Major version + minor version / 100: Windows 2000 is 5.0, Windows XP 5.01.
    [[nodiscard]] double WinVersion() const { return m_winVersion; }

private:
    void ProbeWindowsVersion(const platform::OsVersionInfo& version);
    [[nodiscard]] bool isHostModule(std::string_view path) const;

    bool m_isWinNT = false;
    double m_winVersion = 0.0;
    std::string m_hostExeBaseName;
    bool m_hostProcessFound = false;
    platform::HWND m_foundHostWindow = 0;
    std::uint32_t m_hostProcessId = 0;
};

} // namespace velmar

#include "runtime/link/HostWindowSearch.h"

#include "runtime/HostMessages.h"
#include "runtime/link/ExeBaseName.h"

namespace velmar {

namespace {

constexpr std::uint32_t kPlatformWinNT = 2;
// Windows NT 4 and older lack the module snapshot; there only the program is looked at.
constexpr double kFirstVersionWithModuleList = 5.0;

} // namespace

HostWindowSearch::HostWindowSearch()
    : HostWindowSearch(platform::GetVersionExA())
{}

HostWindowSearch::HostWindowSearch(const platform::OsVersionInfo& version)
{
    ProbeWindowsVersion(version);
}

void HostWindowSearch::ProbeWindowsVersion(const platform::OsVersionInfo& version)
{
    m_isWinNT = version.platformId == kPlatformWinNT;
    m_winVersion = (version.majorVersion & 0xFFU) + (version.minorVersion & 0xFFU) * 0.01;
}

platform::HWND HostWindowSearch::FindHostWindow(std::string_view path)
{
    m_hostExeBaseName = UpperCaseAscii(ExeBaseName(path));
    m_hostProcessId = 0;
    m_foundHostWindow = 0;
    const bool mainModuleOnly = m_isWinNT && m_winVersion < kFirstVersionWithModuleList;
    for (const platform::HWND window : platform::EnumWindows()) {
        const std::uint32_t pid = platform::GetWindowThreadProcessId(window);
        if (platform::GetParent(window) != 0)
            continue;
        m_foundHostWindow = 0;
        const bool matches = mainModuleOnly ? MatchMainModule(pid) : MatchModules(pid);
        if (matches &&
            platform::SendMessageA(window, HostQueryIdentify, 0, 0) == HostIdentifyReply) {
            m_foundHostWindow = window;
            break;
        }
    }
    return m_foundHostWindow;
}

bool HostWindowSearch::MatchModules(std::uint32_t pid)
{
    for (const std::string& module : platform::processModules(pid)) {
        if (isHostModule(module)) {
            m_hostProcessId = pid;
            m_hostProcessFound = true;
            return true;
        }
    }
    return false;
}

bool HostWindowSearch::MatchMainModule(std::uint32_t pid)
{
    const std::string program = platform::processExecutable(pid);
    if (program.empty() || !isHostModule(program))
        return false;
    m_hostProcessFound = true;
    return true;
}

bool HostWindowSearch::isHostModule(std::string_view path) const
{
    return UpperCaseAscii(ExeBaseName(path)) == m_hostExeBaseName;
}

} // namespace velmar

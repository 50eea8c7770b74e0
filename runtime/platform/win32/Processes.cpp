#include "runtime/platform/Processes.h"

#include "runtime/platform/win32/Win32Handles.h"

#include <windows.h>
#include <psapi.h>
#include <set>
#include <tlhelp32.h>

namespace velmar::platform {

OsVersionInfo GetVersionExA()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!::GetVersionExA(&info))
        return {2, 5, 1}; // what every system with the module list reports at least
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::string processExecutable(std::uint32_t pid)
{
    const UniqueHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, static_cast<DWORD>(pid)));
    if (!process.valid())
        return {};
    char buffer[1025] = {};
    const DWORD length = ::GetModuleFileNameExA(process.get(), nullptr, buffer, sizeof buffer);
    return std::string(buffer, length);
}

std::vector<std::string> processModules(std::uint32_t pid)
{
    std::vector<std::string> modules;
    UniqueHandle snapshot;
    // The snapshot fails with ERROR_BAD_LENGTH while the process is still loading modules.
    for (int attempt = 0; attempt < 5 && !snapshot.valid(); ++attempt) {
        snapshot.reset(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32,
                                                  static_cast<DWORD>(pid)));
        if (!snapshot.valid() && ::GetLastError() != ERROR_BAD_LENGTH)
            return modules;
    }
    if (!snapshot.valid())
        return modules;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::set<std::string> seen;
    // The program's own module comes first.
    for (BOOL more = ::Module32First(snapshot.get(), &entry); more;
         more = ::Module32Next(snapshot.get(), &entry)) {
        std::string path(entry.szExePath);
        if (seen.insert(path).second)
            modules.push_back(std::move(path));
    }
    return modules;
}

int WinExec(std::string_view path, int showCommand)
{
    const std::string commandLine(path);
    return static_cast<int>(::WinExec(commandLine.c_str(), static_cast<UINT>(showCommand)));
}

} // namespace velmar::platform

#include "runtime/platform/PlatformError.h"

#include "runtime/platform/win32/Win32Error.h"

#include <cstring>

namespace velmar::platform {

std::string describeErrno(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

std::string describeLastError(const std::string& what, DWORD error)
{
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string reason = length > 0 && text != nullptr ? std::string(text, length)
                                                       : "error " + std::to_string(error);
    ::LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r'))
        reason.pop_back();
    return what + ": " + reason;
}

} // namespace velmar::platform

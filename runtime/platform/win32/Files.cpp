#include "runtime/platform/Files.h"

#include "runtime/platform/PlatformError.h"
#include "runtime/platform/SaveTemporaries.h"
#include "runtime/platform/win32/Win32Error.h"
#include "runtime/platform/win32/Win32Handles.h"

#include <windows.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace velmar::platform {

namespace {

std::string withBackslash(std::string dir)
{
    if (dir.empty() || (dir.back() != '\\' && dir.back() != '/'))
        dir.push_back('\\');
    return dir;
}

// Callers tell why a save failed from errno, as on POSIX.
void setErrnoFromLastError()
{
    switch (::GetLastError()) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT:
        errno = EACCES;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        errno = ENOENT;
        break;
    default:
        errno = EIO;
    }
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30U));
        DWORD written = 0;
        // A write that takes nothing and reports no error would be retried for ever.
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool processIsGone(unsigned long pid)
{
    const UniqueHandle process(::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid)));
    if (!process.valid())
        return ::GetLastError() == ERROR_INVALID_PARAMETER; // no such process
    return ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
}

} // namespace

std::string ExeDir()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            throw PlatformError(
                describeLastError("Cannot find the program's own path", ::GetLastError()));
        if (length < buffer.size()) {
            const std::string path(buffer.data(), length);
            return withBackslash(path.substr(0, path.find_last_of("\\/")));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string WindowsDir()
{
    char buffer[MAX_PATH + 1] = {};
    const UINT length = ::GetWindowsDirectoryA(buffer, sizeof buffer);
    if (length == 0 || length > MAX_PATH)
        throw PlatformError(
            describeLastError("Cannot find the Windows directory", ::GetLastError()));
    return withBackslash(std::string(buffer, length));
}

bool directoryWritable(const std::string& directory)
{
    const DWORD attributes = ::GetFileAttributesA(directory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return false;
    ULARGE_INTEGER available{};
    if (::GetDiskFreeSpaceExA(directory.c_str(), &available, nullptr, nullptr) &&
        available.QuadPart == 0)
        return false;
    // Permissions and read-only media show only in an attempt.
    const std::string probe = withBackslash(directory) + "velmar-probe-" +
                              std::to_string(::GetCurrentProcessId()) + ".tmp";
    const UniqueHandle file(::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                          nullptr));
    return file.valid();
}

bool replaceFile(const std::string& path, std::string_view bytes)
{
    removeLeftoverTemporariesOf(path, processIsGone);
    const std::string temporary = temporaryNameFor(path, ::GetCurrentProcessId());
    {
        const UniqueHandle file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            setErrnoFromLastError();
            return false;
        }
        if (!writeAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) {
            setErrnoFromLastError();
            const int error = errno;
            ::DeleteFileA(temporary.c_str());
            errno = error;
            return false;
        }
    }
    // An existing file keeps its attributes and security through ReplaceFileA; a new one
    // is moved into place.
    const DWORD existing = ::GetFileAttributesA(path.c_str());
    const bool replaced =
        existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY) == 0
            ? ::ReplaceFileA(path.c_str(), temporary.c_str(), nullptr,
                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != FALSE
            : ::MoveFileExA(temporary.c_str(), path.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!replaced) {
        setErrnoFromLastError();
        const int error = errno;
        ::DeleteFileA(temporary.c_str());
        errno = error;
        return false;
    }
    return true;
}

std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes)
{
    const UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // A device or a pipe is no file to read settings from.
    if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::nullopt;
    std::string bytes;
    bytes.resize(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(maxBytes - filled, 1U << 30U));
        DWORD got = 0;
        if (!::ReadFile(file.get(), bytes.data() + filled, chunk, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace velmar::platform

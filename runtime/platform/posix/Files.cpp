#include "runtime/platform/Files.h"

#include "runtime/platform/PlatformError.h"
#include "runtime/platform/SaveTemporaries.h"
#include "runtime/platform/posix/UniqueFd.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace velmar::platform {

namespace {

std::string withSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir.push_back('/');
    return dir;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        // A write that takes nothing and reports no error would be retried for ever.
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool syncDirectoryOf(const std::filesystem::path& path)
{
    const std::filesystem::path parent =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const UniqueFd dir(::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() && ::fsync(dir.get()) == 0;
}

bool processIsGone(unsigned long processId)
{
    // An id no process can have is one no process has.
    if (processId > static_cast<unsigned long>(std::numeric_limits<pid_t>::max()))
        return true;
    return ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

} // namespace

std::string ExeDir()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        throw PlatformError("Cannot find the program's own path: " + error.message());
    return withSlash(exe.parent_path().string());
}

std::string WindowsDir()
{
    std::filesystem::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        base = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    const std::filesystem::path dir = base / "velmar";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    return withSlash(dir.string());
}

bool directoryWritable(const std::string& directory)
{
    if (::access(directory.c_str(), W_OK | X_OK) != 0)
        return false;
    struct statvfs fs {};
    if (::statvfs(directory.c_str(), &fs) != 0)
        return true; // an unknown amount of space is no reason to refuse
    return (fs.f_flag & ST_RDONLY) == 0 && fs.f_bavail > 0;
}

bool replaceFile(const std::string& path, std::string_view bytes)
{
    removeLeftoverTemporariesOf(path, processIsGone);
    const std::string temporary = temporaryNameFor(path, static_cast<unsigned long>(::getpid()));
    {
        const UniqueFd fd(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644));
        if (!fd.valid())
            return false;
        if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
            const int error = errno;
            ::unlink(temporary.c_str());
            errno = error;
            return false;
        }
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return false;
    }
    // The file holds the new bytes from here on, so the save has happened: a failure to
    // flush the directory only leaves the rename less sure to outlive a crash, and telling
    // the caller that the old file is still there would be wrong.
    (void)syncDirectoryOf(path);
    return true;
}

std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes)
{
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid())
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string bytes;
    bytes.resize(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, maxBytes - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace velmar::platform

#include "runtime/platform/posix/SessionDirectory.h"

#include "runtime/platform/PlatformError.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velmar::platform {

namespace {

std::filesystem::path chosenDirectory()
{
    // A relative path is ignored, as the base directory rules say: it would name another
    // directory for every working directory, and programs would not find each other.
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && runtimeDir[0] == '/')
        return std::filesystem::path(runtimeDir) / "velmar";
    return std::filesystem::path("/tmp") / ("velmar-" + std::to_string(::geteuid()));
}

} // namespace

std::filesystem::path sessionDirectory()
{
    std::filesystem::path dir = chosenDirectory();
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        throw PlatformError(
            describeErrno("Cannot create session directory " + dir.string(), errno));

    // lstat: a symbolic link planted in place of the directory is refused, not followed.
    struct stat info {};
    if (::lstat(dir.c_str(), &info) != 0)
        throw PlatformError(
            describeErrno("Cannot inspect session directory " + dir.string(), errno));
    if (!S_ISDIR(info.st_mode))
        throw PlatformError("Session directory " + dir.string() + " is not a directory");
    if (info.st_uid != ::geteuid())
        throw PlatformError("Session directory " + dir.string() + " belongs to another user");
    if ((info.st_mode & 077U) != 0)
        throw PlatformError("Session directory " + dir.string() + " is open to other users");
    return dir;
}

} // namespace velmar::platform

#include "runtime/platform/NamedMapping.h"

#include "runtime/platform/PlatformError.h"
#include "runtime/platform/posix/SessionDirectory.h"
#include "runtime/platform/posix/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velmar::platform {

namespace {

enum class OpenMode { CreateOrJoin, OpenExisting };

std::filesystem::path mappingPath(std::string_view name)
{
    if (name.empty() || name.find('/') != std::string_view::npos || name == "." || name == "..")
        throw PlatformError("Invalid mapping name \"" + std::string(name) + "\"");
    return sessionDirectory() / (std::string(name) + ".map");
}

int lockFile(int fd, int operation)
{
    int result = 0;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Whether `path` still names the file open as `fd`. A holder that let go last may have
// removed the file between our open and our lock; such a file must not be joined.
bool stillLinked(int fd, const std::filesystem::path& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Takes a shared hold beside the other holders; false when the last of them removed the
// file meanwhile, so it must be opened anew.
bool joinHolders(int fd, const std::filesystem::path& path)
{
    if (lockFile(fd, LOCK_SH) != 0)
        throw PlatformError(describeErrno("Cannot lock mapping " + path.string(), errno));
    return stillLinked(fd, path);
}

[[noreturn]] void refuseForeign(const std::filesystem::path& path)
{
    throw PlatformError("Mapping " + path.string() +
                        " is not a private file of this user; refusing to join it");
}

// A pipe, a device or another user's file is refused before anything is changed in it: a
// process with the power to change it (root) must not empty someone else's file.
struct stat inspectOwnFile(int fd, const std::filesystem::path& path)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw PlatformError(describeErrno("Cannot inspect mapping " + path.string(), errno));
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        refuseForeign(path);
    return info;
}

void checkJoinable(int fd, const std::filesystem::path& path, std::size_t minimumSize)
{
    const struct stat info = inspectOwnFile(fd, path);
    if ((info.st_mode & 077U) != 0)
        refuseForeign(path);
    if (static_cast<std::size_t>(info.st_size) < minimumSize)
        throw PlatformError("Mapping " + path.string() + " is " + std::to_string(info.st_size) +
                            " bytes, shorter than the " + std::to_string(minimumSize) +
                            " bytes needed");
}

void startAfresh(int fd, const std::filesystem::path& path, std::size_t size)
{
    if (::ftruncate(fd, 0) != 0)
        throw PlatformError(describeErrno("Cannot empty mapping " + path.string(), errno));
    const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    if (error != 0)
        throw PlatformError(
            describeErrno("Cannot reserve space for mapping " + path.string(), error));
}

} // namespace

std::unique_ptr<NamedMapping> NamedMapping::mapHeldFile(const std::filesystem::path& path, int fd,
                                                        bool createdFresh)
{
    UniqueFd owned(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw PlatformError(describeErrno("Cannot inspect mapping " + path.string(), errno));
    // The whole file is mapped, and no one reads past it: its size is what is there now.
    const auto size = static_cast<std::size_t>(info.st_size);
    void* base = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (base == MAP_FAILED)
        throw PlatformError(describeErrno("Cannot map " + path.string(), errno));
    return std::unique_ptr<NamedMapping>(
        new NamedMapping(path, owned.release(), static_cast<std::byte*>(base), size, createdFresh));
}

std::unique_ptr<NamedMapping> NamedMapping::createOrJoin(std::string_view name, std::size_t size)
{
    const std::filesystem::path path = mappingPath(name);
    for (;;) {
        UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.valid())
            throw PlatformError(describeErrno("Cannot open mapping " + path.string(), errno));
        (void)inspectOwnFile(fd.get(), path);

        bool fresh = false;
        if (lockFile(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // Nobody holds it: what the file holds is left over from processes that are gone.
            if (!stillLinked(fd.get(), path))
                continue;
            if (::fchmod(fd.get(), 0600) != 0)
                throw PlatformError(
                    describeErrno("Cannot protect mapping " + path.string(), errno));
            startAfresh(fd.get(), path, size);
            fresh = true;
            if (lockFile(fd.get(), LOCK_SH) != 0)
                throw PlatformError(describeErrno("Cannot lock mapping " + path.string(), errno));
        } else {
            if (errno != EWOULDBLOCK)
                throw PlatformError(describeErrno("Cannot lock mapping " + path.string(), errno));
            if (!joinHolders(fd.get(), path))
                continue;
        }
        checkJoinable(fd.get(), path, size);

        return mapHeldFile(path, fd.release(), fresh);
    }
}

std::unique_ptr<NamedMapping> NamedMapping::openExisting(std::string_view name,
                                                         std::size_t minimumSize)
{
    const std::filesystem::path path = mappingPath(name);
    for (;;) {
        UniqueFd fd(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
        if (!fd.valid()) {
            if (errno == ENOENT)
                return nullptr;
            throw PlatformError(describeErrno("Cannot open mapping " + path.string(), errno));
        }
        if (lockFile(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            // A file that nobody holds is no mapping; the last holder failed to remove it.
            return nullptr;
        }
        if (!joinHolders(fd.get(), path))
            continue;
        checkJoinable(fd.get(), path, minimumSize);

        return mapHeldFile(path, fd.release(), false);
    }
}

NamedMapping::~NamedMapping()
{
    const auto fd = static_cast<int>(m_handle);
    ::munmap(m_base, m_size);
    // Trade our shared lock for an exclusive one: getting it means no one else holds the
    // mapping, so it ends with us.
    if (lockFile(fd, LOCK_EX | LOCK_NB) == 0 && stillLinked(fd, m_path))
        ::unlink(m_path.c_str());
    ::close(fd);
}

} // namespace velmar::platform

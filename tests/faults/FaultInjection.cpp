// Preloaded into a saving process (LD_PRELOAD) to make one call of write, fsync or rename
// fail, and to log the calls, so that a test sees each step of a save and what the program
// does when one of them goes wrong. Only calls on files inside VELMAR_FAULT_DIR (and on
// that directory itself) count. The environment says what to do:
//   VELMAR_FAULT_DIR=/dir           the directory whose files are watched
//   VELMAR_FAULT=write:2:EIO        the 2nd write fails with EIO; also fsync:N:ERRNO,
//                                   rename:N:ERRNO, write:N:short (half the bytes written)
//                                   and write:N:zero (nothing written, no error)
//   VELMAR_FAULT_LOG=/file          each watched call as a line: "write <path> <bytes>",
//                                   "fsync <path>", "rename <from> <to>", and "fault <call>"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Fault {
    std::string call;
    long number = 0;
    std::string effect; // an errno name, "short" or "zero"
};

Fault parseFault()
{
    Fault fault;
    const char* text = std::getenv("VELMAR_FAULT");
    if (text == nullptr)
        return fault;
    const std::string spec(text);
    const std::size_t first = spec.find(':');
    const std::size_t second = spec.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos)
        return fault;
    fault.call = spec.substr(0, first);
    fault.number = std::strtol(spec.substr(first + 1, second - first - 1).c_str(), nullptr, 10);
    fault.effect = spec.substr(second + 1);
    return fault;
}

int errnoNamed(const std::string& name)
{
    if (name == "ENOSPC")
        return ENOSPC;
    if (name == "EXDEV")
        return EXDEV;
    if (name == "EDQUOT")
        return EDQUOT;
    if (name == "EROFS")
        return EROFS;
    return EIO;
}

const Fault& fault()
{
    static const Fault parsed = parseFault();
    return parsed;
}

const std::string& watchedDirectory()
{
    static const std::string dir = [] {
        const char* text = std::getenv("VELMAR_FAULT_DIR");
        return std::string(text != nullptr ? text : "");
    }();
    return dir;
}

bool watched(const std::string& path)
{
    const std::string& dir = watchedDirectory();
    return !dir.empty() && path.compare(0, dir.size(), dir) == 0 &&
           (path.size() == dir.size() || path[dir.size()] == '/');
}

std::string pathOf(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[4096];
    const ssize_t length = ::readlink(link, target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

// Written with the system call itself: the log must not pass through the write it watches.
void log(const std::string& line)
{
    const char* file = std::getenv("VELMAR_FAULT_LOG");
    if (file == nullptr)
        return;
    const int fd = ::open(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const std::string text = line + "\n";
    (void)::syscall(SYS_write, fd, text.data(), text.size());
    ::close(fd);
}

// Whether this watched call of `call` is the one that fails.
bool strikes(const char* call)
{
    static std::atomic<long> writes{0};
    static std::atomic<long> fsyncs{0};
    static std::atomic<long> renames{0};
    std::atomic<long>& counter = std::strcmp(call, "write") == 0   ? writes
                                 : std::strcmp(call, "fsync") == 0 ? fsyncs
                                                                   : renames;
    const long number = ++counter;
    const bool hit = fault().call == call && fault().number == number;
    if (hit)
        log(std::string("fault ") + call);
    return hit;
}

template <typename Function>
Function next(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" ssize_t velmarFaultyWrite(int fd, const void* buffer, size_t count)
{
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    const std::string path = fd > 2 ? pathOf(fd) : std::string();
    if (!watched(path))
        return real(fd, buffer, count);
    log("write " + path + " " + std::to_string(count));
    if (!strikes("write"))
        return real(fd, buffer, count);
    if (fault().effect == "zero")
        return 0;
    if (fault().effect == "short" && count > 1)
        return real(fd, buffer, count / 2);
    errno = errnoNamed(fault().effect);
    return -1;
}

extern "C" int velmarFaultyFsync(int fd)
{
    static const auto real = next<int (*)(int)>("fsync");
    const std::string path = pathOf(fd);
    if (!watched(path))
        return real(fd);
    log("fsync " + path);
    if (!strikes("fsync"))
        return real(fd);
    errno = errnoNamed(fault().effect);
    return -1;
}

extern "C" int velmarFaultyRename(const char* from, const char* to)
{
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    if (!watched(to))
        return real(from, to);
    log(std::string("rename ") + from + " " + to);
    if (!strikes("rename"))
        return real(from, to);
    errno = errnoNamed(fault().effect);
    return -1;
}

// The calls the program makes, taken over under the C library's own names.
extern "C" ssize_t write(int, const void*, size_t) __attribute__((alias("velmarFaultyWrite")));
extern "C" int fsync(int) __attribute__((alias("velmarFaultyFsync")));
extern "C" int rename(const char*, const char*) __attribute__((alias("velmarFaultyRename")));

#include "runtime/platform/Processes.h"

#include "runtime/platform/Files.h"
#include "runtime/platform/posix/UniqueFd.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmar::platform {

namespace {

std::string procPath(std::uint32_t pid, const char* entry)
{
    return "/proc/" + std::to_string(pid) + "/" + entry;
}

// The kernel appends " (deleted)" to the path of a program or mapped file that was removed
// or replaced since it was started or mapped (an upgrade in place), although the process
// still runs what stood at that path. The mark is taken off unless the path as it reads
// names the very file (inode `running`): a file whose own name ends so.
std::string withoutDeletedMark(std::string path, ino_t running)
{
    constexpr std::string_view kMark = " (deleted)";
    if (!std::string_view(path).ends_with(kMark))
        return path;
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && named.st_ino == running)
        return path;
    path.resize(path.size() - kMark.size());
    return path;
}

bool isExecutableFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

bool endsWithExeSuffix(std::string_view name)
{
    if (name.size() < 4)
        return false;
    const std::string_view suffix = name.substr(name.size() - 4);
    return suffix[0] == '.' && (suffix[1] | 0x20) == 'e' && (suffix[2] | 0x20) == 'x' &&
           (suffix[3] | 0x20) == 'e';
}

// "KORVO.EXE" names the stand-in host: a bare name ending in ".EXE" is looked for as its
// lower-case base name beside this program, then on PATH. A name with a directory part is
// taken only as given.
std::optional<std::string> resolveProgram(std::string_view name)
{
    const std::string given(name);
    if (isExecutableFile(given))
        return given;
    if (!endsWithExeSuffix(name) || name.find_first_of("/\\:") != std::string_view::npos)
        return std::nullopt;

    std::string base(name.substr(0, name.size() - 4));
    if (base.empty())
        return std::nullopt;
    for (char& c : base)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');

    if (const std::string besideUs = ExeDir() + base; isExecutableFile(besideUs))
        return besideUs;
    const char* path = std::getenv("PATH");
    std::string_view dirs = path != nullptr ? path : "";
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
        if (dir.empty())
            continue;
        if (const std::string candidate = std::string(dir) + "/" + base;
            isExecutableFile(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

OsVersionInfo GetVersionExA()
{
    return {2, 5, 1};
}

std::string processExecutable(std::uint32_t pid)
{
    const std::string link = procPath(pid, "exe");
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink(link, error);
    struct stat running {};
    if (error || ::stat(link.c_str(), &running) != 0)
        return {};
    return withoutDeletedMark(exe.string(), running.st_ino);
}

std::vector<std::string> processModules(std::uint32_t pid)
{
    std::vector<std::string> modules;
    if (std::string exe = processExecutable(pid); !exe.empty())
        modules.push_back(std::move(exe));

    std::ifstream maps(procPath(pid, "maps"));
    std::set<std::string> seen(modules.begin(), modules.end());
    std::string line;
    while (std::getline(maps, line)) {
        // address perms offset dev inode pathname: the path starts at the first '/'.
        const std::size_t slash = line.find('/');
        if (slash == std::string::npos)
            continue;
        std::istringstream fields(line.substr(0, slash));
        std::string skipped;
        ino_t inode = 0;
        fields >> skipped >> skipped >> skipped >> skipped >> inode;
        std::string path = withoutDeletedMark(line.substr(slash), inode);
        if (seen.insert(path).second)
            modules.push_back(std::move(path));
    }
    return modules;
}

int WinExec(std::string_view path, int /*showCommand*/)
{
    constexpr int kFileNotFound = 2;
    constexpr int kStarted = 33;
    const std::optional<std::string> program = resolveProgram(path);
    if (!program)
        return kFileNotFound;

    int report[2] = {-1, -1};
    if (::pipe2(report, O_CLOEXEC) != 0)
        return 0;
    UniqueFd reportRead(report[0]);
    UniqueFd reportWrite(report[1]);

    // Fork twice so the program is nobody's child here (no zombie) and has its own
    // session (a signal to our terminal does not reach it). The grandchild tells through
    // the pipe whether exec failed; a successful exec closes the pipe silently.
    const pid_t child = ::fork();
    if (child < 0)
        return 0;
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            const char* argv[] = {program->c_str(), nullptr};
            ::execv(program->c_str(), const_cast<char* const*>(argv));
            const int error = errno;
            (void)!::write(reportWrite.get(), &error, sizeof error);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    reportWrite.reset();
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 0;
    int execError = 0;
    ssize_t got = 0;
    do {
        got = ::read(reportRead.get(), &execError, sizeof execError);
    } while (got < 0 && errno == EINTR);
    return got == 0 ? kStarted : kFileNotFound;
}

} // namespace velmar::platform
